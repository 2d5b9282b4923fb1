#include "support/process.h"

#include <string>
#include <string_view>
#include <vector>

#include "support/exe_path.h"
#include "support/input.h"

namespace testing_gui {

namespace {

// The built bandora.exe started with `flags`; empty when it could not be.
PROCESS_INFORMATION StartBuilt(DWORD flags) {
    std::wstring command = L"\"" + BuiltExePath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup, &started))
        return {};
    return started;
}

// Loads the fault DLL in `process` before its main thread runs: a thread of
// its own on LoadLibraryW, whose address is the same in every process.
HMODULE Inject(HANDLE process, const std::wstring& dll) {
    const SIZE_T bytes = (dll.size() + 1) * sizeof(wchar_t);
    void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
    if (!remote || !WriteProcessMemory(process, remote, dll.c_str(), bytes, nullptr)) return nullptr;
    const auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, load, remote, 0, nullptr);
    if (!thread) return nullptr;
    WaitForSingleObject(thread, 10000);
    DWORD module = 0;
    GetExitCodeThread(thread, &module);
    CloseHandle(thread);
    return reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(module));
}

}  // namespace

RunningProgram::RunningProgram() : process_(StartBuilt(0)) {
    if (process_.hProcess) WaitForInputIdle(process_.hProcess, 10000);
}

RunningProgram::RunningProgram(const char* failing, long failAt) {
    // Where the count lies in the DLL: loaded here too, where it arms nothing.
    HMODULE here = LoadLibraryW(FaultDllPath().c_str());
    const auto* count = here ? reinterpret_cast<const BYTE*>(GetProcAddress(here, "bandoraFaultCalls")) : nullptr;
    if (!count) return;
    SetEnvironmentVariableA("BANDORA_FAULT", failing);
    SetEnvironmentVariableA("BANDORA_FAULT_AT", std::to_string(failAt).c_str());
    process_ = StartBuilt(CREATE_SUSPENDED);
    SetEnvironmentVariableA("BANDORA_FAULT", nullptr);
    SetEnvironmentVariableA("BANDORA_FAULT_AT", nullptr);
    if (!process_.hProcess) return;
    if (const auto* there = reinterpret_cast<const BYTE*>(Inject(process_.hProcess, FaultDllPath())))
        faultCount_ = there + (count - reinterpret_cast<const BYTE*>(here));
    ResumeThread(process_.hThread);
}

long RunningProgram::FaultCalls() const {
    const void* count = nullptr;   // where the DLL counts the armed function's calls
    LONG calls = -1;
    if (!faultCount_ || !ReadProcessMemory(process_.hProcess, faultCount_, &count, sizeof count, nullptr) || !count ||
        !ReadProcessMemory(process_.hProcess, count, &calls, sizeof calls, nullptr))
        return -1;
    return calls;
}

RunningProgram::~RunningProgram() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

namespace {

bool StartsWith(const std::wstring& text, std::wstring_view prefix) {
    return std::wstring_view(text).substr(0, prefix.size()) == prefix;
}

}  // namespace

HWND RunningProgram::FindMainWindow(int ms) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : VisibleTopLevelWindows(process_.dwProcessId))
            if (StartsWith(WindowText(window), L"Bandora  --  ")) found = window;
        return found != nullptr;
    }, ms);
    return found;
}

long RunningProgram::CloseAndWait(HWND window, int ms) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(ms)) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

}  // namespace testing_gui

#include "support/process.h"

#include <string_view>
#include <vector>

#include "support/exe_path.h"
#include "support/input.h"

namespace testing_gui {

RunningProgram::RunningProgram() {
    std::wstring command = L"\"" + BuiltExePath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
        process_ = {};
    else
        WaitForInputIdle(process_.hProcess, 10000);
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

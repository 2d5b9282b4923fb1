#include "started_program.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwctype>

#include "figures.h"

namespace bench {

std::wstring Beside(const wchar_t* file) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1) + file;
}

std::wstring WindowsFile(const wchar_t* file) {
    wchar_t dir[MAX_PATH];
    GetWindowsDirectoryW(dir, MAX_PATH);
    return std::wstring(dir) + L"\\" + file;
}

std::string ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
    CloseHandle(file);
    return text;
}

double FileMiB(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return double((ULONGLONG(data.nFileSizeHigh) << 32) | data.nFileSizeLow) / (1024.0 * 1024.0);
}

std::string LoadAverage() {
    std::string text = ReadWholeFile(L"Z:\\proc\\loadavg");
    int fields = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == ' ' && ++fields == 3) return text.substr(0, i);
    return text;
}

namespace {

struct WindowSearch {
    DWORD process;
    HWND found;
};
BOOL CALLBACK MatchTopWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->process || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER)) return TRUE;
    search->found = hwnd;
    return FALSE;
}
HWND VisibleTopWindowOf(DWORD process) {
    WindowSearch search{process, nullptr};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Wine 8 gives the peak working set of another process (VmHWM of its Linux
// process) but PrivateUsage only as its swap, 0 here. The private memory is
// read from Linux instead, through Wine's Z: drive: a Wine process's Linux
// command line is its Windows one, so the started process is the one whose
// first argument is the program's path and that was not there before.

// The /proc folders of the Linux processes running `program`.
std::vector<std::wstring> LinuxProcessesOf(const std::wstring& program) {
    const std::string wanted(program.begin(), program.end());   // the paths used here are ASCII
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (find == INVALID_HANDLE_VALUE) return found;
    do {
        if (!iswdigit(entry.cFileName[0])) continue;
        const std::wstring dir = std::wstring(L"Z:\\proc\\") + entry.cFileName + L"\\";
        const std::string arguments = ReadWholeFile(dir + L"cmdline");
        if (_stricmp(arguments.c_str(), wanted.c_str()) == 0) found.push_back(dir);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return found;
}

// Private resident memory (unique set size) of the one new process; 0 if unsure.
double PrivateMiB(const std::wstring& program, const std::vector<std::wstring>& before) {
    std::vector<std::wstring> fresh;
    for (const std::wstring& dir : LinuxProcessesOf(program))
        if (std::find(before.begin(), before.end(), dir) == before.end()) fresh.push_back(dir);
    if (fresh.size() != 1) return 0;
    const std::string rollup = ReadWholeFile(fresh[0] + L"smaps_rollup");
    double kib = 0;
    for (const char* field : {"Private_Clean:", "Private_Dirty:"})
        if (const auto at = rollup.find(field); at != std::string::npos)
            kib += std::atof(rollup.c_str() + at + std::strlen(field));
    return kib / 1024.0;
}

void ReadMemory(const Program& program, HANDLE process, const std::vector<std::wstring>& before, Start& out) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, &memory, sizeof memory))
        out.peakWorkingSetMiB = double(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    out.privateMiB = PrivateMiB(program.path, before);
}

// Polls every millisecond, for at most 15 s, for the process's window and
// then for its final pixels. `window` is the window once seen.
bool WaitForCompleteWindow(const Program& program, DWORD process, Start& out, HWND& window) {
    while (Ms(out.created, Now()) < 15000) {
        if (!window && (window = VisibleTopWindowOf(process))) out.shownMs = Ms(out.created, Now());
        if (window && program.painted(window)) {
            out.paintedMs = Ms(out.created, Now());
            return true;
        }
        Sleep(1);
    }
    std::fprintf(stderr, "%s: no complete window within 15 s\n", program.name);
    return false;
}

// Closes the window as a user would; false when the process had to be ended
// by force.
bool Close(const Program& program, const PROCESS_INFORMATION& pi, HWND window) {
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    bool ended = true;
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "%s: did not end after WM_CLOSE; terminated\n", program.name);
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 5000);
        ended = false;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ended;
}

constexpr DWORD kSettleMs = 300;

}  // namespace

bool StartOnce(const Program& program, Start& out, bool readMemory, DWORD lingerMs) {
    std::wstring command = L"\"" + program.path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION pi{};
    const std::vector<std::wstring> before = readMemory ? LinuxProcessesOf(program.path) : std::vector<std::wstring>{};
    out.created = Now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &pi)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.path.c_str(), GetLastError());
        return false;
    }
    HWND window = nullptr;
    bool painted = WaitForCompleteWindow(program, pi.dwProcessId, out, window);
    if (painted) {
        Sleep(lingerMs);   // let start-up finish before reading its memory
        if (readMemory) ReadMemory(program, pi.hProcess, before, out);
    }
    if (!Close(program, pi, window)) painted = false;
    // A Wine process is still being torn down (its Linux process, its X
    // windows) after it has ended for Windows: the next start waits for a
    // quiet machine, as a user's start would find it.
    Sleep(kSettleMs);
    return painted;
}

std::vector<std::vector<Start>> StartInTurn(const std::vector<Program>& programs, int runs) {
    std::vector<std::vector<Start>> starts(programs.size());
    for (int run = -1; run < runs; ++run)
        for (std::size_t i = 0; i < programs.size(); ++i) {
            Start start;
            if (!StartOnce(programs[i], start)) return {};
            if (run >= 0) starts[i].push_back(start);
        }
    return starts;
}

}  // namespace bench

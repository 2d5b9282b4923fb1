// Programs started as a user starts them: one process each time, watched from
// outside until its window is on the screen complete, then closed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

struct Program {
    const char* name;
    std::wstring path;
    bool (*painted)(HWND);   // whether its window is on the screen complete
};

struct Start {
    LARGE_INTEGER created{};   // the clock just before CreateProcess
    double shownMs = 0, paintedMs = 0;
    double peakWorkingSetMiB = 0, privateMiB = 0;
};

std::wstring Beside(const wchar_t* file);        // a file in the driver's folder
std::wstring WindowsFile(const wchar_t* file);   // a file in the Windows folder
std::string ReadWholeFile(const std::wstring& path);
double FileMiB(const std::wstring& path);
std::string LoadAverage();   // the machine's, for the record

// Starts the program, polls every millisecond for its window and its final
// pixels, reads its memory (or, without `readMemory`, only lets `lingerMs`
// pass), then closes it and waits for it to end. False when it did not paint
// complete or did not end.
bool StartOnce(const Program& program, Start& out, bool readMemory = true, DWORD lingerMs = 300);

// Starts the programs in turn, `runs` times each after one unmeasured start
// of each that fills the file cache, so any drift of the machine touches all
// of them alike. Each program's starts; none when a start failed.
std::vector<std::vector<Start>> StartInTurn(const std::vector<Program>& programs, int runs);

}  // namespace bench

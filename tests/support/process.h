// Starting the built program as a user would, and finding its window.
#pragma once
#include <windows.h>

#include <string>

#include "support/gui.h"
#include "support/input.h"

namespace testing_gui {

class RunningProgram {
public:
    RunningProgram();    // starts the built bandora.exe
    // Starts it with the `failAt`th call of its import `failing` made to fail
    // (tests/fault/inject.cpp; 0 fails none); without waiting for its window.
    RunningProgram(const char* failing, long failAt);
    ~RunningProgram();   // ends it if it is still running
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    // The main window, found by its caption among the process's windows;
    // waits up to `ms` for it to appear.
    HWND FindMainWindow(int ms = 10000);
    // Asks the window to close and waits for the process; its exit code, or
    // -1 if it did not end in time.
    long CloseAndWait(HWND window, int ms = 10000);
    DWORD Id() const { return process_.dwProcessId; }
    HANDLE Handle() const { return process_.hProcess; }
    // Calls of the injected function so far; -1 when it cannot be read.
    long FaultCalls() const;

private:
    PROCESS_INFORMATION process_{};
    const BYTE* faultCount_ = nullptr;   // the injected DLL's pointer to its count, in the program's address space
};

// A pixel of the screen, at a client point of `window`.
COLORREF ScreenPixel(HWND window, int x, int y);
// The colour on the screen in the middle of a box another program draws.
inline COLORREF OnScreen(const DrawnBox& box) { return ScreenPixel(box.window, box.middle.x, box.middle.y); }

}  // namespace testing_gui

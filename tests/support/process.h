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

private:
    PROCESS_INFORMATION process_{};
};

// A pixel of the screen, at a client point of `window`.
COLORREF ScreenPixel(HWND window, int x, int y);
// The colour on the screen in the middle of a box another program draws.
inline COLORREF OnScreen(const DrawnBox& box) { return ScreenPixel(box.window, box.middle.x, box.middle.y); }

}  // namespace testing_gui

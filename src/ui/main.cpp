// Bandora: resistor colour bands to value and back.
#include <windows.h>

#include "services/error_box.h"
#include "ui/form1.h"

namespace {

// The window could not be made: the system's words for why, and its error
// code as the exit code. What was made is released by then.
int NotStarted(DWORD error) {
    services::ShowErrorBox(L"Bandora", error, L"Bandora could not start.");
    return error ? static_cast<int>(error) : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ui::Form1 form;
    if (!form.Show()) return NotStarted(form.LoadError());
    // Only once the window is up: a load that fails destroys it, and a
    // WM_QUIT left waiting then would end the message box at once.
    form.SetQuitOnDestroy(true);
    return platform::RunMessageLoop();
}

// Bandora: resistor colour bands to value and back.
#include <windows.h>

#include <cstdlib>

#include "platform/conversions.h"
#include "ui/form1.h"

namespace {

// Runs once, the first time the window waits for input after showing.
void CALLBACK LoadConversionsWhenIdle(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    platform::LoadConversions();
}

}  // namespace

// An exception that escapes ends the program at once. The C++ library's own
// handler would first print the exception's demangled type name to a console
// this program does not have, and its demangler is an eighth of the program.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ui::Form1 form;
    form.SetQuitOnDestroy(true);
    if (!form.Show()) return 1;
    // The readouts need OLE Automation from the first click on: it loads
    // while the painted window waits for that click, not before the paint.
    SetTimer(nullptr, 0, 0, LoadConversionsWhenIdle);
    return platform::RunMessageLoop();
}

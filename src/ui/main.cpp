// Bandora: resistor colour bands to value and back.
#include <windows.h>

#include "ui/form1.h"

namespace {

// The window could not be made: the system's words for why, and its error
// code as the exit code. What was made is released by then.
int NotStarted(DWORD error) {
    wchar_t text[512];
    if (!FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, 512,
                        nullptr))
        lstrcpynW(text, L"Bandora could not start.", 512);
    MessageBoxW(nullptr, text, L"Bandora", MB_OK | MB_ICONHAND);
    return error ? static_cast<int>(error) : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ui::Form1 form;
    form.SetQuitOnDestroy(true);
    if (!form.Show()) return NotStarted(form.LoadError());
    return platform::RunMessageLoop();
}

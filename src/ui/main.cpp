// Bandora: resistor colour bands to value and back.
#include <windows.h>

#include "ui/form1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ui::Form1 form;
    form.SetQuitOnDestroy(true);
    if (!form.Show()) return 1;
    return platform::RunMessageLoop();
}

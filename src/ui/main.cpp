// Bandora: resistor colour bands to value and back.
#include <windows.h>

#include "platform/conversions.h"
#include "ui/form1.h"

namespace {

// OLE Automation loads a moment after the window is shown: loading it takes
// the processor for a dozen milliseconds, which at once would hold back the
// display's drawing of the first paint. A click before then loads it itself.
constexpr UINT kConversionsDelayMs = 250;

void CALLBACK LoadConversionsLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    platform::LoadConversions();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ui::Form1 form;
    form.SetQuitOnDestroy(true);
    if (!form.Show()) return 1;
    SetTimer(nullptr, 0, kConversionsDelayMs, LoadConversionsLater);
    return platform::RunMessageLoop();
}

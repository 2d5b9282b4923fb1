// Bandora: resistor colour bands to value and back.
#include <windows.h>

#include "platform/conversions.h"
#include "platform/timeline.h"   // timeline: the benchmark's start-up marks
#include "ui/form1.h"

namespace {

// OLE Automation loads a moment after the window is shown: loading it takes
// the processor for a dozen milliseconds, which at once would hold back the
// display's drawing of the first paint. A click before then loads it itself.
constexpr UINT kConversionsDelayMs = 250;

void CALLBACK LoadConversionsLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    BANDORA_MARK("timer");   // timeline
    platform::LoadConversions();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    BANDORA_MARK("wWinMain");   // timeline
    ui::Form1 form;
    form.SetQuitOnDestroy(true);
    if (!form.Show()) return 1;
    SetTimer(nullptr, 0, kConversionsDelayMs, LoadConversionsLater);
    const int exitCode = platform::RunMessageLoop();   // timeline: the marks are written after the loop
    BANDORA_TIMELINE_WRITE();                          // timeline
    return exitCode;
}

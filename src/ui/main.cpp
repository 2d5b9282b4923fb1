// Bandora: resistor colour bands to value and back.
#include <windows.h>

#include "art/art.h"
#include "platform/conversions.h"
#include "platform/picture.h"
#include "platform/timeline.h"
#include "platform/units.h"
#include "ui/form1.h"

namespace {

// OLE Automation loads a moment after the window is shown: loading it takes
// the processor for a dozen milliseconds, which at once would hold back the
// display's drawing of the first paint. A click before then loads it itself.
constexpr UINT kConversionsDelayMs = 250;

void CALLBACK LoadConversionsLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    BANDORA_MARK("timer");
    platform::LoadConversions();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    BANDORA_MARK("wWinMain");
    // The main window's pictures are drawn on the second processor while
    // this thread makes the window and its controls.
    using art::Picture;
    platform::DrawPicturesAhead({static_cast<int>(Picture::Resistor), static_cast<int>(Picture::Ohm),
                                 static_cast<int>(Picture::Gear), static_cast<int>(Picture::AboutGlyph)},
                                platform::SystemDpi());
    ui::Form1 form;
    form.SetQuitOnDestroy(true);
    if (!form.Show()) return 1;
    SetTimer(nullptr, 0, kConversionsDelayMs, LoadConversionsLater);
    const int exitCode = platform::RunMessageLoop();   // the timeline build writes its marks after the loop
    BANDORA_TIMELINE_WRITE();
    return exitCode;
}

// When each program measured is on the screen as its user would see it
// complete: a few pixels of its window read back from the screen, whichever
// process drew them.
#pragma once

#include <windows.h>

namespace bench {

// The display's dpi: the programs measured lay themselves out at it.
int ScreenDpi();

bool EmptyWindowPainted(HWND window);
bool ControlsFloorPainted(HWND window);
bool BandoraPainted(HWND window);
bool NotepadPainted(HWND window);

}  // namespace bench

// The least a click that changes a readout can cost: a bare top-level window
// of our own with one edit box the size of Bandora's four-band readout, in
// the same font, whose handler sets the box's text on the button's release.
// It is clicked as Bandora's window is (the two mouse messages, sent), timed
// as Bandora's click is, and it takes turns with Bandora's clicks.
#pragma once

#include <windows.h>

namespace bench {

bool CreateClickFloor();
void DestroyClickFloor();
HWND ClickFloorWindow();
HWND ClickFloorEdit();
void ClickTheFloor();   // its text changes at each click
// A left click at `at` of the window's client area, as every click here is
// made: the two mouse messages, sent.
void SendClick(HWND window, POINT at);

}  // namespace bench

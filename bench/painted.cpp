#include "painted.h"

#include <initializer_list>

namespace bench {

int ScreenDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int d = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return d;
    }();
    return dpi;
}

namespace {

// The screen pixel at a point of the window's client area, in its own
// pixels: what the user sees, whichever process drew it.
bool DevicePixelIs(HWND window, POINT at, COLORREF colour) {
    static HDC screen = GetDC(nullptr);
    ClientToScreen(window, &at);
    return GetPixel(screen, at.x, at.y) == colour;
}

// The same at a client point given in 96-dpi pixels.
bool ScreenPixelIs(HWND window, int x, int y, COLORREF colour) {
    return DevicePixelIs(window, {MulDiv(x, ScreenDpi(), 96), MulDiv(y, ScreenDpi(), 96)}, colour);
}

struct Probe { int x, y; COLORREF colour; };

// Both windows hold the six standard controls at the same places, each a
// window of its own that paints after its parent: a first paint is complete
// only when every one of them is on the screen too. Each edit box's sunken
// edge (its inner line, one pixel in from the box's corner at any dpi), the
// drop-down list's arrow, and the push buttons' faces (a glyph button's face
// reaches the screen in the same copy as its glyph).
bool StandardControlsPainted(HWND window) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE), edge = GetSysColor(COLOR_3DDKSHADOW);
    for (const POINT corner : {POINT{120, 3960}, POINT{4680, 3960}, POINT{240, 6300}})   // twips
        if (!DevicePixelIs(window, {MulDiv(corner.x, ScreenDpi(), 1440) + 1, MulDiv(corner.y, ScreenDpi(), 1440) + 1},
                           edge))
            return false;
    const Probe faces[] = {{195, 430, face}, {213, 413, face}, {294, 441, face}, {533, 437, face}};
    for (const Probe& p : faces)
        if (!ScreenPixelIs(window, p.x, p.y, p.colour)) return false;
    return true;
}

bool AllWhite(HWND window, RECT r) {   // r in the window's own pixels
    for (LONG* edge : {&r.left, &r.top, &r.right, &r.bottom}) *edge = MulDiv(*edge, 96, ScreenDpi());
    const POINT points[] = {{r.left + 2, r.top + 2}, {r.right - 3, r.top + 2}, {(r.left + r.right) / 2, (r.top + r.bottom) / 2},
                            {r.left + 2, r.bottom - 3}, {r.right - 3, r.bottom - 3}};
    for (const POINT& p : points)
        if (!ScreenPixelIs(window, p.x, p.y, RGB(255, 255, 255))) return false;
    return true;
}

}  // namespace

// The controls, painted last, are looked at first: until they are on the
// screen a poll reads one pixel, and the polling disturbs the program watched
// as little as it can.
bool ControlsFloorPainted(HWND window) {   // white surface, every control drawn
    return StandardControlsPainted(window) && ScreenPixelIs(window, 2, 2, RGB(255, 255, 255)) &&
           ScreenPixelIs(window, 602, 458, RGB(255, 255, 255));
}

// The final look of each program at a few client points spread over its window;
// all must be on the screen for the first paint to count as complete.
bool BandoraPainted(HWND window) {
    if (!StandardControlsPainted(window)) return false;
    static const Probe kProbes[] = {
        {123, 340, RGB(255, 255, 0)},    // writer, first band Yellow (from "4700")
        {155, 340, RGB(255, 0, 0)},      // writer, multiplier band Red
        {529, 40, RGB(0, 255, 0)},       // four-band reader, tolerance band
        {448, 128, RGB(255, 0, 0)},      // palette Pi, Red swatch
        {120, 112, RGB(192, 64, 0)},     // palette T, Brown swatch
        {376, 336, RGB(128, 64, 0)},     // legend, Brown swatch
    };
    for (const Probe& p : kProbes)
        if (!ScreenPixelIs(window, p.x, p.y, p.colour)) return false;
    return true;
}

bool EmptyWindowPainted(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return AllWhite(window, client);
}

bool NotepadPainted(HWND window) {   // its edit area, white
    HWND edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
    if (!edit || !IsWindowVisible(edit)) return false;
    RECT client;
    GetClientRect(edit, &client);
    if (client.right < 8 || client.bottom < 8) return false;
    return AllWhite(edit, client);
}

}  // namespace bench

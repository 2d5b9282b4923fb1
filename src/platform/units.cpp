#include "platform/units.h"

#include <windows.h>
#include <cmath>

namespace platform {
namespace {

int ReadScreenDpi(int index) {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, index) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

// The system dpi is fixed for the session, and every twips conversion needs
// it: read once, as asking the display for it costs far more than the rest.
int ScreenDpiX() {
    static const int dpi = ReadScreenDpi(LOGPIXELSX);
    return dpi;
}
int ScreenDpiY() {
    static const int dpi = ReadScreenDpi(LOGPIXELSY);
    return dpi;
}
int TwipsPerPixelX() { return 1440 / ScreenDpiX(); }
int TwipsPerPixelY() { return 1440 / ScreenDpiY(); }
int TwipsToPixelsX(int twips) { return MulDiv(twips, ScreenDpiX(), 1440); }
int TwipsToPixelsY(int twips) { return MulDiv(twips, ScreenDpiY(), 1440); }
int PixelsToHiMetricY(int pixels) { return MulDiv(pixels, 2540, ScreenDpiY()); }
double HiMetricToPixelsY(double himetric) { return himetric * ScreenDpiY() / 2540.0; }

int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }
int PixelsToTwips(int pixels, int dpi) { return MulDiv(pixels, 1440, dpi); }
int PixelsToHiMetric(int pixels, int dpi) { return MulDiv(pixels, 2540, dpi); }
double HiMetricToPixels(double himetric, int dpi) { return himetric * dpi / 2540.0; }
int ScalePixels(int designPixels, int dpi) { return MulDiv(designPixels, dpi, 96); }

int WindowDpi(HWND hwnd) {
    // Windows 10 1607 and later; looked up, as the program runs on Windows 7 too.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = getDpiForWindow && hwnd ? getDpiForWindow(hwnd) : 0;
    return dpi ? static_cast<int>(dpi) : ScreenDpiY();
}

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace platform

#include "platform/units.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "services/system_library.h"

namespace platform {

// Every twips conversion needs a dpi: read once, not asked of the display
// at every conversion.
int SystemDpi() {
    static const int dpi = [] {
        // Windows 10 1607 and later tell it without the screen's DC
        // (WINE.md, 1).
        UINT(WINAPI * getDpiForSystem)() = nullptr;
        services::FindProc(GetModuleHandleW(L"user32.dll"), "GetDpiForSystem", getDpiForSystem);
        if (const UINT system = getDpiForSystem ? getDpiForSystem() : 0) return static_cast<int>(system);
        HDC screen = GetDC(nullptr);
        const int read = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen) ReleaseDC(nullptr, screen);
        return read > 0 ? read : 96;
    }();
    return dpi;
}

int WindowDpi(HWND hwnd) {
    // Windows 10 1607 and later; looked up, as the program runs on Windows 7 too.
    static const auto getDpiForWindow = [] {
        UINT(WINAPI * f)(HWND) = nullptr;
        services::FindProc(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow", f);
        return f;
    }();
    const UINT dpi = getDpiForWindow && hwnd ? getDpiForWindow(hwnd) : 0;
    return dpi ? static_cast<int>(dpi) : SystemDpi();
}

double TextScale() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return 1;
    // Windows' standard is Segoe UI at 9 points; a smaller message font
    // (WINE.md, 12) is the standard size too: only a larger one scales.
    const int standard = MulDiv(9, SystemDpi(), 72);
    const int height = std::abs(metrics.lfMessageFont.lfHeight);
    return height > standard ? static_cast<double>(height) / standard : 1;
}

int FittingDpi(SIZE clientTwips, SIZE framePixels, const RECT& area) {
    const int across = (area.right - area.left - framePixels.cx) * 1440 / std::max<int>(clientTwips.cx, 1);
    const int down = (area.bottom - area.top - framePixels.cy) * 1440 / std::max<int>(clientTwips.cy, 1);
    return std::min(across, down);
}

int TwipsToPixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }
int PixelsToTwips(int pixels, int dpi) { return MulDiv(pixels, 1440, dpi); }
int PixelsToHiMetric(int pixels, int dpi) { return MulDiv(pixels, 2540, dpi); }
double HiMetricToPixels(double himetric, int dpi) { return himetric * dpi / 2540.0; }
int ScalePixels(int designPixels, int dpi) { return MulDiv(designPixels, dpi, 96); }

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace platform

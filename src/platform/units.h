// Twips (1/1440 inch) and HiMetric (1/100 mm) against the screen's real dpi.
#pragma once
#include <windows.h>

namespace platform {

int ScreenDpiX();
int ScreenDpiY();
int TwipsPerPixelX();   // 15 at 96 dpi
int TwipsPerPixelY();
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToHiMetricY(int pixels);     // as a picture stores its height
double HiMetricToPixelsY(double himetric);

// The same at a window's own dpi (one dpi for both axes).
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);
int PixelsToHiMetric(int pixels, int dpi);
double HiMetricToPixels(double himetric, int dpi);
// A length of the 96-dpi design at `dpi`, to the nearest pixel.
int ScalePixels(int designPixels, int dpi);

// The dpi of a window (per monitor where the system knows it), else the system's.
int WindowDpi(HWND hwnd);

// Nearest whole number, halves to the even neighbour.
int RoundHalfEven(double value);

}  // namespace platform

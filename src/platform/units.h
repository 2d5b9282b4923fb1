// Twips (1/1440 inch), HiMetric (1/100 mm) and pixels at a window's dpi.
#pragma once
#include <windows.h>

namespace platform {

// The system's dpi, fixed for the session: what a window opens at.
int SystemDpi();
// The dpi of a window (per monitor where the system knows it), else the system's.
int WindowDpi(HWND hwnd);

// Conversions at a dpi (one for both axes).
int TwipsToPixels(int twips, int dpi);
int PixelsToTwips(int pixels, int dpi);
int PixelsToHiMetric(int pixels, int dpi);
double HiMetricToPixels(double himetric, int dpi);
// A length of the 96-dpi design at `dpi`, to the nearest pixel.
int ScalePixels(int designPixels, int dpi);

// Nearest whole number, halves to the even neighbour.
int RoundHalfEven(double value);

}  // namespace platform

// Twips (1/1440 inch), HiMetric (1/100 mm) and pixels at a window's dpi.
#pragma once
#include <windows.h>

namespace platform {

// The system's dpi, fixed for the session: what a window opens at.
int SystemDpi();
// The dpi of a window (per monitor where the system knows it), else the system's.
int WindowDpi(HWND hwnd);

// How much larger than the standard the user wants text: the system's
// message font over the 9-point one at the system's dpi, never below 1.
// Asked afresh each time: the user may change it while the program runs.
double TextScale();
// The largest dpi at which `clientTwips` with a frame of `framePixels`
// around it fits in `area` (pixels).
int FittingDpi(SIZE clientTwips, SIZE framePixels, const RECT& area);

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

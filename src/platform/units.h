// Twips (1/1440 inch) and HiMetric (1/100 mm) against the screen's real dpi.
#pragma once

namespace platform {

int ScreenDpiX();
int ScreenDpiY();
int TwipsPerPixelX();   // 15 at 96 dpi
int TwipsPerPixelY();
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToHiMetricY(int pixels);     // as a picture stores its height
double HiMetricToPixelsY(double himetric);

// Nearest whole number, halves to the even neighbour.
int RoundHalfEven(double value);

}  // namespace platform

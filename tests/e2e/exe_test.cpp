// The built bandora.exe, started as a user starts it and watched from outside.
#include <gtest/gtest.h>

#include "support/input.h"
#include "support/process.h"

namespace {

using testing_gui::ScreenPixel;
using testing_gui::WaitUntil;

TEST(Program, OpensItsWindowWithTheDesignColoursAndClosesCleanly) {
    testing_gui::RunningProgram program;
    ASSERT_TRUE(program.Started());
    HWND window = program.FindMainWindow();
    ASSERT_NE(window, nullptr) << "no window captioned \"Bandora  --  ...\"";
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 605);
    EXPECT_EQ(client.bottom, 461);
    UpdateWindow(window);

    const struct { const char* what; int x, y; COLORREF colour; } kPixels[] = {
        {"four-band reader, multiplier band (black)", 459, 40, RGB(0, 0, 0)},
        {"four-band reader, tolerance band (green)", 529, 40, RGB(0, 255, 0)},
        {"five-band reader, first band (white)", 123, 40, RGB(255, 255, 255)},
        {"palette Pi, Red swatch", 448, 128, RGB(255, 0, 0)},
        {"palette T, Brown swatch", 120, 112, RGB(192, 64, 0)},
        {"palette D, Gold swatch", 528, 264, RGB(255, 192, 128)},
        {"writer, first band (Yellow from 4700)", 123, 340, RGB(255, 255, 0)},
        {"writer, multiplier band (Red)", 155, 340, RGB(255, 0, 0)},
        {"legend, Brown swatch", 376, 336, RGB(128, 64, 0)},
    };
    // The other process paints in its own time: until every pixel shows, or the limit.
    WaitUntil([&] {
        for (const auto& p : kPixels)
            if (ScreenPixel(window, p.x, p.y) != p.colour) return false;
        return true;
    });
    for (const auto& p : kPixels) EXPECT_EQ(ScreenPixel(window, p.x, p.y), p.colour) << p.what;

    EXPECT_EQ(program.CloseAndWait(window), 0);
}

}  // namespace

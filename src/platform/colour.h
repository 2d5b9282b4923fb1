// Colours as the forms store them: either a COLORREF (0x00BBGGRR) or a
// reference to a system colour, 0x80000000 + its index.
#pragma once
#include <windows.h>
#include <cstdint>

namespace platform {

using OleColour = std::uint32_t;

constexpr OleColour SystemColour(int index) { return 0x80000000u + static_cast<OleColour>(index); }
constexpr OleColour kButtonFace = SystemColour(COLOR_BTNFACE);    // 15
constexpr OleColour kWindowBack = SystemColour(COLOR_WINDOW);     // 5
constexpr OleColour kWindowText = SystemColour(COLOR_WINDOWTEXT); // 8

// The user has asked for high contrast: what a form draws of its own then
// takes the system's colours, while the data it shows keeps its own.
bool HighContrastOn();

inline COLORREF ToColorRef(OleColour colour) {
    if (colour & 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFFu));
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

}  // namespace platform

// The colour code and the palettes as the tests know them, written out apart
// from the program's own tables: the colour of each band index, the tolerance
// band of each position of the tolerance list, and where each palette's
// swatches stand in the main window.
#pragma once
#include <windows.h>

#include <array>
#include <optional>

#include "model/colour_code.h"
#include "support/input.h"

namespace testing_gui {

inline constexpr COLORREF kColour[12] = {0x000000, 0x004080, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00,
                                         0xFF0000, 0xC000C0, 0x808080, 0xFFFFFF, 0xE0E0E0, 0x80C0FF};

inline constexpr int kToleranceBand[8] = {model::Brown,  model::Red,  model::Green, model::Blue,
                                          model::Purple, model::Gray, model::Gold,  model::Silver};

// A palette: the column of swatches that sets one band of a reader. Left
// edges in twips; one column sets its Silver and Gold apart.
struct PaletteColumn {
    const wchar_t* name;   // the swatches' control array
    int reader;            // 0 four-band, 1 five-band
    int band;              // position among the reader's bands: digits, multiplier, tolerance
    int left;
    int leftSilverGold;
    std::array<int, 10> members;   // colour indexes offered, `count` of them
    int count;
};

inline constexpr PaletteColumn kPaletteColumns[9] = {
    {L"Pict", 0, 0, 6360, 6360, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 9},
    {L"Pi", 0, 1, 6600, 6600, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10},
    {L"P", 0, 2, 6840, 6960, {0, 1, 2, 3, 4, 5, 6, 10, 11}, 9},
    {L"D", 0, 3, 7800, 7800, {1, 2, 5, 6, 7, 8, 10, 11}, 8},
    {L"T", 1, 0, 1680, 1680, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 9},
    {L"H", 1, 1, 1920, 1920, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10},
    {L"Y", 1, 2, 2160, 2160, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10},
    {L"Q", 1, 3, 2400, 2400, {0, 1, 2, 3, 4, 5, 6, 10, 11}, 9},
    {L"E", 1, 4, 3240, 3240, {1, 2, 5, 6, 7, 8, 10, 11}, 8},
};

// Swatches are 255 twips square with a one-pixel frame.
inline constexpr int kSwatchTwips = 255;

// Top edge of a colour's swatch in twips: one column in colour order, 240
// twips apart; Gold stands a row below White, Silver below Gold.
constexpr int SwatchTop(int index) {
    return index == model::Gold ? 3840 : index == model::Silver ? 4080 : 1320 + 240 * index;
}
constexpr int SwatchLeft(const PaletteColumn& column, int index) {
    return index == model::Silver || index == model::Gold ? column.leftSilverGold : column.left;
}
constexpr bool Offers(const PaletteColumn& column, int index) {
    for (int i = 0; i < column.count; ++i)
        if (column.members[static_cast<std::size_t>(i)] == index) return true;
    return false;
}

// A swatch: its column and its colour.
struct Swatch {
    const PaletteColumn* column;
    int index;
};

// The swatch that a click at a point of the main window's client area (in
// pixels at 96 dpi) is for: the one whose frame the point lies inside.
// Swatches lie above the drawings they overlap; neighbouring swatches meet on
// a pixel that is both their frames, so a point on a frame is no swatch's,
// whichever of them lies on top there.
inline std::optional<Swatch> SwatchClickedAt(POINT pixel) {
    const int size = TwipsToPx(kSwatchTwips);
    std::optional<Swatch> inside;
    for (const PaletteColumn& column : kPaletteColumns)
        for (int i = 0; i < column.count; ++i) {
            const int index = column.members[static_cast<std::size_t>(i)];
            const int left = TwipsToPx(SwatchLeft(column, index)), top = TwipsToPx(SwatchTop(index));
            if (pixel.x < left || pixel.x >= left + size || pixel.y < top || pixel.y >= top + size) continue;
            if (pixel.x == left || pixel.x == left + size - 1 || pixel.y == top || pixel.y == top + size - 1)
                return std::nullopt;
            inside = Swatch{&column, index};
        }
    return inside;
}

}  // namespace testing_gui

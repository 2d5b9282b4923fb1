#include "ui/palettes.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "base/insertion_sort.h"
#include "model/colour_code.h"

namespace ui {

std::uint32_t SwatchColour(int index) {
    if (index == model::Brown) return 0x0040C0;
    return model::kBandColours.at(static_cast<std::size_t>(index));
}

namespace {

// A palette's members from top to bottom.
std::vector<int> ColumnOf(const Palette& palette) {
    std::vector<int> column(palette.indexes.begin(), palette.indexes.begin() + palette.count);
    base::InsertionSort(column.begin(), column.end(), [](int a, int b) { return SwatchTop(a) < SwatchTop(b); });
    return column;
}

}  // namespace

std::optional<SwatchAt> MoveSwatch(SwatchAt from, SwatchMove move) {
    const int count = static_cast<int>(kPalettes.size());
    if (from.palette < 0 || from.palette >= count) return std::nullopt;
    const Palette& palette = kPalettes[static_cast<std::size_t>(from.palette)];
    const std::vector<int> column = ColumnOf(palette);
    const auto at = std::find(column.begin(), column.end(), from.index);
    if (at == column.end()) return std::nullopt;
    switch (move) {
    case SwatchMove::Up:
        if (at == column.begin()) return std::nullopt;
        return SwatchAt{from.palette, *(at - 1)};
    case SwatchMove::Down:
        if (at + 1 == column.end()) return std::nullopt;
        return SwatchAt{from.palette, *(at + 1)};
    case SwatchMove::First: return SwatchAt{from.palette, column.front()};
    case SwatchMove::Last: return SwatchAt{from.palette, column.back()};
    case SwatchMove::Left:
    case SwatchMove::Right: break;
    }
    const int next = from.palette + (move == SwatchMove::Left ? -1 : 1);
    if (next < 0 || next >= count || kPalettes[static_cast<std::size_t>(next)].selector != palette.selector)
        return std::nullopt;
    const std::vector<int> across = ColumnOf(kPalettes[static_cast<std::size_t>(next)]);
    // Top to bottom, so the first of two equally near is the upper one.
    const auto nearest = std::min_element(across.begin(), across.end(), [&](int a, int b) {
        return std::abs(SwatchTop(a) - SwatchTop(from.index)) < std::abs(SwatchTop(b) - SwatchTop(from.index));
    });
    return SwatchAt{next, *nearest};
}

}  // namespace ui

// The readers' and the writer's bands and the palettes: which controls make
// up each drawing, where each palette's swatches stand, and how the keyboard
// moves among them. Shared by the window layout, the click and key handlers
// and the tips.
#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "model/band_sets.h"
#include "model/colour_code.h"
#include "reader/misread.h"

namespace ui {

// A drawing and its bands, numbered from the left: the digits, the
// multiplier, then the tolerance band; what each of them can show; its
// readout, and the names a screen reader gives the drawing and the readout.
struct Drawing {
    int selector;                      // 1 four-band, 2 five-band
    const model::BandSet* colours;     // the colours of each band, and how many digit bands
    std::array<const wchar_t*, 3> digits;
    const wchar_t* multiplier;
    const wchar_t* tolerance;
    const wchar_t* readout;
    const wchar_t* drawing;
    const wchar_t* title;
    const wchar_t* readoutTitle;

    // The band at `place` from the left, 0 for the first.
    constexpr const wchar_t* BandName(int place) const { return model::MemberAt(*this, colours->digitCount, place); }
};

inline constexpr std::array<Drawing, 2> kReaders = {{
    {1, &model::kFourBandReader, {L"Picture8", L"Picture9", nullptr}, L"Picture10", L"Picture11", L"Text4",
     L"Picture7", L"Four-band reader", L"Four-band value"},
    {2, &model::kFiveBandReader, {L"TT", L"HT", L"YT"}, L"QT", L"ET", L"Text3", L"Picture12", L"Five-band reader",
     L"Five-band value"},
}};

// The four-band writer's bands, in the same shape; it has no readout.
inline constexpr Drawing kWriter = {0, &model::kFourBandWriter, {L"Picture1", L"Picture2", nullptr}, L"Picture3",
                                   L"Picture4", nullptr, L"Picture6", L"Four-band writer", nullptr};

// The reader for a selector; nullptr for anything but 1 and 2.
constexpr const Drawing* ReaderFor(int selector) {
    for (const Drawing& r : kReaders)
        if (r.selector == selector) return &r;
    return nullptr;
}

struct Palette {
    const wchar_t* name;      // control array; a member's index is the colour it offers
    const wchar_t* band;      // band picture box it paints
    int selector;             // reader whose readout it refreshes
    int left;                 // twips
    int leftSilverGold;       // twips; one palette sets Silver and Gold apart
    std::array<int, model::kColourCount> indexes;   // the colours it offers, in index order
    int count;
};

// The palette `name` of the band at `place` (0 for the first from the left)
// of kReaders[reader], its column at `left`: it offers every colour the
// band can show.
constexpr Palette PaletteOf(const wchar_t* name, std::size_t reader, int place, int left, int leftSilverGold) {
    const Drawing& shape = kReaders[reader];
    Palette palette{name, shape.BandName(place), shape.selector, left, leftSilverGold, {}, 0};
    for (int i = 0; i < model::kColourCount; ++i)
        if (model::Holds(shape.colours->At(place), i)) palette.indexes[static_cast<std::size_t>(palette.count++)] = i;
    return palette;
}

inline constexpr std::array<Palette, 9> kPalettes = {{
    PaletteOf(L"Pict", 0, 0, 6360, 6360),
    PaletteOf(L"Pi", 0, 1, 6600, 6600),
    PaletteOf(L"P", 0, 2, 6840, 6960),
    PaletteOf(L"D", 0, 3, 7800, 7800),
    PaletteOf(L"T", 1, 0, 1680, 1680),
    PaletteOf(L"H", 1, 1, 1920, 1920),
    PaletteOf(L"Y", 1, 2, 2160, 2160),
    PaletteOf(L"Q", 1, 3, 2400, 2400),
    PaletteOf(L"E", 1, 4, 3240, 3240),
}};

// A palette by its place in kPalettes.
enum PaletteId : int { kPict, kPi, kP, kD, kT, kH, kY, kQ, kE };

inline constexpr int kSwatchSize = 255;   // twips, square

// Top edge of a swatch in twips: one column in colour order, neighbours
// overlapping by a pixel; Gold stands above Silver, a row below White.
constexpr int SwatchTop(int index) {
    if (index == 11) return 3840;
    if (index == 10) return 4080;
    return 1320 + 240 * index;
}

constexpr int SwatchLeft(const Palette& palette, int index) {
    return index >= 10 ? palette.leftSilverGold : palette.left;
}

// A swatch's own colour: the band colour, except that Brown swatches are a
// lighter brown. White is true white whatever the system's colours are: a
// swatch is data, and its tip and name say White.
std::uint32_t SwatchColour(int index);

// A swatch by its palette (position in kPalettes) and colour index.
struct SwatchAt {
    int palette;
    int index;
    bool operator==(const SwatchAt&) const = default;
};

// Keyboard moves between swatches: up and down a column as it is drawn (Gold
// above Silver), to its top and bottom, and across to the neighbouring
// column of the same reader.
enum class SwatchMove { Up, Down, First, Last, Left, Right };

// Where a move from `from` leads: across, to the same colour where that
// column has it, else to the one drawn nearest (the upper one on a tie).
// Nothing past the ends of a column or a reader, or from a swatch that is not.
std::optional<SwatchAt> MoveSwatch(SwatchAt from, SwatchMove move);

}  // namespace ui

// The readers' and the writer's bands and the palettes: which controls make
// up each drawing, where each palette's swatches stand, and how the keyboard
// moves among them. Shared by the window layout, the click and key handlers
// and the tips.
#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "reader/misread.h"

namespace ui {

// A drawing and its bands, numbered from the left: the digits, the
// multiplier, then the tolerance band; its readout, and the names a screen
// reader gives the drawing and the readout.
struct Reader {
    int selector;                      // 1 four-band, 2 five-band
    std::array<const wchar_t*, 3> digits;
    int digitCount;
    const wchar_t* multiplier;
    const wchar_t* tolerance;
    const wchar_t* readout;
    const wchar_t* drawing;
    const wchar_t* title;
    const wchar_t* readoutTitle;
};

inline constexpr std::array<Reader, 2> kReaders = {{
    {1, {L"Picture8", L"Picture9", nullptr}, 2, L"Picture10", L"Picture11", L"Text4",
     L"Picture7", L"Four-band reader", L"Four-band value"},
    {2, {L"TT", L"HT", L"YT"}, 3, L"QT", L"ET", L"Text3", L"Picture12", L"Five-band reader", L"Five-band value"},
}};

// The four-band writer's bands, in the same shape; it has no readout.
inline constexpr Reader kWriter = {0, {L"Picture1", L"Picture2", nullptr}, 2, L"Picture3", L"Picture4", nullptr,
                                   L"Picture6", L"Four-band writer", nullptr};

// The reader for a selector; nullptr for anything but 1 and 2.
constexpr const Reader* ReaderFor(int selector) {
    for (const Reader& r : kReaders)
        if (r.selector == selector) return &r;
    return nullptr;
}

struct Palette {
    const wchar_t* name;      // control array; a member's index is the colour it offers
    const wchar_t* band;      // band picture box it paints
    int selector;             // reader whose readout it refreshes
    int left;                 // twips
    int leftSilverGold;       // twips; one palette sets Silver and Gold apart
    std::array<int, 10> indexes;
    int count;
};

inline constexpr std::array<Palette, 9> kPalettes = {{
    {L"Pict", L"Picture8", 1, 6360, 6360, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 9},
    {L"Pi", L"Picture9", 1, 6600, 6600, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10},
    {L"P", L"Picture10", 1, 6840, 6960, {0, 1, 2, 3, 4, 5, 6, 10, 11}, 9},
    {L"D", L"Picture11", 1, 7800, 7800, {1, 2, 5, 6, 7, 8, 10, 11}, 8},
    {L"T", L"TT", 2, 1680, 1680, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 9},
    {L"H", L"HT", 2, 1920, 1920, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10},
    {L"Y", L"YT", 2, 2160, 2160, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10},
    {L"Q", L"QT", 2, 2400, 2400, {0, 1, 2, 3, 4, 5, 6, 10, 11}, 9},
    {L"E", L"ET", 2, 3240, 3240, {1, 2, 5, 6, 7, 8, 10, 11}, 8},
}};

// The colours a reader's palettes offer, band by band.
reader::ReaderPalettes OfferedBy(const Reader& reader);

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

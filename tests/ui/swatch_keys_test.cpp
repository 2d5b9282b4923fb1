// Keyboard moves between swatches, and the words a colour is named by.
#include <gtest/gtest.h>

#include <optional>

#include "model/colour_code.h"
#include "reader/band_meaning.h"
#include "ui/palettes.h"

namespace {

using ui::SwatchAt;
using ui::SwatchMove;
using enum model::ColourIndex;
using enum ui::SwatchMove;

// Palette positions in kPalettes.
enum { Pict, Pi, P, D, T, H, Y, Q, E };

struct Move {
    SwatchAt from;
    SwatchMove move;
    std::optional<SwatchAt> to;
};

TEST(SwatchKeys, MovesFollowTheColumnsAsDrawn) {
    const Move moves[] = {
        {{Pi, Red}, Up, SwatchAt{Pi, Brown}},
        {{Pi, Black}, Up, std::nullopt},
        {{Pi, White}, Down, std::nullopt},
        {{Q, Blue}, Down, SwatchAt{Q, Gold}},      // Gold is drawn above Silver
        {{Q, Gold}, Down, SwatchAt{Q, Silver}},
        {{Q, Silver}, Up, SwatchAt{Q, Gold}},
        {{D, Green}, First, SwatchAt{D, Brown}},
        {{D, Green}, Last, SwatchAt{D, Silver}},
        {{T, Orange}, Right, SwatchAt{H, Orange}},  // the same colour where there is one
        {{H, Black}, Left, SwatchAt{T, Brown}},     // else the nearest drawn
        {{P, Blue}, Right, SwatchAt{D, Blue}},
        {{Pi, White}, Right, SwatchAt{P, Gold}},
        {{Q, Orange}, Right, SwatchAt{E, Red}},
        {{Y, Yellow}, Right, SwatchAt{Q, Yellow}},
        {{D, Gold}, Right, std::nullopt},           // the readers are apart
        {{T, Red}, Left, std::nullopt},
        {{E, Red}, Right, std::nullopt},
        {{Pict, Black}, Down, std::nullopt},        // no such swatch
        {{9, Red}, Down, std::nullopt},
    };
    for (const Move& m : moves)
        EXPECT_EQ(ui::MoveSwatch(m.from, m.move), m.to)
            << "palette " << m.from.palette << " colour " << m.from.index << " move " << static_cast<int>(m.move);
}

TEST(SwatchKeys, ColoursAreNamedWithWhatTheyStandFor) {
    using reader::BandRole;
    const struct {
        reader::BandColour colour;
        BandRole role;
        const wchar_t* text;
    } rows[] = {
        {Brown, BandRole::Digit, L"Brown: 1"},
        {White, BandRole::Digit, L"White: 9"},
        {Gold, BandRole::Digit, L"Gold"},
        {Red, BandRole::Multiplier, L"Red: \u00D7 100"},
        {Blue, BandRole::Multiplier, L"Blue: \u00D7 1M"},
        {Gold, BandRole::Multiplier, L"Gold: \u00D7 0.1"},
        {Silver, BandRole::Multiplier, L"Silver: \u00D7 0.01"},
        {Gold, BandRole::Tolerance, L"Gold: \u00B15%"},
        {Black, BandRole::Tolerance, L"Black"},
        {std::nullopt, BandRole::Digit, L""},   // a colour outside the table
    };
    for (const auto& row : rows) EXPECT_EQ(reader::ColourMeaning(row.colour, row.role), row.text);
    EXPECT_EQ(reader::LegendMeaning(Brown), L"Brown: 1, \u00D7 10, \u00B11%");
    EXPECT_EQ(reader::LegendMeaning(Gold), L"Gold: \u00D7 0.1, \u00B15%");
    EXPECT_EQ(reader::LegendMeaning(Gray), L"Gray: 8, \u00D7 100M, \u00B10.05%");
}

}  // namespace

// The standard series of resistor values (E6 to E192) and where a value read
// from bands stands among them. All comparisons are on exact decimal digits.
#pragma once
#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/band_sets.h"
#include "model/colour_code.h"

namespace reader {

// The series, named where the tolerances that ask for them are.
using Series = model::Series;

const wchar_t* SeriesName(Series series);  // "E24"

// A positive value in three significant digits: significand x 10^power with
// the significand from 100 to 999. Members in this order compare as values.
struct Standard {
    int power;
    int significand;
    auto operator<=>(const Standard&) const = default;
};

// The values the readers can show reach from 0.01 to 999 x 10^9.
inline constexpr Standard kSmallest{-4, 100};
inline constexpr Standard kLargest{9, 999};

// A value as the series see it: its first three significant digits, and
// whether those are all of it (false: the value lies a little above).
struct Reading {
    Standard value;
    bool exact;
};
// digits x 10^power, digits ASCII, leading zeros allowed; none for zero.
std::optional<Reading> ReadingOf(std::wstring_view digits, int power);

bool InSeries(Series series, const Reading& reading);
// Within the values the readers show, kSmallest to kLargest (that one exactly).
bool InStandardRange(const Reading& reading);

// The nearest value of any of the series strictly below or above the
// reading, within kSmallest..kLargest; none when the range ends first.
std::optional<Standard> NearestBelow(std::span<const Series> series, const Reading& reading);
std::optional<Standard> NearestAbove(std::span<const Series> series, const Reading& reading);

// The first of `accepted` (a tolerance's series, its own first) that holds
// the reading; none when none does.
std::optional<Series> SeriesHolding(std::span<const Series> accepted, const Reading& reading);

// The standard values a drawing's bands show whole: the members of
// `accepted` whose significant digits fit its digit bands (two on four
// bands: 2.4K, never 2.43K), at a power of ten its multiplier band offers.
// A reader's note, its hints and its Up and Down all name these and no
// others.
struct ShownStandards {
    std::span<const Series> accepted;
    std::size_t digitBands;
    model::Colours multipliers;
};
// The nearest of them strictly above (`up`) or below the reading; none
// where the drawing's range or the series end first.
std::optional<Standard> NextShown(const ShownStandards& shown, const Reading& from, bool up);

// Where a reading in the standard range stands among the shown standards:
// the first series that holds it and the smaller series that hold it too,
// largest first; or, in none, the nearest shown values below and above.
struct Placing {
    std::optional<Series> in;
    std::vector<Series> alsoIn;
    std::optional<Standard> below, above;
};
Placing PlaceAmong(const ShownStandards& shown, const Reading& reading);

}  // namespace reader

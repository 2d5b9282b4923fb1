// The standard series of resistor values (E6 to E192) and where a value read
// from bands stands among them. All comparisons are on exact decimal digits.
#pragma once
#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

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

// Where a reading in the standard range stands among `accepted` (a
// tolerance's series, its own first): the first that holds it and the
// smaller series that hold it too, largest first; or, in none, the nearest
// values of any of them below and above.
struct Placing {
    std::optional<Series> in;
    std::vector<Series> alsoIn;
    std::optional<Standard> below, above;
};
Placing PlaceAmong(std::span<const Series> accepted, const Reading& reading);

}  // namespace reader

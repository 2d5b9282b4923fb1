#include "reader/series.h"

#include <algorithm>
#include <cstddef>

namespace reader {

namespace {

// One decade of each series as three significant digits, ascending: 100 for
// 1.0, 470 for 4.7, 920 for 9.20. As published. E24 and below keep their historic values (2.7, 3.0, 3.3,
// 3.6, 3.9, 4.3, 4.7, 8.2) and E192 has 9.20, where the formula gives others.
constexpr std::uint16_t kE6[] = {
    100, 150, 220, 330, 470, 680,
};
constexpr std::uint16_t kE12[] = {
    100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820,
};
constexpr std::uint16_t kE24[] = {
    100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300, 330, 360, 390, 430,
    470, 510, 560, 620, 680, 750, 820, 910,
};
constexpr std::uint16_t kE48[] = {
    100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
    215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
    464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953,
};
constexpr std::uint16_t kE96[] = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976,
};
constexpr std::uint16_t kE192[] = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

struct Table {
    std::span<const std::uint16_t> values;
    const wchar_t* name;
};
const Table kTables[] = {
    {kE6, L"E6"}, {kE12, L"E12"}, {kE24, L"E24"}, {kE48, L"E48"}, {kE96, L"E96"}, {kE192, L"E192"},
};

const Table& TableOf(Series series) { return kTables[static_cast<std::size_t>(series)]; }

std::optional<Standard> Within(std::optional<Standard> value) {
    if (value && (*value < kSmallest || *value > kLargest)) return std::nullopt;
    return value;
}

// The greatest value of the series below the reading (the reading itself
// when it lies a little above its three digits), else the decade's below.
Standard Below(Series series, const Reading& r) {
    const auto values = TableOf(series).values;
    const auto t = static_cast<std::uint16_t>(r.value.significand);
    const auto end = r.exact ? std::lower_bound(values.begin(), values.end(), t)
                             : std::upper_bound(values.begin(), values.end(), t);
    if (end == values.begin()) return {r.value.power - 1, values.back()};
    return {r.value.power, *(end - 1)};
}

Standard Above(Series series, const Reading& r) {
    const auto values = TableOf(series).values;
    const auto t = static_cast<std::uint16_t>(r.value.significand);
    const auto next = std::upper_bound(values.begin(), values.end(), t);
    if (next == values.end()) return {r.value.power + 1, values.front()};
    return {r.value.power, *next};
}

}  // namespace

const wchar_t* SeriesName(Series series) { return TableOf(series).name; }

std::optional<Reading> ReadingOf(std::wstring_view digits, int power) {
    const std::size_t first = digits.find_first_not_of(L'0');
    if (first == std::wstring_view::npos) return std::nullopt;
    digits.remove_prefix(first);
    Reading r{{power + static_cast<int>(digits.size()) - 3, 0}, true};
    for (std::size_t i = 0; i < 3; ++i)
        r.value.significand = r.value.significand * 10 + (i < digits.size() ? digits[i] - L'0' : 0);
    if (digits.size() > 3) r.exact = digits.find_first_not_of(L'0', 3) == std::wstring_view::npos;
    return r;
}

bool InSeries(Series series, const Reading& r) {
    const auto values = TableOf(series).values;
    return r.exact && std::binary_search(values.begin(), values.end(),
                                         static_cast<std::uint16_t>(r.value.significand));
}

bool InStandardRange(const Reading& r) {
    return r.value >= kSmallest && (r.value < kLargest || (r.value == kLargest && r.exact));
}

std::optional<Standard> NearestBelow(std::span<const Series> series, const Reading& reading) {
    std::optional<Standard> best;
    for (Series s : series) best = std::max(best, std::optional<Standard>(Below(s, reading)));
    return Within(best);
}

std::optional<Standard> NearestAbove(std::span<const Series> series, const Reading& reading) {
    std::optional<Standard> best;
    for (Series s : series) {
        const Standard above = Above(s, reading);
        if (!best || above < *best) best = above;
    }
    return Within(best);
}

std::optional<Series> SeriesHolding(std::span<const Series> accepted, const Reading& reading) {
    for (Series s : accepted)
        if (InSeries(s, reading)) return s;
    return std::nullopt;
}

namespace {

// How many digits of a three-digit significand lie beyond the digit bands.
int Dropped(const ShownStandards& shown) { return 3 - static_cast<int>(shown.digitBands); }

bool ShowsWhole(const ShownStandards& shown, const Standard& value) {
    int unit = 1;
    for (int i = 0; i < Dropped(shown); ++i) unit *= 10;
    return value.significand % unit == 0 && model::HoldsPower(shown.multipliers, value.power + Dropped(shown));
}

}  // namespace

std::optional<Standard> NextShown(const ShownStandards& shown, const Reading& from, bool up) {
    const int finest = model::FinestPower(shown.multipliers), coarsest = model::CoarsestPower(shown.multipliers);
    for (Reading at = from;;) {
        const std::optional<Standard> next = up ? NearestAbove(shown.accepted, at) : NearestBelow(shown.accepted, at);
        if (!next) return std::nullopt;
        // Past the multipliers in the step's direction nothing more is shown.
        const int multiplier = next->power + Dropped(shown);
        if (up ? multiplier > coarsest : multiplier < finest) return std::nullopt;
        if (ShowsWhole(shown, *next)) return next;
        at = Reading{*next, true};
    }
}

Placing PlaceAmong(const ShownStandards& shown, const Reading& reading) {
    Placing placing;
    // The value read is what the bands show: it is standard when a series holds it.
    placing.in = SeriesHolding(shown.accepted, reading);
    if (placing.in) {
        for (int smaller = static_cast<int>(*placing.in) - 1; smaller >= 0; --smaller)
            if (InSeries(static_cast<Series>(smaller), reading)) placing.alsoIn.push_back(static_cast<Series>(smaller));
        return placing;
    }
    placing.below = NextShown(shown, reading, false);
    placing.above = NextShown(shown, reading, true);
    return placing;
}

}  // namespace reader

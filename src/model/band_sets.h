// What each band of each drawing can show: the colours the readers' palettes
// offer band by band, and the colours the four-band writer paints. The one
// statement of it: the palettes, the ranges the readers and the writer take
// a value in, and the words that name those ranges all come from here.
#pragma once
#include <array>
#include <cstdint>

#include "model/band_row.h"
#include "model/colour_code.h"

namespace model {

// A set of colours: bit i for colour index i.
using Colours = std::uint16_t;

constexpr Colours ColoursFrom(ColourIndex first, ColourIndex last) {
    Colours colours = 0;
    for (int i = first; i <= last; ++i) colours |= static_cast<Colours>(1u << i);
    return colours;
}
constexpr bool Holds(Colours colours, int index) { return index >= 0 && index < kColourCount && (colours >> index & 1u); }

// The colours of the tolerance bands: one for each row of kTolerances.
constexpr Colours ToleranceColours() {
    Colours colours = 0;
    for (const ToleranceRow& row : kTolerances) colours |= static_cast<Colours>(1u << row.band);
    return colours;
}

// A drawing's bands from the left: its digit bands, the multiplier, then
// the tolerance band, each with the colours it can show.
struct BandSet {
    int digitCount;
    std::array<Colours, 3> digits;
    Colours multiplier;
    Colours tolerance;

    // The band at `place` from the left, 0 for the first.
    constexpr Colours At(int place) const { return MemberAt(*this, digitCount, place); }
};

inline constexpr Colours kDigitColours = ColoursFrom(Black, White);
// The readers' first digit is the value's first significant one, never
// Black, and their multipliers reach from Silver (x0.01) to Blue (x1M).
inline constexpr Colours kFirstDigitColours = ColoursFrom(Brown, White);
inline constexpr Colours kReaderMultipliers = ColoursFrom(Black, Blue) | ColoursFrom(Silver, Gold);

inline constexpr BandSet kFourBandReader = {
    2, {kFirstDigitColours, kDigitColours}, kReaderMultipliers, ToleranceColours()};
inline constexpr BandSet kFiveBandReader = {
    3, {kFirstDigitColours, kDigitColours, kDigitColours}, kReaderMultipliers, ToleranceColours()};
// The writer paints any digit on either band (0.05 is Black, Green, Silver)
// and every multiplier, Silver (x0.01) to White (x1G).
inline constexpr BandSet kFourBandWriter = {
    2, {kDigitColours, kDigitColours}, ColoursFrom(Black, Gold), ToleranceColours()};

// The finest and the coarsest power of ten among the multipliers `colours`.
constexpr int FinestPower(Colours colours) {
    int finest = MultiplierPower(White);
    for (int i = 0; i < kColourCount; ++i)
        if (Holds(colours, i) && MultiplierPower(i) < finest) finest = MultiplierPower(i);
    return finest;
}
constexpr int CoarsestPower(Colours colours) {
    int coarsest = MultiplierPower(Silver);
    for (int i = 0; i < kColourCount; ++i)
        if (Holds(colours, i) && MultiplierPower(i) > coarsest) coarsest = MultiplierPower(i);
    return coarsest;
}

// Whether a multiplier band of `colours` can stand for 10^power.
constexpr bool HoldsPower(Colours colours, int power) {
    for (int i = 0; i < kColourCount; ++i)
        if (Holds(colours, i) && MultiplierPower(i) == power) return true;
    return false;
}

// A value as bands show it: the number of the digit bands x 10^power.
struct BandsValue {
    long long digits;
    int power;
};

constexpr double ValueOf(BandsValue value) {
    double scale = 1;   // a power of ten, exact as a double
    for (int i = 0; i < (value.power < 0 ? -value.power : value.power); ++i) scale *= 10;
    return value.power < 0 ? value.digits / scale : value.digits * scale;
}

// The smallest value above zero and the largest value that the bands show:
// each digit band at its lowest colour (the last at Brown at least) or its
// highest, the multiplier at its finest or coarsest.
constexpr BandsValue SmallestShown(const BandSet& bands) {
    long long digits = 0;
    for (int d = 0; d < bands.digitCount; ++d) {
        int lowest = Black;
        while (lowest < White && !Holds(bands.digits[static_cast<std::size_t>(d)], lowest)) ++lowest;
        digits = digits * 10 + lowest;
    }
    return {digits > 0 ? digits : 1, FinestPower(bands.multiplier)};
}
constexpr BandsValue LargestShown(const BandSet& bands) {
    long long digits = 0;
    for (int d = 0; d < bands.digitCount; ++d) {
        int highest = White;
        while (highest > Black && !Holds(bands.digits[static_cast<std::size_t>(d)], highest)) --highest;
        digits = digits * 10 + highest;
    }
    return {digits, CoarsestPower(bands.multiplier)};
}
// The least value beyond the largest: one unit of its last digit more.
constexpr BandsValue BeyondLargest(const BandSet& bands) {
    const BandsValue largest = LargestShown(bands);
    return {largest.digits + 1, largest.power};
}

}  // namespace model

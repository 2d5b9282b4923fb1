// The value a set of writer bands stands for: what the band choice is checked
// against, by the tests and the fuzz target alike; and the band choice fed a
// double as the value box hands its number on.
#pragma once
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "model/colour_code.h"
#include "writer/band_choice.h"

namespace writer {

// The value the bands stand for, in ohms.
inline double ValueOfBands(const model::BandRow& bands) {
    // Not a band set BandsForValue gives; NaN keeps it from passing for a value.
    if (bands.digits.size() != 2 || !bands.digits[0] || !bands.digits[1] || !bands.multiplier) return std::nan("");
    const int first = *bands.digits[0], second = *bands.digits[1], multiplier = *bands.multiplier;
    if (first < 0 || first > 9 || second < 0 || second > 9 || multiplier < 0 || multiplier >= model::kColourCount)
        return std::nan("");
    const int power = multiplier == model::Silver ? -2 : multiplier == model::Gold ? -1 : multiplier;
    // Read back as the decimal "47e-1": the double nearest the exact value in
    // one rounding, the same double that the typed text 4.7 gives, also where
    // the x87 would keep a quotient in extended precision.
    const std::string text =
        std::to_string(10 * first + second) + 'e' + std::to_string(power);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The bands and the digits needed for a number, through the one conversion
// to digits: none, and no digits, where that refuses it.
inline std::optional<model::BandRow> BandsForNumber(double ohms) {
    const std::optional<base::Decimal> decimal = WriterDecimal(ohms);
    return decimal ? BandsForValue(*decimal) : std::nullopt;
}
inline int DigitsNeededForNumber(double ohms) {
    const std::optional<base::Decimal> decimal = WriterDecimal(ohms);
    return decimal ? DigitsNeeded(*decimal) : 0;
}

}  // namespace writer

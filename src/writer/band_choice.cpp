#include "writer/band_choice.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/number_text.h"
#include "model/band_sets.h"
#include "model/colour_code.h"

namespace writer {

using base::Decimal;

namespace {

// The writer's multipliers, from Silver (x0.01) to White (x1G).
constexpr int kFinestPower = model::FinestPower(model::kFourBandWriter.multiplier);
constexpr int kCoarsestPower = model::CoarsestPower(model::kFourBandWriter.multiplier);

// Where the bands put a positive value's digits: the power of ten of the
// second digit band. Silver (x0.01) is the finest multiplier, so a small
// value keeps its digits at 10^-1 and 10^-2 (0.05 is 05 x 0.01).
// Working on decimal digits keeps 4.7 at 4 and 7; arithmetic on the binary
// value (4.7 / 0.1 = 46.99...) would lose the last digit.
int SecondDigitPower(const Decimal& decimal) { return std::max(decimal.exponent - 1, kFinestPower); }

}  // namespace

std::optional<Decimal> WriterDecimal(double ohms) {
    if (!std::isfinite(ohms) || ohms < 0) return std::nullopt;
    return base::ShortestDecimal(ohms);
}

std::optional<model::BandRow> BandsForValue(const Decimal& decimal) {
    if (base::IsZero(decimal)) return model::BandRow{{model::Black, model::Black}, model::Silver, std::nullopt};
    const int p = SecondDigitPower(decimal);
    if (p > kCoarsestPower) return std::nullopt;   // 100 G or more
    const auto digitAt = [&](int power) {
        const int i = decimal.exponent - power;
        return static_cast<model::ColourIndex>(
            i >= 0 && i < static_cast<int>(decimal.digits.size()) ? decimal.digits[i] - '0' : 0);
    };
    const model::ColourIndex first = digitAt(p + 1);
    const model::ColourIndex second = digitAt(p);
    if (first == 0 && second == 0) return std::nullopt;  // below 0.01
    return model::BandRow{{first, second}, static_cast<model::ColourIndex>(model::MultiplierBand(p)), std::nullopt};
}

int DigitsNeeded(const Decimal& decimal) {
    if (!BandsForValue(decimal) || base::IsZero(decimal)) return 0;
    const int last = decimal.exponent - static_cast<int>(decimal.digits.size()) + 1;   // power of the last digit
    return SecondDigitPower(decimal) + 1 - last + 1;
}

}  // namespace writer

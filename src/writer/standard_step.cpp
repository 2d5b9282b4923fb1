#include "writer/standard_step.h"

#include "base/number_text.h"
#include "model/band_sets.h"
#include "writer/band_choice.h"

namespace writer {

namespace {

// digits x 10^power as the series write a value: three significant digits.
constexpr reader::Standard StandardOf(model::BandsValue value) {
    for (; value.digits < 100; value.digits *= 10) --value.power;
    return {value.power, static_cast<int>(value.digits)};
}

// The ends of the steps: 0.1, below which four bands show a single digit
// (a Black first band and Silver), and 100 G, which they no longer carry.
constexpr reader::Standard kLowest{-3, 100};
constexpr reader::Standard kBeyondHighest = StandardOf(model::BeyondLargest(model::kFourBandWriter));

std::wstring TextOf(const reader::Standard& value, std::wstring_view separator) {
    const std::wstring wide = base::IntegerText(value.significand);
    std::string digits(wide.begin(), wide.end());
    digits.erase(digits.find_last_not_of('0') + 1);   // 510 gives "51": 5.1, not 5.10
    return base::PlainDigitsText(digits, value.power + 2, separator);
}

}  // namespace

std::optional<std::wstring> SteppedText(const base::Decimal& ohms, reader::Series series, Step step,
                                        std::wstring_view separator) {
    if (!BandsForValue(ohms)) return std::nullopt;
    if (base::IsZero(ohms) || ohms.exponent < -1)   // below 0.1
        return step == Step::Up ? std::optional(TextOf(kLowest, separator)) : std::nullopt;

    const std::wstring digits(ohms.digits.begin(), ohms.digits.end());
    const auto reading = reader::ReadingOf(digits, ohms.exponent - static_cast<int>(ohms.digits.size()) + 1);
    if (!reading) return std::nullopt;
    const reader::Series one[] = {series};
    const std::optional<reader::Standard> next =
        step == Step::Up ? reader::NearestAbove(one, *reading) : reader::NearestBelow(one, *reading);
    if (!next || *next < kLowest || !(*next < kBeyondHighest)) return std::nullopt;
    return TextOf(*next, separator);
}

}  // namespace writer

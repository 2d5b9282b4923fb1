#include "reader/readout.h"

#include <optional>
#include <string>

#include "base/number_text.h"
#include "model/colour_code.h"

namespace reader {

namespace {

std::wstring Padded(double value, const NumberTexts& numbers) {
    std::wstring text = numbers.padded ? numbers.padded(value) : std::wstring();
    if (!text.empty()) return text;
    return value < 0 ? base::DecimalText(value, L'.') : L" " + base::DecimalText(value, L'.');
}

std::wstring Plain(double value, const NumberTexts& numbers) {
    std::wstring text = numbers.plain ? numbers.plain(value) : std::wstring();
    return text.empty() ? base::DecimalText(value, L'.') : text;
}

}  // namespace

// Every band of a reader holds a table colour, and digit bands only the ten
// colours that carry a digit. Should a band break that (a colour outside the
// table, Silver or Gold on a digit band, a reader without digit bands, or a
// multiplier colour outside the table), there is no value: the readout then
// leaves its value part empty rather than show a number the bands do not
// stand for.
std::optional<BandValue> ValueOfBands(const BandRow& bands) {
    if (bands.digits.empty() || !bands.multiplier) return std::nullopt;
    BandValue value;
    for (const BandColour& digit : bands.digits) {
        if (!digit || *digit > model::White) return std::nullopt;  // no colour, or Silver or Gold
        value.digits += static_cast<wchar_t>(L'0' + *digit);
    }
    value.power = model::MultiplierPower(*bands.multiplier);
    return value;
}

std::wstring ValueText(std::wstring digits, int power, const NumberTexts& numbers) {
    // A fraction makes a double; any other value stays text, so an unscaled
    // value shows its digits exactly as built.
    double value;
    bool isText = false;
    if (power < 0) {
        double divisor = 1;  // a power of ten, exact as a double
        for (int i = 0; i < -power; ++i) divisor *= 10;
        value = base::NearestDouble(digits) / divisor;
    } else {
        digits.append(static_cast<std::size_t>(power), L'0');
        value = base::NearestDouble(digits);
        isText = true;
    }

    if (value >= 1000000) return Padded(value / 1000000, numbers) + L"M";
    if (value >= 1000) return Padded(value / 1000, numbers) + L"K";
    return isText ? digits : Plain(value, numbers);
}

std::wstring QuotedValueText(std::wstring digits, int power, const NumberTexts& numbers) {
    std::wstring text = ValueText(std::move(digits), power, numbers);
    text.erase(0, text.find_first_not_of(L' '));
    return text;
}

std::wstring ReadoutText(const BandRow& bands, const std::wstring& toleranceText, const NumberTexts& numbers) {
    const std::optional<BandValue> value = ValueOfBands(bands);
    return (value ? ValueText(value->digits, value->power, numbers) : std::wstring()) + L" Ohm   " + toleranceText;
}

std::wstring ReadoutText(const BandRow& bands, const NumberTexts& numbers) {
    return ReadoutText(bands, ToleranceText(bands.tolerance), numbers);
}

std::wstring ToleranceText(BandColour band) {
    const model::ToleranceRow* row = band ? model::ToleranceOfBand(*band) : nullptr;
    return row ? row->text : std::wstring();
}

}  // namespace reader

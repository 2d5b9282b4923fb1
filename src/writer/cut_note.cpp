#include "writer/cut_note.h"

#include "base/number_text.h"
#include "model/colour_code.h"
#include "writer/band_choice.h"
#include "writer/readout_entry.h"

namespace writer {

using base::Decimal;

namespace {

// Counts in words, as in "four bands carry two digits". A double has at most
// 17 significant digits, and a small value a few places more before them.
std::wstring CountText(int count) {
    static const wchar_t* const kWords[] = {
        L"zero",   L"one",    L"two",      L"three",    L"four",    L"five",    L"six",
        L"seven",  L"eight",  L"nine",     L"ten",      L"eleven",  L"twelve",  L"thirteen",
        L"fourteen", L"fifteen", L"sixteen", L"seventeen", L"eighteen", L"nineteen", L"twenty"};
    return count >= 0 && count <= 20 ? kWords[count] : base::IntegerText(count);
}

// Whether the five-band reader shows the value with nothing cut.
bool FiveBandsShowWhole(const Decimal& value) {
    const model::BandSet& five = model::kFiveBandReader;
    return static_cast<int>(value.digits.size()) <= five.digitCount && ReaderBandsFor(value, five);
}

// The note on `shown` bands, which carry fewer digits than the `needed` of `value`.
std::wstring CutSentence(const model::BandRow& shown, int needed, const Decimal& value, const reader::NumberTexts& numbers,
                         std::wstring_view separator) {
    const int digitBands = static_cast<int>(shown.digits.size());
    std::wstring digits;
    for (const model::BandColour& d : shown.digits) digits += static_cast<wchar_t>(L'0' + *d);
    const std::wstring plain = base::PlainDigitsText(value.digits, value.exponent, separator);
    std::wstring note = L"The bands show " +
                        reader::QuotedValueText(std::move(digits), model::MultiplierPower(*shown.multiplier), numbers) +
                        L": " + CountText(digitBands + 2) + L" bands carry " + CountText(digitBands) + L" digits, and " +
                        plain + L" needs " + CountText(needed) + L".";
    if (digitBands == 2 && needed == 3 && FiveBandsShowWhole(value))
        note += L" Type " + plain + L" in the five-band readout and press Enter to see its five bands.";
    return note;
}

}  // namespace

std::wstring CutNote(double ohms, const reader::NumberTexts& numbers, std::wstring_view separator) {
    const std::optional<model::BandRow> bands = BandsForValue(ohms);
    const int needed = DigitsNeeded(ohms);
    if (!bands || needed <= 2) return {};
    return CutSentence(*bands, needed, base::ShortestDecimal(ohms),
                       numbers, separator);
}

std::wstring CutNote(const ReaderEntry& entry, const reader::NumberTexts& numbers, std::wstring_view separator) {
    if (!entry.bands || !entry.cut) return {};
    // The first band holds the first significant digit: every digit is needed.
    return CutSentence(*entry.bands, static_cast<int>(entry.typed.ohms.digits.size()), entry.typed.ohms, numbers,
                       separator);
}

}  // namespace writer

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

// Where a value stands against the bands that show it: worked out first,
// before any words are written.
struct Standing {
    model::BandRow shown;
    int needed = 0;          // digits the value needs; more than the bands carry
    bool fiveWhole = false;  // the five-band reader shows it with nothing cut
};

// Whether the five-band reader shows the value with nothing cut.
bool FiveBandsShowWhole(const Decimal& value) {
    const model::BandSet& five = model::kFiveBandReader;
    return static_cast<int>(value.digits.size()) <= five.digitCount && ReaderBandsFor(value, five);
}

// The note on bands that carry fewer digits than the value has.
std::wstring CutSentence(const Standing& standing, const Decimal& value, const reader::NumberTexts& numbers,
                         std::wstring_view separator) {
    const std::wstring plain = base::PlainDigitsText(value.digits, value.exponent, separator);
    const int digitBands = static_cast<int>(standing.shown.digits.size());
    std::wstring digits;
    for (const model::BandColour& d : standing.shown.digits) digits += static_cast<wchar_t>(L'0' + *d);
    std::wstring note = L"The bands show " +
                        reader::QuotedValueText(std::move(digits), model::MultiplierPower(*standing.shown.multiplier),
                                                numbers) +
                        L": " + CountText(digitBands + 2) + L" bands carry " + CountText(digitBands) + L" digits, and " +
                        plain + L" needs " + CountText(standing.needed) + L".";
    if (digitBands == 2 && standing.needed == 3 && standing.fiveWhole)
        note += L" Type " + plain + L" in the five-band readout and press Enter to see its five bands.";
    return note;
}

}  // namespace

std::wstring CutNote(const base::Decimal& ohms, const reader::NumberTexts& numbers, std::wstring_view separator) {
    const std::optional<model::BandRow> bands = BandsForValue(ohms);
    const int needed = DigitsNeeded(ohms);
    if (!bands || needed <= 2) return {};
    const Standing standing{*bands, needed, FiveBandsShowWhole(ohms)};
    return CutSentence(standing, ohms, numbers, separator);
}

std::wstring CutNote(const ReaderEntry& entry, const reader::NumberTexts& numbers, std::wstring_view separator) {
    if (!entry.bands || !entry.cut) return {};
    const Decimal& typed = entry.typed.ohms;
    // The first band holds the first significant digit: every digit is needed.
    const Standing standing{*entry.bands, static_cast<int>(typed.digits.size()), FiveBandsShowWhole(typed)};
    return CutSentence(standing, typed, numbers, separator);
}

}  // namespace writer

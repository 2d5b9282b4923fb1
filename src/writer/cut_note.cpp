#include "writer/cut_note.h"

#include "model/colour_code.h"
#include "model/int_text.h"
#include "writer/band_choice.h"
#include "writer/readout_entry.h"

namespace writer {

namespace {

// Counts in words, as in "four bands carry two digits". A double has at most
// 17 significant digits, and a small value a few places more before them.
std::wstring CountText(int count) {
    static const wchar_t* const kWords[] = {
        L"zero",   L"one",    L"two",      L"three",    L"four",    L"five",    L"six",
        L"seven",  L"eight",  L"nine",     L"ten",      L"eleven",  L"twelve",  L"thirteen",
        L"fourteen", L"fifteen", L"sixteen", L"seventeen", L"eighteen", L"nineteen", L"twenty"};
    return count >= 0 && count <= 20 ? kWords[count] : model::IntText(count);
}

std::wstring Plain(const Decimal& value, std::wstring_view separator) {
    return reader::PlainDigitsText(value.digits, value.exponent, separator);
}

// Whether the five-band reader shows the value with nothing cut.
bool FiveBandsShowWhole(const Decimal& value) {
    const ReaderEntry entry = ReaderEntryFor(Plain(value, L"."), 3, L".");
    return entry.bands && !entry.cut;
}

}  // namespace

std::wstring CutSentence(std::wstring shown, int power, int digitBands, const Decimal& value,
                         const reader::NumberTexts& numbers, std::wstring_view separator) {
    // The digits from the first band's place to the value's last one.
    const int needed = power + digitBands - 1 - (value.exponent - static_cast<int>(value.digits.size()) + 1) + 1;
    const std::wstring plain = Plain(value, separator);
    std::wstring note = L"The bands show " + reader::QuotedValueText(std::move(shown), power, numbers) + L": " +
                        CountText(digitBands + 2) + L" bands carry " + CountText(digitBands) + L" digits, and " +
                        plain + L" needs " + CountText(needed) + L".";
    if (digitBands == 2 && needed == 3 && FiveBandsShowWhole(value))
        note += L" Type " + plain + L" in the five-band readout and press Enter to see its five bands.";
    return note;
}

std::wstring CutNote(double ohms, const reader::NumberTexts& numbers, std::wstring_view separator) {
    const std::optional<Bands> bands = BandsForValue(ohms);
    if (!bands || DigitsNeeded(ohms) <= 2) return {};
    std::wstring digits{static_cast<wchar_t>(L'0' + bands->first), static_cast<wchar_t>(L'0' + bands->second)};
    return CutSentence(std::move(digits), model::MultiplierPower(bands->multiplier), 2, ShortestDecimal(ohms), numbers,
                       separator);
}

}  // namespace writer

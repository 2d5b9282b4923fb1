#include "writer/cut_note.h"

#include "model/colour_code.h"
#include "model/int_text.h"
#include "writer/band_choice.h"
#include "writer/shortest_decimal.h"

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

}  // namespace

std::wstring CutNote(double ohms, const reader::NumberTexts& numbers, std::wstring_view separator) {
    const std::optional<Bands> bands = BandsForValue(ohms);
    const int needed = DigitsNeeded(ohms);
    if (!bands || needed <= 2) return {};
    std::wstring digits{static_cast<wchar_t>(L'0' + bands->first), static_cast<wchar_t>(L'0' + bands->second)};
    // A value of three digits is a five-band part; one of more digits has
    // no resistor code at all, and the note says how many it has.
    const std::wstring why = needed == 3 ? L" needs five." : L" has " + CountText(needed) + L".";
    return L"The bands show " + reader::QuotedValueText(std::move(digits), model::MultiplierPower(bands->multiplier), numbers) +
           L": four bands carry two digits, " + PlainText(ohms, separator) + why;
}

}  // namespace writer

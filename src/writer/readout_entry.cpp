#include "writer/readout_entry.h"

#include <string>

#include "base/number_text.h"
#include "model/colour_code.h"

namespace writer {

using base::Decimal;

namespace {

// The multiplier letters and their powers of ten: after a number ("4.7K")
// and in an RKM code in place of the decimal mark ("4K7", "R47"). R and G
// stand only in a code; a lower-case m there only with digits after it, as
// ending a number it would be milli.
struct MultiplierLetter {
    wchar_t letter;
    int power;
    bool afterNumber;
};
constexpr MultiplierLetter kMultiplierLetters[] = {
    {L'R', 0, false}, {L'r', 0, false}, {L'K', 3, true}, {L'k', 3, true},
    {L'M', 6, true},  {L'm', 6, false}, {L'G', 9, false}, {L'g', 9, false},
};

// The power of ten of a letter in a code; -1 for another character.
int CodePower(wchar_t c) {
    for (const MultiplierLetter& m : kMultiplierLetters)
        if (m.letter == c) return m.power;
    return -1;
}

// Reads a typed text from left to right; each step takes what it knows and
// leaves the rest.
class Scanner {
public:
    Scanner(std::wstring_view text, std::wstring_view separator) : rest_(text), separator_(separator) {}

    bool AtEnd() const { return rest_.empty(); }
    // Datasheets set SI-style, with a thin or a narrow no-break space between
    // number and unit ("4.7 kΩ"); a text pasted from them keeps it.
    void SkipSpaces() {
        while (!rest_.empty() && (rest_[0] == L' ' || rest_[0] == L'\t' || rest_[0] == L'\u00A0' ||
                                  rest_[0] == L'\u2009' || rest_[0] == L'\u202F'))
            rest_.remove_prefix(1);
    }
    bool Take(wchar_t c) {
        if (rest_.empty() || rest_[0] != c) return false;
        rest_.remove_prefix(1);
        return true;
    }
    bool TakeWord(std::wstring_view word) {   // ASCII letters in any case
        if (rest_.size() < word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if ((rest_[i] | 0x20) != word[i]) return false;
        rest_.remove_prefix(word.size());
        return true;
    }
    // Digits with at most one decimal mark, at least one digit: the decimal
    // that they stand for.
    std::optional<Decimal> TakeNumber() {
        std::string digits;
        int beforeMark = -1;
        while (!rest_.empty()) {
            if (rest_[0] >= L'0' && rest_[0] <= L'9') {
                digits += static_cast<char>(rest_[0]);
                rest_.remove_prefix(1);
            } else if (beforeMark < 0 && TakeMark()) {
                beforeMark = static_cast<int>(digits.size());
            } else {
                break;
            }
        }
        if (digits.empty()) return std::nullopt;
        return Normalised(digits, beforeMark < 0 ? static_cast<int>(digits.size()) : beforeMark);
    }

    // An RKM code (IEC 60062), as printed on parts and in schematics: the
    // multiplier's letter stands in place of the decimal mark, "4K7", "R47",
    // "47R", digits on either side or both. None, and nothing taken, for a
    // text that is not one ("4.7K" is read by TakeNumber and a prefix).
    std::optional<Decimal> TakeCode() {
        const std::wstring_view start = rest_;
        std::string digits;
        int beforeLetter = -1;
        wchar_t letter = 0;
        for (; !rest_.empty(); rest_.remove_prefix(1)) {
            if (rest_[0] >= L'0' && rest_[0] <= L'9') {
                digits += static_cast<char>(rest_[0]);
            } else if (beforeLetter < 0 && CodePower(rest_[0]) >= 0) {
                letter = rest_[0];
                beforeLetter = static_cast<int>(digits.size());
            } else {
                break;
            }
        }
        // A lower-case m ending a number is milli ("1m"); only with digits after it is it mega.
        const bool milli = letter == L'm' && static_cast<int>(digits.size()) == beforeLetter;
        if (beforeLetter < 0 || digits.empty() || milli) {
            rest_ = start;
            return std::nullopt;
        }
        Decimal value = Normalised(digits, beforeLetter);
        if (!value.digits.empty()) value.exponent += CodePower(letter);
        return value;
    }

private:
    bool TakeMark() {
        if (Take(L'.')) return true;
        const bool usable = !separator_.empty() && separator_ != L"." && !(separator_[0] >= L'0' && separator_[0] <= L'9');
        if (!usable || rest_.substr(0, separator_.size()) != separator_) return false;
        rest_.remove_prefix(separator_.size());
        return true;
    }
    // digits with the decimal mark after `integerCount` of them, as
    // significant digits and the power of the first.
    static Decimal Normalised(const std::string& digits, int integerCount) {
        const std::size_t first = digits.find_first_not_of('0');
        if (first == std::string::npos) return {};
        const std::size_t last = digits.find_last_not_of('0');
        return {digits.substr(first, last - first + 1), integerCount - 1 - static_cast<int>(first)};
    }

    std::wstring_view rest_;
    std::wstring_view separator_;
};

// "K" or "k" for thousands, "M" for millions; a lower-case m would be milli.
int TakePrefix(Scanner& in) {
    for (const MultiplierLetter& m : kMultiplierLetters)
        if (m.afterNumber && in.Take(m.letter)) return m.power;
    return 0;
}

void TakeUnit(Scanner& in) {
    if (in.TakeWord(L"ohm")) {
        if (!in.Take(L's')) in.Take(L'S');
    } else if (!in.Take(L'\u03A9')) {
        in.Take(L'\u2126');   // the Greek capital omega, or the ohm sign
    }
}

// "±1%", "+/-1%", "1 %"; none when the text holds something else there.
std::optional<Decimal> TakeTolerance(Scanner& in) {
    if (!in.Take(L'\u00B1')) in.TakeWord(L"+/-");
    in.SkipSpaces();
    const std::optional<Decimal> percent = in.TakeNumber();
    in.SkipSpaces();
    if (!percent || !in.Take(L'%')) return std::nullopt;
    return percent;
}

}  // namespace

std::optional<TypedValue> ParseTypedValue(std::wstring_view text, std::wstring_view separator) {
    Scanner in(text, separator);
    TypedValue typed;
    in.SkipSpaces();
    // The minus sign of typeset text (U+2212) is a minus as the hyphen is.
    typed.negative = in.Take(L'-') || in.Take(L'\u2212');
    if (!typed.negative) in.Take(L'+');
    if (const std::optional<Decimal> code = in.TakeCode()) {
        typed.ohms = *code;
    } else {
        const std::optional<Decimal> number = in.TakeNumber();
        if (!number) return std::nullopt;
        typed.ohms = *number;
        in.SkipSpaces();
        if (!typed.ohms.digits.empty()) typed.ohms.exponent += TakePrefix(in);
        else TakePrefix(in);
    }
    in.SkipSpaces();
    TakeUnit(in);
    in.SkipSpaces();
    if (!in.AtEnd()) {
        typed.percent = TakeTolerance(in);
        if (!typed.percent) return std::nullopt;
        in.SkipSpaces();
    }
    if (!in.AtEnd()) return std::nullopt;
    return typed;
}

model::BandColour ToleranceBandFor(const Decimal& percent) {
    // The tolerance written as the bands' texts are: "±0.5%" for 0.50 or .5.
    if (percent.digits.empty()) return std::nullopt;
    const std::wstring text = L"\u00B1" + base::PlainDigitsText(percent.digits, percent.exponent, L".") + L"%";
    for (const model::ToleranceRow& row : model::kTolerances)
        if (row.text == text) return row.band;
    return std::nullopt;
}

std::optional<model::BandRow> ReaderBandsFor(const Decimal& ohms, const model::BandSet& bandSet) {
    // The first digit band holds the first significant digit.
    const int power = ohms.exponent - (bandSet.digitCount - 1);
    if (ohms.digits.empty() || !model::HoldsPower(bandSet.multiplier, power)) return std::nullopt;
    model::BandRow bands;
    for (int i = 0; i < bandSet.digitCount; ++i)
        bands.digits.push_back(static_cast<model::ColourIndex>(
            i < static_cast<int>(ohms.digits.size()) ? ohms.digits[static_cast<std::size_t>(i)] - '0' : 0));
    bands.multiplier = static_cast<model::ColourIndex>(model::MultiplierBand(power));
    return bands;
}

ReaderEntry ReaderEntryFor(std::wstring_view text, const model::BandSet& bandSet, std::wstring_view separator) {
    ReaderEntry entry;
    const std::optional<TypedValue> typed = ParseTypedValue(text, separator);
    if (!typed) return entry;
    entry.typed = *typed;
    std::optional<model::BandRow> bands = typed->negative ? std::nullopt : ReaderBandsFor(typed->ohms, bandSet);
    if (!bands) {
        entry.error = EntryError::OutOfRange;
        return entry;
    }
    if (typed->percent && !(bands->tolerance = ToleranceBandFor(*typed->percent))) {
        entry.error = EntryError::NoSuchTolerance;
        return entry;
    }
    entry.cut = static_cast<int>(typed->ohms.digits.size()) > bandSet.digitCount;
    entry.bands = std::move(bands);
    return entry;
}

std::optional<model::BandRow> SteppedReaderBands(std::wstring_view digits, int power,
                                              std::span<const reader::Series> accepted, const model::BandSet& bandSet,
                                              Step step) {
    const std::optional<reader::Reading> at = reader::ReadingOf(digits, power);
    if (!at) return std::nullopt;
    const reader::ShownStandards shown{accepted, static_cast<std::size_t>(bandSet.digitCount), bandSet.multiplier};
    const std::optional<reader::Standard> next = reader::NextShown(shown, *at, step == Step::Up);
    if (!next) return std::nullopt;
    // The reader shows it whole: its bands hold its significant digits.
    return ReaderBandsFor(Decimal{std::to_string(next->significand), next->power + 2}, bandSet);
}

}  // namespace writer

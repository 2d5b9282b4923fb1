#include "reader/misread.h"

#include <algorithm>
#include <utility>

#include "model/colour_code.h"
#include "model/int_text.h"
#include "reader/series.h"
#include "reader/series_note.h"

namespace reader {

namespace {

using namespace model;

// Colours that are easily taken for each other on a real part, under a
// lamp or a lens: each pair either way round.
constexpr std::pair<int, int> kNeighbours[] = {
    {Black, Brown}, {Brown, Red},   {Red, Orange},  {Orange, Yellow}, {Yellow, Gold},
    {Green, Blue},  {Blue, Purple}, {Purple, Gray}, {Gray, White},    {Gray, Silver},
};

// At most this many neighbour hints: more would bury the likely one.
constexpr std::size_t kMostCandidates = 3;

bool AreNeighbours(int a, int b) {
    for (const auto& [x, y] : kNeighbours)
        if ((x == a && y == b) || (x == b && y == a)) return true;
    return false;
}

bool Offers(Offered offered, int index) { return index >= 0 && index < kColourCount && (offered >> index & 1u); }

// The bands' value as the series see it, when the readers' standard values reach it.
std::optional<Reading> ReadingInRange(const BandIndexes& bands) {
    const std::optional<BandValue> value = ValueOfBands(bands);
    const std::optional<Reading> reading = value ? ReadingOf(value->digits, value->power) : std::nullopt;
    if (!reading || !InStandardRange(*reading)) return std::nullopt;
    return reading;
}

// The series the bands' tolerance asks for that holds their value; none
// when the value is outside the standard range or in none of them.
std::optional<Series> StandardSeries(const BandIndexes& bands) {
    const std::optional<Reading> reading = ReadingInRange(bands);
    if (!reading) return std::nullopt;
    for (Series s : SeriesFor(bands.tolerance))
        if (InSeries(s, *reading)) return s;
    return std::nullopt;
}

std::wstring ValueWritten(const BandIndexes& bands, const NumberTexts& numbers) {
    const std::optional<BandValue> value = ValueOfBands(bands);
    return value ? QuotedValueText(value->digits, value->power, numbers) : std::wstring();
}

// The band at `place` counted as the hints count them: digits first, then the multiplier.
std::wstring& BandAt(BandIndexes& bands, std::size_t place) {
    return place < bands.digits.size() ? bands.digits[place] : bands.multiplier;
}

Offered PaletteAt(const ReaderPalettes& palettes, std::size_t place) {
    return place < palettes.digits.size() ? palettes.digits[place] : palettes.multiplier;
}

// "If band 2 is Purple, not Gray: 4.7K", for each neighbour colour that
// gives a standard value, in band order, then colour order.
std::vector<std::wstring> NeighbourHints(const BandIndexes& bands, const ReaderPalettes& palettes,
                                         const NumberTexts& numbers) {
    std::vector<std::wstring> hints;
    for (std::size_t place = 0; place <= bands.digits.size() && hints.size() < kMostCandidates; ++place) {
        BandIndexes changed = bands;
        const int seen = IndexOfText(BandAt(changed, place));
        for (int other = 0; other < kColourCount && hints.size() < kMostCandidates; ++other) {
            if (!AreNeighbours(seen, other) || !Offers(PaletteAt(palettes, place), other)) continue;
            BandAt(changed, place) = IntText(other);
            if (!StandardSeries(changed)) continue;
            hints.push_back(L"If band " + IntText(static_cast<long long>(place) + 1) + L" is " + kColourNames[other] +
                            L", not " + kColourNames[seen] + L": " + ValueWritten(changed, numbers));
        }
    }
    return hints;
}

// What the other end reads, when it reads a standard value; `alsoHere`:
// the value read is standard too, and the user must tell the ends apart.
std::wstring OtherEndHint(const BandIndexes& bands, const ReaderPalettes& palettes, bool alsoHere,
                          const NumberTexts& numbers) {
    const std::optional<BandIndexes> reversed = OtherEnd(bands, palettes);
    // Bands that read the same both ways leave nothing to tell apart.
    if (!reversed || (reversed->digits == bands.digits && reversed->multiplier == bands.multiplier)) return {};
    const std::optional<Series> series = StandardSeries(*reversed);
    if (!series) return {};
    const std::wstring read = L"From the other end these bands read " + ValueWritten(*reversed, numbers) + L" " +
                              Tolerance(reversed->tolerance);
    const std::wstring named = std::wstring(L" standard value (") + SeriesName(*series) + L")";
    if (!alsoHere) return read + L", a" + named;
    return read + L", also a" + named +
           L". Tell the ends apart: the tolerance band stands apart from the others, and a Gold or Silver band "
           L"is never first";
}

}  // namespace

std::optional<BandIndexes> OtherEnd(const BandIndexes& bands, const ReaderPalettes& palettes) {
    if (bands.digits.empty() || bands.digits.size() != palettes.digits.size()) return std::nullopt;
    // The whole row of bands, first digit to tolerance band, read backwards.
    std::vector<std::wstring> row = bands.digits;
    row.push_back(bands.multiplier);
    row.push_back(bands.tolerance);
    std::reverse(row.begin(), row.end());
    BandIndexes reversed{{row.begin(), row.end() - 2}, row[row.size() - 2], row.back()};
    for (std::size_t i = 0; i < reversed.digits.size(); ++i)
        if (!Offers(palettes.digits[i], IndexOfText(reversed.digits[i]))) return std::nullopt;
    if (!Offers(palettes.multiplier, IndexOfText(reversed.multiplier)) ||
        !Offers(palettes.tolerance, IndexOfText(reversed.tolerance)))
        return std::nullopt;
    return reversed;
}

std::wstring MisreadHints(const BandIndexes& bands, const ReaderPalettes& palettes, const NumberTexts& numbers) {
    // The note says the bands carry no tolerance, or the value is outside the standard values.
    if (SeriesFor(bands.tolerance).empty() || !ReadingInRange(bands)) return {};

    const bool standard = StandardSeries(bands).has_value();
    std::vector<std::wstring> hints;
    if (!standard) hints = NeighbourHints(bands, palettes, numbers);
    if (std::wstring end = OtherEndHint(bands, palettes, standard, numbers); !end.empty()) hints.push_back(end);
    std::wstring text;
    for (const std::wstring& hint : hints) text += (text.empty() ? L"" : L"\n") + hint;
    return text;
}

}  // namespace reader

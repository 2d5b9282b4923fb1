#include "reader/misread.h"

#include <algorithm>
#include <span>
#include <utility>

#include "base/insertion_sort.h"
#include "base/number_text.h"
#include "model/band_sets.h"
#include "model/colour_code.h"
#include "reader/series.h"

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

bool Offers(Offered offered, BandColour band) { return band && Holds(offered, *band); }

// Where one row of bands stands, as the words about it need it: its value,
// its tolerance row (looked up once) and the series of that tolerance that
// holds the value, none when the value is no standard one.
struct Stand {
    BandValue value;
    const ToleranceRow* tolerance;
    std::optional<Series> series;
};

// None when the bands carry no tolerance that asks for a series, or their
// value is outside the readers' standard values: then there is nothing to hint.
std::optional<Stand> StandOf(const BandRow& bands) {
    const ToleranceRow* row = bands.tolerance ? ToleranceOfBand(*bands.tolerance) : nullptr;
    const std::optional<BandValue> value = ValueOfBands(bands);
    const std::optional<Reading> reading = value ? ReadingOf(value->digits, value->power) : std::nullopt;
    if (!row || row->seriesCount == 0 || !reading || !InStandardRange(*reading)) return std::nullopt;
    const std::span<const Series> accepted(row->series.data(), static_cast<std::size_t>(row->seriesCount));
    return Stand{*value, row, SeriesHolding(accepted, *reading)};
}

// The value as a whole number of 10^power: exact for the digits and
// powers the bands carry.
double WholeUnits(const BandValue& value, int power) {
    double units = 0;
    for (const wchar_t digit : value.digits) units = units * 10 + (digit - L'0');
    for (int p = power; p < value.power; ++p) units *= 10;
    return units;
}

// How far apart two values lie: the larger over the smaller, 1 for the
// same value. A misread that changes the value least is the likeliest.
double Ratio(const BandValue& a, const BandValue& b) {
    const int power = std::min(a.power, b.power);
    const double ux = WholeUnits(a, power), uy = WholeUnits(b, power);
    return ux > uy ? ux / uy : uy / ux;
}

// Four-band parts are made at ±1%, ±2%, ±5% and ±10%: a four-band reading
// with a tighter tolerance band names a part that is hardly ever met.
constexpr Colours kFourBandPartTolerances = (1u << Brown) | (1u << Red) | (1u << Gold) | (1u << Silver);

bool IsMadeAsRead(const BandRow& bands) {
    return bands.digits.size() != 2 || Offers(kFourBandPartTolerances, bands.tolerance);
}

// A neighbour hint before it is written: which band changed, from what
// colour to what, where the bands then stand (a standard value), and how
// far that value lies from the value read.
struct Candidate {
    std::size_t place;
    ColourIndex seen, other;
    Stand stand;
    double ratio;
};

// Every band changed to a neighbouring colour its palette offers, one at a
// time, that gives a standard value for the tolerance band then shown. The
// bands stand for a value, so each holds a colour.
std::vector<Candidate> Candidates(const BandRow& bands, const Stand& read, const BandSet& bandSet) {
    std::vector<Candidate> candidates;
    for (std::size_t place = 0; place <= bands.digits.size() + 1; ++place) {
        BandRow changed = bands;
        const ColourIndex seen = *changed.At(place);
        for (int i = 0; i < kColourCount; ++i) {
            const auto other = static_cast<ColourIndex>(i);
            if (!AreNeighbours(seen, other) || !Offers(bandSet.At(static_cast<int>(place)), other)) continue;
            changed.At(place) = other;
            const std::optional<Stand> stand = StandOf(changed);
            if (!stand || !stand->series || (place > bands.digits.size() && !IsMadeAsRead(changed))) continue;
            candidates.push_back({place, seen, other, *stand, Ratio(stand->value, read.value)});
        }
    }
    return candidates;
}

// The likeliest few, nearest first (of two as near, the earlier band),
// leaving out the value that `said` names already: one line a value. No
// two candidates share a value: each changes one band, and a changed
// multiplier keeps digits that are no standard value.
std::vector<Candidate> Likeliest(std::vector<Candidate> candidates, const std::optional<Stand>& said) {
    base::InsertionSort(candidates.begin(), candidates.end(),
                            [](const Candidate& a, const Candidate& b) { return a.ratio < b.ratio; });
    std::vector<Candidate> kept;
    for (const Candidate& c : candidates) {
        if (kept.size() == kMostCandidates) break;
        if (!said || Ratio(c.stand.value, said->value) != 1) kept.push_back(c);
    }
    return kept;
}

// Where the other end stands when it reads a standard value of a part that is made.
std::optional<Stand> StandardOtherEnd(const BandRow& bands, const BandSet& bandSet) {
    const std::optional<BandRow> reversed = OtherEnd(bands, bandSet);
    // Bands that read the same both ways leave nothing to tell apart.
    if (!reversed || (reversed->digits == bands.digits && reversed->multiplier == bands.multiplier)) return {};
    const std::optional<Stand> stand = StandOf(*reversed);
    if (!stand || !stand->series || !IsMadeAsRead(*reversed)) return {};
    return stand;
}

// Where the reading stands, all that the hints say, before any word is written.
struct Stance {
    bool standard;
    std::vector<Candidate> candidates;
    std::optional<Stand> otherEnd;
};

std::optional<Stance> StanceOf(const BandRow& bands, const BandSet& bandSet) {
    const std::optional<Stand> read = StandOf(bands);
    if (!read) return std::nullopt;
    Stance stance{read->series.has_value(), {}, StandardOtherEnd(bands, bandSet)};
    if (!stance.standard) stance.candidates = Likeliest(Candidates(bands, *read, bandSet), stance.otherEnd);
    return stance;
}

// "4.7K"; with its tolerance "2.21K ±1%"; and " standard value (E96)".
std::wstring ValueWritten(const Stand& stand, const NumberTexts& numbers) {
    return QuotedValueText(stand.value.digits, stand.value.power, numbers);
}
std::wstring WithTolerance(const Stand& stand, const NumberTexts& numbers) {
    return ValueWritten(stand, numbers) + L" " + stand.tolerance->text;
}
std::wstring StandardIn(Series series) { return std::wstring(L" standard value (") + SeriesName(series) + L")"; }

// "If band 2 is Purple, not Gray: 4.7K"; on the tolerance band, the value
// stays and its tolerance's series holds it: "If the tolerance band is
// Brown, not Red: 210 ±1%, a standard value (E96)".
std::wstring CandidateText(const Candidate& c, std::size_t digitCount, const NumberTexts& numbers) {
    const std::wstring colours = std::wstring(kColourNames[c.other]) + L", not " + kColourNames[c.seen] + L": ";
    if (c.place <= digitCount)
        return L"If band " + base::IntegerText(static_cast<long long>(c.place) + 1) + L" is " + colours +
               ValueWritten(c.stand, numbers);
    return L"If the tolerance band is " + colours + WithTolerance(c.stand, numbers) + L", a" +
           StandardIn(*c.stand.series);
}

// What the other end reads; `alsoHere`: the value read is standard too, and
// the user must tell the ends apart.
std::wstring OtherEndText(const Stand& reversed, bool alsoHere, const NumberTexts& numbers) {
    const std::wstring read = L"From the other end these bands read " + WithTolerance(reversed, numbers);
    const std::wstring series = StandardIn(*reversed.series);
    if (!alsoHere) return read + L", a" + series;
    // Neither end is Gold or Silver here: only the band's place and width tell.
    return read + L", also a" + series +
           L". Tell the ends apart: the tolerance band usually stands apart from the others, after a wider "
           L"gap, and is often wider than they are";
}

}  // namespace

std::optional<BandRow> OtherEnd(const BandRow& bands, const BandSet& bandSet) {
    if (bands.digits.empty() || bands.digits.size() != static_cast<std::size_t>(bandSet.digitCount)) return std::nullopt;
    // The whole row of bands, first digit to tolerance band, read backwards.
    std::vector<BandColour> row = bands.digits;
    row.push_back(bands.multiplier);
    row.push_back(bands.tolerance);
    std::reverse(row.begin(), row.end());
    BandRow reversed{{row.begin(), row.end() - 2}, row[row.size() - 2], row.back()};
    for (std::size_t i = 0; i < reversed.digits.size(); ++i)
        if (!Offers(bandSet.digits[i], reversed.digits[i])) return std::nullopt;
    if (!Offers(bandSet.multiplier, reversed.multiplier) || !Offers(bandSet.tolerance, reversed.tolerance))
        return std::nullopt;
    return reversed;
}

std::wstring MisreadHints(const BandRow& bands, const BandSet& bandSet, const NumberTexts& numbers) {
    // The note says the bands carry no tolerance, or the value is outside the standard values.
    const std::optional<Stance> stance = StanceOf(bands, bandSet);
    if (!stance) return {};
    std::vector<std::wstring> hints;
    for (const Candidate& c : stance->candidates) hints.push_back(CandidateText(c, bands.digits.size(), numbers));
    if (stance->otherEnd) hints.push_back(OtherEndText(*stance->otherEnd, stance->standard, numbers));
    std::wstring text;
    for (const std::wstring& hint : hints) text += (text.empty() ? L"" : L"\n") + hint;
    return text;
}

}  // namespace reader

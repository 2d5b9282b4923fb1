#include "reader/series_note.h"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "model/colour_code.h"
#include "reader/series.h"

namespace reader {

std::vector<Series> SeriesFor(BandColour tolerance) {
    const model::ToleranceRow* row = tolerance ? model::ToleranceOfBand(*tolerance) : nullptr;
    if (!row) return {};
    return {row->series.begin(), row->series.begin() + row->seriesCount};
}

ShownStandards ShownBy(const std::vector<Series>& accepted, const model::BandSet& bandSet) {
    return {accepted, static_cast<std::size_t>(bandSet.digitCount), bandSet.multiplier};
}

namespace {

std::wstring Written(const Standard& value, const NumberTexts& numbers) {
    return QuotedValueText(base::IntegerText(value.significand), value.power, numbers);
}

// " standard value (E24), also in E12, E6" or, in none of the series,
// " standard value (E48 or E24); nearest: 4.7K, 4.87K".
std::wstring PlacingText(std::span<const Series> accepted, const Placing& placing, const NumberTexts& numbers) {
    if (placing.in) {
        std::wstring also;
        for (Series s : placing.alsoIn) also += (also.empty() ? L", also in " : L", ") + std::wstring(SeriesName(s));
        return L" standard value (" + std::wstring(SeriesName(*placing.in)) + L")" + also;
    }
    std::wstring names;
    for (Series s : accepted) names += (names.empty() ? L"" : L" or ") + std::wstring(SeriesName(s));
    std::wstring nearest;
    for (const std::optional<Standard>& v : {placing.below, placing.above})
        if (v) nearest += (nearest.empty() ? L"; nearest: " : L", ") + Written(*v, numbers);
    return L" standard value (" + names + L")" + nearest;
}

}  // namespace

std::wstring SeriesNote(const BandRow& indexes, const model::BandSet& bandSet, const NumberTexts& numbers) {
    // What the bands say, as values, before any of it is written.
    const std::optional<BandValue> bands = ValueOfBands(indexes);
    if (!bands) return {};
    const model::ToleranceRow* tolerance = indexes.tolerance ? model::ToleranceOfBand(*indexes.tolerance) : nullptr;
    const std::optional<Reading> reading = ReadingOf(bands->digits, bands->power);
    const bool inRange = reading && InStandardRange(*reading);
    const std::vector<Series> accepted = SeriesFor(indexes.tolerance);
    const Placing placing = tolerance && inRange ? PlaceAmong(ShownBy(accepted, bandSet), *reading) : Placing{};

    const std::wstring value = QuotedValueText(bands->digits, bands->power, numbers);
    if (!tolerance) return value + L": no standard series without a tolerance";
    if (!inRange)
        return value + L" is outside the standard values, " + Written(kSmallest, numbers) + L" to " +
               Written(kLargest, numbers);
    return value + (placing.in ? L" is a " : L" is not a ") + tolerance->text +
           PlacingText(accepted, placing, numbers);
}

std::wstring WriterNote(const BandRow& indexes, const NumberTexts& numbers, std::wstring_view cutFrom) {
    const std::optional<BandValue> bands = ValueOfBands(indexes);
    if (!bands) return {};
    // A value means every band holds a colour.
    std::wstring names;
    for (const BandColour& digit : indexes.digits) names += model::kColourNames[*digit] + std::wstring(L", ");
    names += model::kColourNames[*indexes.multiplier];
    const std::wstring cut = cutFrom.empty() ? L"" : L", cut from " + std::wstring(cutFrom);
    return names + L": " + QuotedValueText(bands->digits, bands->power, numbers) + cut + L". " +
           SeriesNote(indexes, model::kFourBandWriter, numbers);
}

}  // namespace reader

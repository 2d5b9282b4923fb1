#include "reader/series_note.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/colour_code.h"
#include "platform/number_text.h"
#include "reader/series.h"

namespace reader {

std::vector<Series> SeriesFor(BandColour tolerance) {
    const model::ToleranceRow* row = tolerance ? model::ToleranceOfBand(*tolerance) : nullptr;
    if (!row) return {};
    return {row->series.begin(), row->series.begin() + row->seriesCount};
}

namespace {

std::wstring Written(const Standard& value, const NumberTexts& numbers) {
    return QuotedValueText(platform::IntegerText(value.significand), value.power, numbers);
}

std::wstring InSeriesText(const std::vector<Series>& accepted, const Reading& reading) {
    for (Series s : accepted) {
        if (!InSeries(s, reading)) continue;
        std::wstring text = L" standard value (" + std::wstring(SeriesName(s)) + L")";
        std::wstring also;
        for (int smaller = static_cast<int>(s) - 1; smaller >= 0; --smaller)
            if (InSeries(static_cast<Series>(smaller), reading))
                also += (also.empty() ? L", also in " : L", ") + std::wstring(SeriesName(static_cast<Series>(smaller)));
        return text + also;
    }
    return {};
}

std::wstring NotInSeriesText(const std::vector<Series>& accepted, const Reading& reading,
                             const NumberTexts& numbers) {
    std::wstring names;
    for (Series s : accepted) names += (names.empty() ? L"" : L" or ") + std::wstring(SeriesName(s));
    std::wstring nearest;
    for (const std::optional<Standard>& v : {NearestBelow(accepted, reading), NearestAbove(accepted, reading)})
        if (v) nearest += (nearest.empty() ? L"; nearest: " : L", ") + Written(*v, numbers);
    return L" standard value (" + names + L")" + nearest;
}

}  // namespace

std::wstring SeriesNote(const BandIndexes& indexes, const NumberTexts& numbers) {
    const std::optional<BandValue> bands = ValueOfBands(indexes);
    if (!bands) return {};
    const std::wstring value = QuotedValueText(bands->digits, bands->power, numbers);

    const std::vector<Series> accepted = SeriesFor(indexes.tolerance);
    if (accepted.empty()) return value + L": no standard series without a tolerance";

    const std::optional<Reading> reading = ReadingOf(bands->digits, bands->power);
    if (!reading || !InStandardRange(*reading))
        return value + L" is outside the standard values, " + Written(kSmallest, numbers) + L" to " +
               Written(kLargest, numbers);

    const std::wstring tolerance = ToleranceText(indexes.tolerance);
    const std::wstring in = InSeriesText(accepted, *reading);
    if (!in.empty()) return value + L" is a " + tolerance + in;
    return value + L" is not a " + tolerance + NotInSeriesText(accepted, *reading, numbers);
}

std::wstring WriterNote(const BandIndexes& indexes, const NumberTexts& numbers, std::wstring_view cutFrom) {
    const std::optional<BandValue> bands = ValueOfBands(indexes);
    if (!bands) return {};
    // A value means every band holds a colour.
    std::wstring names;
    for (const BandColour& digit : indexes.digits) names += model::kColourNames[*digit] + std::wstring(L", ");
    names += model::kColourNames[*indexes.multiplier];
    const std::wstring cut = cutFrom.empty() ? L"" : L", cut from " + std::wstring(cutFrom);
    return names + L": " + QuotedValueText(bands->digits, bands->power, numbers) + cut + L". " +
           SeriesNote(indexes, numbers);
}

}  // namespace reader

// Feeds the band choice the input read as number text and, from 8 bytes on, as a
// raw double; traps when the bands are not a valid set or do not stand for the
// value cut to two significant digits, when the writer calls a value cut that
// the bands show exactly or the other way round, or when a step of Up or Down
// goes the wrong way or leaves the series or the range. Also feeds the text to
// a reader's readout: traps when its bands are not ones its palettes offer, do
// not hold the typed digits cut, or do not read back, through the readout's
// own text, as the same bands.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "../tests/writer/value_of_bands.h"
#include "base/number_text.h"
#include "model/band_sets.h"
#include "model/colour_code.h"
#include "reader/readout.h"
#include "reader/series.h"
#include "writer/band_choice.h"
#include "writer/readout_entry.h"
#include "writer/standard_step.h"

namespace {

void Require(bool ok) {
    if (!ok) __builtin_trap();
}

double UnitOf(int multiplier) {
    if (multiplier == model::Silver) return 0.01;
    if (multiplier == model::Gold) return 0.1;
    return std::pow(10.0, multiplier);
}

void Check(double value) {
    const std::optional<model::BandRow> bands = writer::BandsForNumber(value);
    Require(bands.has_value() == (value == 0 || (value >= 0.01 && value < 1e11)));
    if (!bands) return;
    const model::BandRow& b = *bands;
    Require(b.digits.size() == 2 && b.digits[0] && b.digits[1] && b.multiplier && !b.tolerance);
    const int first = *b.digits[0], second = *b.digits[1], multiplier = *b.multiplier;
    Require(first >= 0 && first <= 9 && second >= 0 && second <= 9);
    Require(multiplier >= 0 && multiplier < model::kColourCount);
    // A leading Black only where Silver cannot go finer (0.0x), or for zero.
    Require(first != 0 || multiplier == model::Silver);

    const double chosen = writer::ValueOfBands(b);
    Require(chosen <= value);
    Require(value - chosen < UnitOf(multiplier) * (1 + 1e-12));
    // The bands' own value chooses the same bands.
    Require(writer::BandsForNumber(chosen) == bands);
    Require((writer::DigitsNeededForNumber(value) <= 2) == (chosen == value));
}

void CheckSteps(double value) {
    using reader::Series;
    for (Series series : {Series::E12, Series::E24, Series::E48, Series::E96, Series::E192}) {
        for (writer::Step step : {writer::Step::Up, writer::Step::Down}) {
            const std::optional<base::Decimal> ohms = writer::WriterDecimal(value);
            const std::optional<std::wstring> text = ohms ? writer::SteppedText(*ohms, series, step, L".") : std::nullopt;
            if (!text) continue;
            Require(writer::BandsForNumber(value).has_value());
            const std::string narrow(text->begin(), text->end());
            const double next = std::strtod(narrow.c_str(), nullptr);
            Require(step == writer::Step::Up ? next > value : next < value);
            Require(next >= 0.1 && next < 1e11);
            // Three significant digits at most, all of them a value of the series.
            std::wstring digits;
            for (char c : narrow)
                if (c != '.') digits += static_cast<wchar_t>(c);
            const std::size_t point = narrow.find('.');
            const int fraction = point == std::string::npos ? 0 : static_cast<int>(narrow.size() - point - 1);
            const std::optional<reader::Reading> reading = reader::ReadingOf(digits, -fraction);
            Require(reading && reader::InSeries(series, *reading));
        }
    }
}

bool Offered(int multiplier) { return (multiplier >= 0 && multiplier <= 6) || multiplier >= model::Silver; }

void CheckReaderEntry(const std::wstring& text, const model::BandSet& bandSet, const wchar_t* separator) {
    const int digitBands = bandSet.digitCount;
    const writer::ReaderEntry entry = writer::ReaderEntryFor(text, bandSet, separator);
    if (!entry.bands) return;
    const model::BandRow& b = *entry.bands;
    Require(static_cast<int>(b.digits.size()) == digitBands && b.digits[0] && *b.digits[0] >= 1);
    Require(b.multiplier && Offered(*b.multiplier) && *b.multiplier < model::kColourCount);
    Require(!b.tolerance || !model::Tolerance(base::IntegerText(*b.tolerance)).empty());
    const std::string& typed = entry.typed.ohms.digits;
    Require(entry.cut == (static_cast<int>(typed.size()) > digitBands));
    model::BandRow indexes;
    for (int i = 0; i < digitBands; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Require(b.digits[at] == (at < typed.size() ? typed[at] - '0' : 0));
        indexes.digits.push_back(b.digits[at]);
    }
    indexes.multiplier = b.multiplier;
    indexes.tolerance = b.tolerance.value_or(model::Gold);
    const writer::ReaderEntry again =
        writer::ReaderEntryFor(reader::ReadoutText(indexes, reader::NumberTexts{}), bandSet, L".");
    Require(again.bands && !again.cut && again.bands->digits == b.digits && again.bands->multiplier == b.multiplier);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Check(std::strtod(text.c_str(), nullptr));
    CheckSteps(std::strtod(text.c_str(), nullptr));
    const std::wstring wide(text.begin(), text.end());   // Latin-1 as it comes
    for (const model::BandSet* bandSet : {&model::kFourBandReader, &model::kFiveBandReader})
        for (const wchar_t* separator : {L".", L",", L"::"}) CheckReaderEntry(wide, *bandSet, separator);
    if (size >= 8) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        Check(raw);
        CheckSteps(raw);
    }
    return 0;
}

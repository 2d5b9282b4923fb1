// A value typed into a reader's readout, and the bands of that reader that
// carry it: the readers write as well as read. The readout takes its own text
// back (" 4.7K Ohm   ±5%") and the shorter forms people type ("4.7k",
// "4 k", "4.75K 1%", "120Ω").
#pragma once
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/number_text.h"
#include "model/band_sets.h"
#include "reader/series.h"
#include "writer/standard_step.h"

namespace writer {

// What a typed text stands for: a number with an optional K or M, or an RKM
// code ("4K7", "4k7", "R47", "47R", "1M5", "1G"), then an optional "Ohm" or
// "Ω", then an optional tolerance ("1%", "±1%"). The decimal mark is the
// full stop, which the readout writes in K and M values in every locale, or
// the user's own separator (matched whole when it has several characters);
// a code's letter stands in its place, so a code holds no mark ("4.7K7" is
// no value). No grouping, no exponent, nothing after a K, an M or a code but
// the unit and the tolerance.
struct TypedValue {
    base::Decimal ohms;            // significant digits; no digits for zero
    bool negative = false;
    std::optional<base::Decimal> percent;   // the tolerance, when one was typed
};
std::optional<TypedValue> ParseTypedValue(std::wstring_view text, std::wstring_view separator);

enum class EntryError { NotAValue, OutOfRange, NoSuchTolerance };

// The bands of a reader, `bandSet` (model::kFourBandReader or
// kFiveBandReader), for a typed text: its first digit band holds the first
// significant digit, and its multipliers set the range (the four-band reader
// carries 0.1 to 99M ohms, the five-band reader 1 to 999M). Digits beyond the bands are cut,
// never rounded: `cut` says so.
struct ReaderEntry {
    std::optional<model::BandRow> bands;   // no tolerance: the tolerance band stays as it is
    EntryError error = EntryError::NotAValue;   // why there are no bands
    bool cut = false;
    TypedValue typed;
};
ReaderEntry ReaderEntryFor(std::wstring_view text, const model::BandSet& bandSet, std::wstring_view separator);
// The digit and multiplier bands for a positive value, its digits cut to the
// reader's; none outside the reader's range.
std::optional<model::BandRow> ReaderBandsFor(const base::Decimal& ohms, const model::BandSet& bandSet);

// The colour index of the tolerance band that carries `percent`; none for a
// tolerance no band carries.
model::BandColour ToleranceBandFor(const base::Decimal& percent);

// The next larger (Up) or smaller (Down) standard value from the value a
// reader's bands show (digits x 10^power): of the series `accepted` (a
// tolerance band's, E24 with them), among the values that reader shows
// whole (reader::ShownStandards), as its note names them: on the four-band
// reader only those of two significant digits. None at an end of the
// reader's range. The tolerance band is left as it is.
std::optional<model::BandRow> SteppedReaderBands(std::wstring_view digits, int power,
                                              std::span<const reader::Series> accepted, const model::BandSet& bandSet,
                                              Step step);

}  // namespace writer

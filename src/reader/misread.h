// Catching a misread. A value that is not a standard one is almost always one
// of two mistakes: a band taken for its neighbouring colour (Brown, Red and
// Orange look alike, as do Blue, Purple and Gray), or a part read from the
// wrong end, its Brown or Red tolerance band taken for a first digit. These
// hints name the band and what the other end reads.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "reader/readout.h"
#include "reader/series_note.h"

namespace reader {

// The same bands read from the other end: the tolerance band becomes the
// first digit, the first digit the tolerance band, and so on in reverse.
// None when `bandSet` holds no reversed colour in its new place
// (a Gold tolerance band is never a first digit), so a reader can show it.
std::optional<BandRow> OtherEnd(const BandRow& bands, const model::BandSet& bandSet);

// The hints, one a line, on bands whose value is not a standard one for
// their tolerance band (and on bands whose other end reads a standard value
// too), values written as the readout writes them:
//   "If band 2 is Purple, not Gray: 4.7K"
//   "If the tolerance band is Brown, not Red: 210 ±1%, a standard value (E96)"
//     up to three: a digit, the multiplier or the tolerance band changed to
//     a neighbouring colour its palette offers, one at a time, giving a
//     standard value for the tolerance band then shown; on four bands a
//     tolerance band only of a tolerance four-band parts are made with
//     (Brown, Red, Gold, Silver); the three whose value lies nearest the
//     value read (by ratio), nearest first, one line for each value;
//   "From the other end these bands read 2.21K ±1%, a standard value (E96)"
//     when the value read is not standard and the other end is, again on
//     four bands only at a tolerance four-band parts are made with; a
//     neighbour hint with the other end's value is left to this line;
//   "From the other end these bands read 11M ±1%, also a standard value
//    (E96). Tell the ends apart: ..."  when both are.
// Empty when there is nothing to say.
std::wstring MisreadHints(const BandRow& bands, const model::BandSet& bandSet, const NumberTexts& numbers);

}  // namespace reader

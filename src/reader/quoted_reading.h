// A reading as it is copied out of the window for a parts list or a note: the
// readout's words without its padding, and the bands' colours by name.
#pragma once
#include <string>

#include "reader/readout.h"

namespace reader {

// "4.7K Ohm ±5%", "199 Ohm ±0.5%": the readout's text with no space in the
// sign position and one between its words. "" when the bands stand for no value.
std::wstring QuotedReadout(const BandRow& bands, const NumberTexts& numbers);

// "Yellow, Purple, Red, Gold": the bands' colours, first to last, as the
// legend names them. "" when a band holds no colour of the code.
std::wstring BandColourNames(const BandRow& bands);

}  // namespace reader

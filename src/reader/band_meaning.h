// What a band colour stands for where it is used, in the words of the legend:
// the texts of the tooltips and of the names a screen reader speaks.
#pragma once
#include <string>

#include "reader/readout.h"

namespace reader {

using model::BandRole;

// "Brown: 1", "Red: × 100", "Gold: × 0.1", "Gold: ±5%"; the colour's name
// alone where it means nothing in that role. "" for no colour.
std::wstring ColourMeaning(BandColour colour, BandRole role);

// Everything the colour can stand for, as the legend's swatch tells it:
// "Brown: 1, × 10, ±1%"; "Gold: × 0.1, ±5%".
std::wstring LegendMeaning(model::ColourIndex colour);

}  // namespace reader

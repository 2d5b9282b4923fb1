// Stepping a typed value through a standard series (E12 to E192), for the
// value box's Up and Down keys.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "base/number_text.h"
#include "reader/series.h"

namespace writer {

enum class Step { Up, Down };

// The next larger (Up) or smaller (Down) value of `series` from `ohms`: from
// a value of the series its neighbour, from one between two the next in the
// step's direction. The steps reach from 0.1 to the series' largest value
// below 100 G; below 0.1 (zero too) Up goes to 0.1. Written plainly with
// `separator` for the decimal point: "5100", "9.1", "0,47", "10000".
// None where the range ends, and for what four bands cannot show (between 0
// and 0.01, 100 G or more).
std::optional<std::wstring> SteppedText(const base::Decimal& ohms, reader::Series series, Step step,
                                        std::wstring_view separator);

}  // namespace writer

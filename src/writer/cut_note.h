// What the writer says when its four bands cut the value they were written
// for: two digit bands show 4.7K for 4750, and a part bought by those bands
// is not the part that was asked for.
#pragma once
#include <string>
#include <string_view>

#include "reader/readout.h"

namespace writer {

// "The bands show 4.7K: four bands carry two digits, 4750 needs five." (five
// bands carry three digits), or for more digits than any bands carry "...,
// 1234567 has seven." The
// bands' value is written as the readout writes it, the value plainly with
// `separator` for the decimal point. Empty when the bands show the value
// exactly, and for a value they cannot show at all.
std::wstring CutNote(double ohms, const reader::NumberTexts& numbers, std::wstring_view separator);

}  // namespace writer

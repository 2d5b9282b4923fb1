// What a drawing says when its bands cut the value they were written for:
// two digit bands show 4.7K for 4750, and a part bought by those bands is
// not the part that was asked for.
#pragma once
#include <string>
#include <string_view>

#include "base/number_text.h"
#include "reader/readout.h"
#include "writer/readout_entry.h"

namespace writer {

// "The bands show 4.7K: four bands carry two digits, and 4750 needs three."
// The bands' value is written as the readout writes it, the value plainly
// with `separator` for the decimal point. When four bands cut a value that
// the five-band reader shows whole, the note says where to see its five
// bands: "... Type 4750 in the five-band readout and press Enter to see its
// five bands."

// The four-band writer's note for a value in ohms. Empty when its bands show
// the value exactly, and for a value they cannot show at all.
std::wstring CutNote(const base::Decimal& ohms, const reader::NumberTexts& numbers, std::wstring_view separator);

// A reader's note for the value typed in its readout: "The bands show 4.75K:
// five bands carry three digits, and 4751 needs four." Empty when its bands
// show the value whole, and when there are none.
std::wstring CutNote(const ReaderEntry& entry, const reader::NumberTexts& numbers, std::wstring_view separator);

}  // namespace writer

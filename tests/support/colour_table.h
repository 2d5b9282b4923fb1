// The colour code as the tests know it, written out apart from the program's
// own tables: the colour of each band index, and the tolerance band of each
// position of the tolerance list.
#pragma once
#include <windows.h>

#include "model/colour_code.h"

namespace testing_gui {

inline constexpr COLORREF kColour[12] = {0x000000, 0x004080, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00,
                                         0xFF0000, 0xC000C0, 0x808080, 0xFFFFFF, 0xE0E0E0, 0x80C0FF};

inline constexpr int kToleranceBand[8] = {model::Brown,  model::Red,  model::Green, model::Blue,
                                          model::Purple, model::Gray, model::Gold,  model::Silver};

}  // namespace testing_gui

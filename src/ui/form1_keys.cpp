// The palettes by keyboard: arrows, Home and End move the focus among the
// swatches of a reader as they are drawn.
#include <string_view>

#include "reader/palettes.h"
#include "ui/form1.h"

namespace ui {

platform::Control* Form1::BoxForKey(const platform::Control& box, UINT key) {
    reader::SwatchMove move{};
    switch (key) {
    case VK_UP: move = reader::SwatchMove::Up; break;
    case VK_DOWN: move = reader::SwatchMove::Down; break;
    case VK_HOME: move = reader::SwatchMove::First; break;
    case VK_END: move = reader::SwatchMove::Last; break;
    case VK_LEFT: move = reader::SwatchMove::Left; break;
    case VK_RIGHT: move = reader::SwatchMove::Right; break;
    default: return nullptr;
    }
    for (std::size_t p = 0; p < reader::kPalettes.size(); ++p) {
        if (box.Name() != reader::kPalettes[p].name) continue;
        const auto to = reader::MoveSwatch({static_cast<int>(p), box.Index()}, move);
        return to ? Find(reader::kPalettes[static_cast<std::size_t>(to->palette)].name, to->index) : nullptr;
    }
    return nullptr;   // bands, drawings and the legend are no column
}

}  // namespace ui

// The keyboard: arrows, Home and End move the focus among the swatches of a
// reader as they are drawn; Enter, Escape, Up and Down act in the value box
// and the readouts; F6 goes from tool to tool and Ctrl+C copies a reading.
#include <string_view>

#include "ui/palettes.h"
#include "ui/form1.h"

namespace ui {

bool Form1::OnKey(platform::Control& target, UINT key) {
    if (key == VK_F6) {
        MoveAmongTools(target, GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    // A text box copies its own selection.
    if (key == 'C' && !target.hWnd() && GetKeyState(VK_CONTROL) < 0) return CopyReadingOf(target);
    return target.hWnd() ? OnTextBoxKey(target, key) : MoveAmongSwatches(target, key);
}

bool Form1::MoveAmongSwatches(const platform::Control& box, UINT key) {
    ui::SwatchMove move{};
    switch (key) {
    case VK_UP: move = ui::SwatchMove::Up; break;
    case VK_DOWN: move = ui::SwatchMove::Down; break;
    case VK_HOME: move = ui::SwatchMove::First; break;
    case VK_END: move = ui::SwatchMove::Last; break;
    case VK_LEFT: move = ui::SwatchMove::Left; break;
    case VK_RIGHT: move = ui::SwatchMove::Right; break;
    default: return false;
    }
    // Bands, drawings and the legend are no column: the focus stays there.
    const auto from = SwatchOf(box);
    const auto to = from ? MoveSwatch(*from, move) : std::nullopt;
    platform::Control* next = to ? found_.swatches[static_cast<std::size_t>(to->palette)][static_cast<std::size_t>(to->index)] : nullptr;
    if (next && next->CanFocus()) Focus(*next);
    return true;
}

bool Form1::OnTextBoxKey(platform::Control& control, UINT key) {
    // With Shift the keys keep selecting text, with Ctrl or Alt their own uses.
    if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    for (std::size_t r = 0; r < found_.readers.size(); ++r)
        if (&control == found_.readers[r].readout) return OnReadoutKey(r, key);
    if (&control != found_.valueBox) return false;
    // A value box with one action beside it: Enter takes that action.
    if (key == VK_RETURN) CCal_Click();
    else if (key == VK_UP || key == VK_DOWN) StepValue(key == VK_UP);
    else return false;
    return true;   // also at an end of the range: the key changes nothing there
}

}  // namespace ui

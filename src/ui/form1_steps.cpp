// Up and Down in the value box: the next larger or smaller standard value of
// the selected tolerance's series, its bands at once. In a one-line text box
// these keys would only move the caret.
#include "platform/conversions.h"
#include "reader/series_note.h"
#include "ui/form1.h"
#include "writer/standard_step.h"

namespace ui {

bool Form1::OnControlKey(platform::Control& control, UINT key) {
    if (control.Name() != L"Text1" || (key != VK_UP && key != VK_DOWN)) return false;
    // With Shift the keys keep selecting text, with Ctrl or Alt their own uses.
    if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    StepValue(key == VK_UP);
    return true;   // also at an end of the range: the key changes nothing there
}

void Form1::StepValue(bool up) {
    // From the value that "Calculate" would read; a text it would refuse is
    // refused alike, and nothing is written.
    const auto writing = ValueToWrite();
    if (!writing) return;
    // The series of the tolerance that "Calculate" paints, which selects
    // "±5%" when nothing is selected.
    const int position = Item(L"Combo1").ListIndex();
    const auto series = reader::SeriesFor(MAs(platform::IntegerText(position == -1 ? kFivePercentPosition : position)));
    if (series.empty()) return;
    const auto text = writer::SteppedText(writing->ohms, series.front(), up ? writer::Step::Up : writer::Step::Down,
                                          platform::DecimalSeparator());
    if (!text) return;   // an end of the range
    platform::Control& box = Item(L"Text1");
    box.SetText(*text);
    const auto end = static_cast<WPARAM>(text->size());
    SendMessageW(box.hWnd(), EM_SETSEL, end, static_cast<LPARAM>(end));
    CCal_Click();
}

}  // namespace ui

// Up and Down in the value box: the next larger or smaller standard value of
// the selected tolerance's series, its bands at once. In a one-line text box
// these keys would only move the caret.
#include "platform/conversions.h"
#include "platform/number_text.h"
#include "reader/series_note.h"
#include "ui/form1.h"
#include "writer/standard_step.h"

namespace ui {

void Form1::StepValue(bool up) {
    // From the value that "Calculate" would read; a text it would refuse is
    // refused alike, and nothing is written.
    const auto writing = ValueToWrite();
    if (!writing) return;
    // The series of the tolerance that "Calculate" paints, which selects
    // "±5%" when nothing is selected.
    const int position = found_.toleranceList->ListIndex();
    const auto series = reader::SeriesFor(MAs(platform::IntegerText(position == -1 ? kFivePercentPosition : position)));
    if (series.empty()) return;
    const auto text = writer::SteppedText(writing->ohms, series.front(), up ? writer::Step::Up : writer::Step::Down,
                                          platform::DecimalSeparator());
    if (!text) return;   // an end of the range
    found_.valueBox->SetText(*text);
    found_.valueBox->MoveCaretToEnd();
    CCal_Click();
}

}  // namespace ui

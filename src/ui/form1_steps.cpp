// Up and Down in the value box: the next larger or smaller standard value of
// the selected tolerance's series, its bands at once. In a one-line text box
// these keys would only move the caret.
#include "base/number_text.h"
#include "model/colour_code.h"
#include "reader/series_note.h"
#include "services/conversions.h"
#include "ui/form1.h"
#include "writer/standard_step.h"

namespace ui {

void Form1::StepValue(bool up) {
    if (const auto text = SteppedValueText(up)) {
        found_.valueBox->SetText(*text);
        found_.valueBox->MoveCaretToEnd();
    }
    // At an end of the steps, or for a text it refuses, what is typed is
    // calculated as it stands: the box and the bands never disagree.
    CCal_Click();
}

std::optional<std::wstring> Form1::SteppedValueText(bool up) const {
    // From the value that "Calculate" would read.
    std::wstring refusal;
    const auto writing = ReadValueBox(refusal);
    if (!writing) return std::nullopt;
    // The series of the tolerance that "Calculate" paints, which selects
    // "±5%" when nothing is selected.
    const int position = found_.toleranceList->ListIndex();
    const auto series =
        reader::SeriesFor(model::IndexOfText(MAs(base::IntegerText(position == -1 ? kFivePercentPosition : position))));
    if (series.empty()) return std::nullopt;
    return writer::SteppedText(writing->ohms, series.front(), up ? writer::Step::Up : writer::Step::Down,
                               services::DecimalSeparator());
}

}  // namespace ui

// Writing bands: "Calculate" paints the four-band writer from the typed value
// and the chosen tolerance.
#include "platform/conversions.h"
#include "ui/form1.h"
#include "writer/band_choice.h"

namespace ui {

void Form1::CCal_Click() {
    // The bands come from the number the text stands for, not from its
    // characters: "4.7" is Yellow, Purple, Gold. A text that is no number, or
    // a number no four-band code can show, leaves bands 1 to 3 as they are;
    // they change together or not at all.
    if (const auto value = platform::TextToDouble(Item(L"Text1").Text())) {
        if (const auto bands = writer::BandsForValue(*value)) {
            PaintBand(L"Picture1", platform::IntegerText(bands->first));
            PaintBand(L"Picture2", platform::IntegerText(bands->second));
            PaintBand(L"Picture3", platform::IntegerText(bands->multiplier));
        }
    }
    platform::Control& list = Item(L"Combo1");
    if (list.ListIndex() == -1) list.SetListIndex(6);
    PaintBand(L"Picture4", MAs(platform::IntegerText(list.ListIndex())));
}

}  // namespace ui

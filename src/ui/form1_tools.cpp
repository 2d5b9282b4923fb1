// F6 and Shift+F6: the focus goes round the window's three tools in reading
// order, rather than through the hundred-odd tab stops between them.
#include "ui/form1.h"

namespace ui {

std::array<Form1::Tool, 3> Form1::Tools() const {
    // Top left the five-band reader, top right the four-band reader, bottom
    // left the writer (kReaders is in the order of the readers' selectors).
    return {{{&found_.readers[1], found_.readers[1].readout}, {&found_.readers[0], found_.readers[0].readout}, {&found_.writerBands, found_.valueBox}}};
}

std::size_t Form1::ToolOf(const platform::Control& control) const {
    const auto tools = Tools();
    const BandControls* drawing = DrawingOf(control);
    const bool writes = &control == found_.toleranceList || &control == found_.calculate || &control == found_.ohm;
    for (std::size_t t = 0; t < tools.size(); ++t)
        if (drawing == tools[t].drawing || &control == tools[t].box || (writes && tools[t].drawing == &found_.writerBands))
            return t;
    return tools.size();   // the legend and About, bottom right: after the writer
}

void Form1::MoveAmongTools(const platform::Control& from, bool backwards) {
    const auto tools = Tools();
    const std::size_t count = tools.size(), at = ToolOf(from);
    const std::size_t to = backwards ? (at == 0 ? count - 1 : at - 1) : (at + 1 >= count ? 0 : at + 1);
    if (tools[to].box->CanFocus()) FocusByKey(*tools[to].box);
}

}  // namespace ui

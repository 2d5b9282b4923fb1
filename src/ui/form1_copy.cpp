// Copying a reading: a drawing's value without the readout's padding, or its
// bands' colour names, put on the clipboard from its context menu or by
// Ctrl+C on its drawing, bands and swatches.
#include "reader/quoted_reading.h"
#include "services/clipboard.h"
#include "ui/form1.h"

namespace ui {

std::optional<model::BandRow> Form1::ChosenBands(const BandControls& drawing) const {
    // Before a reader's first reading its bands are the design's, which nobody chose.
    if (drawing.readout && !drawing.read) return std::nullopt;
    return BandRowOf(drawing);
}

std::wstring Form1::QuotedReadingOf(const BandControls& drawing) const {
    const auto bands = ChosenBands(drawing);
    return bands ? reader::QuotedReadout(*bands, kPlatformNumbers) : std::wstring();
}

std::wstring Form1::ColourNamesOf(const BandControls& drawing) const {
    const auto bands = ChosenBands(drawing);
    return bands ? reader::BandColourNames(*bands) : std::wstring();
}

void Form1::Copy(const std::wstring& text) {
    // Another program keeping the clipboard open leaves it as it was: a beep says nothing was copied.
    if (!text.empty() && !services::CopyToClipboard(hWnd(), text)) MessageBeep(MB_ICONWARNING);
}

bool Form1::CopyReadingOf(const platform::Control& box) {
    const BandControls* drawing = DrawingOf(box);
    if (!drawing) return false;
    Copy(QuotedReadingOf(*drawing));
    return true;
}

}  // namespace ui

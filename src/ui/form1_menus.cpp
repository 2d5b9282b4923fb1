// The main window's menus: a drawing's context menu, which copies its
// reading and, on a reader, reads its bands from the other end; "Always on
// top" in the window's system menu.
#include "reader/misread.h"
#include "services/menu.h"
#include "services/topmost.h"
#include "ui/form1.h"

namespace ui {
namespace {

// A reader's menu leads with its value, the writer's with its colours, the
// bands one looks for in the drawer; each item has a key of its own there.
constexpr wchar_t kCopyValue[] = L"&Copy value";
constexpr wchar_t kCopyColours[] = L"Copy &colours";
constexpr wchar_t kCopyWrittenValue[] = L"Copy &value";
constexpr wchar_t kReadFromOtherEnd[] = L"&Read from the other end";
constexpr wchar_t kAlwaysOnTop[] = L"Always on &top";
// The system menu's own commands start at 0xF000.
constexpr UINT kAlwaysOnTopCommand = 0x0010;

}  // namespace

const BandControls* Form1::DrawingOf(const platform::Control& control) const {
    // A swatch belongs where the band it paints does.
    const auto swatch = SwatchOf(control);
    const platform::Control& shown = swatch ? *found_.paletteBands[static_cast<std::size_t>(swatch->palette)] : control;
    if (const auto band = BandAtOf(shown)) return band->drawing;
    for (const BandControls* drawing : {&found_.readers[0], &found_.readers[1], &found_.writerBands})
        if (&shown == drawing->drawing) return drawing;
    return nullptr;
}

bool Form1::OnContextMenu(platform::Control* target, POINT screen) {
    const BandControls* drawing = target ? DrawingOf(*target) : nullptr;
    if (!drawing) return false;   // the legend and the rest have no menu
    const std::wstring value = QuotedReadingOf(*drawing), colours = ColourNamesOf(*drawing);
    if (drawing == &found_.writerBands) {
        const int chosen =
            services::ShowContextMenu(hWnd(), screen, {{kCopyColours, !colours.empty()}, {kCopyWrittenValue, !value.empty()}});
        if (chosen >= 0) Copy(chosen == 0 ? colours : value);
        return true;
    }
    const auto reader = static_cast<std::size_t>(drawing - found_.readers.data());
    const bool possible = reader::OtherEnd(BandRowOf(*drawing), *kReaders[reader].colours).has_value();
    const int chosen = services::ShowContextMenu(
        hWnd(), screen, {{kCopyValue, !value.empty()}, {kCopyColours, !colours.empty()}, {kReadFromOtherEnd, possible}});
    if (chosen == 2) FlipReader(reader);
    else if (chosen >= 0) Copy(chosen == 0 ? value : colours);
    return true;
}

void Form1::FlipReader(std::size_t reader) {
    const BandControls& bands = found_.readers[reader];
    const auto reversed = reader::OtherEnd(BandRowOf(bands), *kReaders[reader].colours);
    if (!reversed) return;
    // Every band reversed holds a colour its place offers.
    PaintRow(bands, *reversed);
    RRang(kReaders[reader].selector);
}

void Form1::AppendAlwaysOnTop() { services::AppendToSystemMenu(hWnd(), kAlwaysOnTopCommand, kAlwaysOnTop); }

bool Form1::OnSystemCommand(UINT command) {
    if (command != kAlwaysOnTopCommand) return false;
    services::SetTopmost(hWnd(), !services::IsTopmost(hWnd()));
    // The check mark tells what the window does, not what was asked.
    services::CheckSystemMenuItem(hWnd(), kAlwaysOnTopCommand, services::IsTopmost(hWnd()));
    return true;
}

}  // namespace ui

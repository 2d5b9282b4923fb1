// The main window's menus: a reader's context menu, which reads its bands
// from the other end, and "Always on top" in the window's system menu.
#include "platform/menu.h"
#include "platform/topmost.h"
#include "reader/misread.h"
#include "ui/form1.h"

namespace ui {
namespace {

constexpr wchar_t kReadFromOtherEnd[] = L"&Read from the other end";
constexpr wchar_t kAlwaysOnTop[] = L"Always on &top";
// The system menu's own commands start at 0xF000.
constexpr UINT kAlwaysOnTopCommand = 0x0010;

}  // namespace

std::optional<std::size_t> Form1::ReaderOf(const platform::Control& control) const {
    // A swatch belongs where the band it paints does.
    const auto swatch = SwatchOf(control);
    const platform::Control& shown = swatch ? *found_.paletteBands[static_cast<std::size_t>(swatch->palette)] : control;
    const auto band = BandAtOf(shown);
    for (std::size_t r = 0; r < found_.readers.size(); ++r)
        if (&shown == found_.readers[r].drawing || (band && band->drawing == &found_.readers[r])) return r;
    return std::nullopt;
}

bool Form1::OnContextMenu(platform::Control* target, POINT screen) {
    const auto reader = target ? ReaderOf(*target) : std::nullopt;
    if (!reader) return false;   // the writer's drawing and the rest have no menu
    const bool possible = reader::OtherEnd(BandIndexes(found_.readers[*reader]), OfferedBy(kReaders[*reader])).has_value();
    if (platform::ShowContextMenu(hWnd(), screen, {{kReadFromOtherEnd, possible}}) == 0) FlipReader(*reader);
    return true;
}

void Form1::FlipReader(std::size_t reader) {
    const BandControls& bands = found_.readers[reader];
    const auto reversed = reader::OtherEnd(BandIndexes(bands), OfferedBy(kReaders[reader]));
    if (!reversed) return;
    for (std::size_t i = 0; i < reversed->digits.size(); ++i) PaintBand(*bands.digits[i], reversed->digits[i]);
    PaintBand(*bands.multiplier, reversed->multiplier);
    PaintBand(*bands.tolerance, reversed->tolerance);
    RRang(kReaders[reader].selector);
}

void Form1::AppendAlwaysOnTop() { platform::AppendToSystemMenu(hWnd(), kAlwaysOnTopCommand, kAlwaysOnTop); }

bool Form1::OnSystemCommand(UINT command) {
    if (command != kAlwaysOnTopCommand) return false;
    platform::SetTopmost(hWnd(), !platform::IsTopmost(hWnd()));
    // The check mark tells what the window does, not what was asked.
    platform::CheckSystemMenuItem(hWnd(), kAlwaysOnTopCommand, platform::IsTopmost(hWnd()));
    return true;
}

}  // namespace ui

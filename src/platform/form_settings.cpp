// What a form follows of the user's settings while it runs: the display's
// dpi, the size of text, and high contrast.
#include <algorithm>

#include "platform/form.h"

namespace platform {
namespace {

// The work area of the monitor nearest `where` (screen coordinates); false
// when the system cannot tell.
bool WorkAreaNear(const RECT& where, RECT& work) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromRect(&where, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
    work = monitor.rcWork;
    return true;
}

}  // namespace

void Form::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0) return;
    displayDpi_ = dpi;
    const int layout = LayoutDpi(suggested);
    // At the display's own scale the window takes the rectangle the system
    // suggests; with larger text, a size of its own at that corner.
    Rescale(layout, layout == dpi ? suggested : WindowAt(layout, {suggested.left, suggested.top}));
}

int Form::LayoutDpi(const RECT& where) const {
    const double scale = TextScale();
    if (scale <= 1) return displayDpi_;   // as most users have it: no monitor to ask about
    RECT work{};
    if (!WorkAreaNear(where, work)) return displayDpi_;
    const int fitting = FittingDpi({def_.clientWidth, def_.clientHeight}, WindowSize(0), work);
    return std::max(displayDpi_, std::min(RoundHalfEven(displayDpi_ * scale), fitting));
}

SIZE Form::WindowSize(int dpi) const {
    RECT frame{0, 0, TwipsToPixels(def_.clientWidth, dpi), TwipsToPixels(def_.clientHeight, dpi)};
    AdjustWindowRectEx(&frame, def_.style, FALSE, 0);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

RECT Form::WindowAt(int dpi, POINT corner) const {
    const SIZE size = WindowSize(dpi);
    RECT window{corner.x, corner.y, corner.x + size.cx, corner.y + size.cy};
    RECT work{};
    if (!WorkAreaNear(window, work)) return window;
    OffsetRect(&window, std::min(0L, work.right - window.right), std::min(0L, work.bottom - window.bottom));
    OffsetRect(&window, std::max(0L, work.left - window.left), std::max(0L, work.top - window.top));
    return window;
}

POINT Form::CornerAt(int dpi, const RECT& now) const {
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    if (def_.start == StartPosition::CenterOwner && owner) return StartCorner(owner, WindowSize(dpi));
    return {now.left, now.top};
}

void Form::Recentre() {
    RECT now{};
    GetWindowRect(hwnd_, &now);
    const RECT window = WindowAt(dpi_, CornerAt(dpi_, now));
    SetWindowPos(hwnd_, nullptr, window.left, window.top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

void Form::OnUserSettings(UINT msg) {
    const bool contrast = HighContrastOn();
    // Colours change with every one of these messages but a settings change
    // other than high contrast's.
    const bool recoloured = msg != WM_SETTINGCHANGE || contrast != highContrast_;
    highContrast_ = contrast;
    RECT now{};
    GetWindowRect(hwnd_, &now);
    // A new text size lays the form out as a new display's dpi does.
    if (const int dpi = LayoutDpi(now); dpi != dpi_) {
        Rescale(dpi, WindowAt(dpi, CornerAt(dpi, now)));
        // The form shown over this one, laid out again before or after it,
        // is centred over it as it now is.
        if (modalOver_)
            if (auto* over = reinterpret_cast<Form*>(GetWindowLongPtrW(modalOver_, GWLP_USERDATA))) over->Recentre();
    }
    if (!recoloured) return;
    for (const auto& control : controls_) control->ForgetImage();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace platform

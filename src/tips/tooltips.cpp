#include "tips/tooltips.h"

#include "platform/units.h"

namespace tips {

using platform::Control;
using platform::Kind;

constexpr int kBalloonWidth = 400;   // one sentence on a line or two

bool TooltipWindow::Make(const platform::Form& form, DWORD styles) {
    if (hwnd_) return true;
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | styles,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form.hWnd(), nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    return hwnd_ != nullptr;
}

void TooltipWindow::Destroy() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void TooltipWindow::SetWidth(const platform::Form& form, int designPixels) const {
    if (hwnd_) SendMessageW(hwnd_, TTM_SETMAXTIPWIDTH, 0, platform::ScalePixels(designPixels, form.Dpi()));
}

Balloon::Balloon(platform::Form& form) : FormExtension(form), form_(form) {}

void Balloon::Destroy() {
    tip_.Destroy();
    target_ = nullptr;
    shown_ = false;
}

TTTOOLINFOW Balloon::Tool() {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = form_.hWnd();
    tool.uId = 1;
    tool.lpszText = text_.data();
    return tool;
}

bool Balloon::Create() {
    if (tip_.get()) return true;
    if (!tip_.Make(form_, TTS_BALLOON)) return false;
    TTTOOLINFOW tool = Tool();
    SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    tip_.SetWidth(form_, kBalloonWidth);
    return true;
}

void Balloon::OnRescaled() {
    // Hidden already: the window was sized to its new scale (WM_SIZE below).
    tip_.SetWidth(form_, kBalloonWidth);
}

void Balloon::Show(const Control& at, const std::wstring& title, const std::wstring& text, BalloonIcon icon) {
    const HWND target = at.hWnd();
    if (!form_.hWnd() || !target || !Create()) return;
    target_ = target;
    text_ = text;
    title_ = title;
    TTTOOLINFOW tool = Tool();
    SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_.get(), TTM_SETTITLEW, icon == BalloonIcon::Warning ? TTI_WARNING : TTI_INFO,
                 reinterpret_cast<LPARAM>(title_.c_str()));
    RECT r{};
    GetWindowRect(target, &r);
    SendMessageW(tip_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM((r.left + r.right) / 2, r.bottom));
    SendMessageW(tip_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    shown_ = true;
}

void Balloon::Hide() {
    if (!shown_) return;
    TTTOOLINFOW tool = Tool();
    SendMessageW(tip_.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    shown_ = false;
}

bool Balloon::OnMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT&) {
    if (window != form_.hWnd()) return false;
    switch (msg) {
    case WM_SIZE:
        // Minimised, the window hides the balloon with it and shows it again,
        // empty, when restored: it goes for good, to be made afresh.
        if (wp == SIZE_MINIMIZED) Destroy();
        else Hide();
        break;
    case WM_MOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: Hide(); break;
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) Hide();
        break;
    case WM_PARENTNOTIFY: {
        // A press on a child window, at a place on the form's client area; a
        // press on the form's own surface comes as WM_LBUTTONDOWN.
        const WORD event = LOWORD(wp);
        const POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if ((event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN || event == WM_MBUTTONDOWN) &&
            ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE) != target_)
            Hide();
        break;
    }
    case WM_DESTROY: Destroy(); break;
    }
    return false;
}

void Tips::Create() {
    if (!tip_.Make(form_, 0)) return;
    tip_.SetWidth(form_, 320);   // several lines rather than one long one
    const auto& controls = form_.Controls();
    // The tooltip takes the first of its tools that holds the mouse: the
    // boxes on top come first, so a band's tip wins over its drawing's.
    // Every named control gets a tool; its words are asked for when its tip
    // is to show, and a control with none then shows none.
    for (std::size_t i = controls.size(); i-- > 0;) {
        const Control& control = *controls[i];
        if (!teller_.Named(control)) continue;
        TTTOOLINFOW tool = BoxTool(i);
        if (control.hWnd()) {
            tool.uFlags = TTF_IDISHWND;   // its mouse comes through the form (Relay)
            tool.uId = reinterpret_cast<UINT_PTR>(control.hWnd());
        } else if (control.kind() != Kind::PictureBox) {
            continue;
        }
        SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

TTTOOLINFOW Tips::BoxTool(std::size_t position) const {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = form_.hWnd();
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    tool.uId = position + 1;
    tool.rect = form_.Controls()[position]->ClientInForm();
    return tool;
}

void Tips::OnRescaled() {
    if (!tip_.get()) return;
    tip_.SetWidth(form_, 320);
    // A box that has no tool is not found: the tooltip ignores it.
    for (std::size_t i = 0; i < form_.Controls().size(); ++i) {
        if (form_.Controls()[i]->hWnd()) continue;
        TTTOOLINFOW tool = BoxTool(i);
        SendMessageW(tip_.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Tips::Relay(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (!tip_.get()) return;
    // The message's own time and place, not GetCursorPos: that asks the
    // window server, at every mouse message.
    const DWORD at = GetMessagePos();
    MSG message{window, msg, wp, lp, static_cast<DWORD>(GetMessageTime()),
                {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))}};
    SendMessageW(tip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

const Control* Tips::ControlOf(HWND window, UINT_PTR id) const {
    if (window) return form_.ControlOf(window);
    const auto& controls = form_.Controls();
    return id >= 1 && id <= controls.size() ? controls[id - 1].get() : nullptr;
}

void Tips::GiveText(NMTTDISPINFOW& info) {
    const bool isWindow = (info.uFlags & TTF_IDISHWND) != 0;
    const Control* control = ControlOf(isWindow ? reinterpret_cast<HWND>(info.hdr.idFrom) : nullptr, info.hdr.idFrom);
    text_ = control ? teller_.Words(*control).tip : std::wstring();
    info.lpszText = text_.data();
    info.hinst = nullptr;
}

void Tips::Refresh() {
    if (!tip_.get() || !IsWindowVisible(tip_.get())) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    if (!SendMessageW(tip_.get(), TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) return;
    const bool isWindow = (tool.uFlags & TTF_IDISHWND) != 0;
    const Control* control = ControlOf(isWindow ? reinterpret_cast<HWND>(tool.uId) : nullptr, tool.uId);
    if (!control || teller_.Words(*control).tip.empty()) {
        SendMessageW(tip_.get(), TTM_POP, 0, 0);
        return;
    }
    // Its text is asked for again (GiveText), and the tip fitted to it.
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool Tips::OnMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
        // Made at the first move over the form, long after it is painted.
        if (!tip_.get() && msg == WM_MOUSEMOVE && form_.hWnd()) Create();
        Relay(window, msg, wp, lp);
        return false;
    }
    if (window != form_.hWnd()) return false;
    if (msg == WM_DESTROY) tip_.Destroy();
    const auto* header = reinterpret_cast<const NMHDR*>(lp);
    if (msg != WM_NOTIFY || !tip_.get() || header->hwndFrom != tip_.get() || header->code != TTN_GETDISPINFOW)
        return false;
    GiveText(*reinterpret_cast<NMTTDISPINFOW*>(lp));
    result = 0;
    return true;
}

}  // namespace tips

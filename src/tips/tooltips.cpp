#include "tips/tooltips.h"

#include "platform/units.h"

namespace tips {

using platform::Control;
using platform::Kind;

Balloon::Balloon(platform::Form& form) : form_(form) { form.Extend(*this); }

Balloon::~Balloon() { Destroy(); }

void Balloon::Destroy() {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
    tip_ = target_ = nullptr;
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
    if (tip_) return true;
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, form_.hWnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tip_) return false;
    TTTOOLINFOW tool = Tool();
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    OnRescaled();
    return true;
}

void Balloon::OnRescaled() {
    if (tip_) SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, platform::ScalePixels(400, form_.Dpi()));   // one sentence on a line or two
}

void Balloon::Show(const Control& at, const std::wstring& title, const std::wstring& text, BalloonIcon icon) {
    const HWND target = at.hWnd();
    if (!form_.hWnd() || !target || !Create()) return;
    target_ = target;
    text_ = text;
    title_ = title;
    TTTOOLINFOW tool = Tool();
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_SETTITLEW, icon == BalloonIcon::Warning ? TTI_WARNING : TTI_INFO,
                 reinterpret_cast<LPARAM>(title_.c_str()));
    RECT r{};
    GetWindowRect(target, &r);
    SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM((r.left + r.right) / 2, r.bottom));
    SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    shown_ = true;
}

void Balloon::Hide() {
    if (!tip_ || !shown_) return;
    TTTOOLINFOW tool = Tool();
    SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    shown_ = false;
}

bool Balloon::OnMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT&) {
    if (window != form_.hWnd()) return false;
    switch (msg) {
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
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_.hWnd(), nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    if (!tip_) return;
    SetWidth();
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
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
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

void Tips::SetWidth() {
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, platform::ScalePixels(320, form_.Dpi()));   // several lines rather than one long one
}

void Tips::OnRescaled() {
    if (!tip_) return;
    SetWidth();
    // A box that has no tool is not found: the tooltip ignores it.
    for (std::size_t i = 0; i < form_.Controls().size(); ++i) {
        if (form_.Controls()[i]->hWnd()) continue;
        TTTOOLINFOW tool = BoxTool(i);
        SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

Tips::~Tips() { Destroy(); }

void Tips::Destroy() {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
    tip_ = nullptr;
}

void Tips::Relay(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (!tip_) return;
    // The message's own time and place, not GetCursorPos: that asks the
    // window server, at every mouse message.
    const DWORD at = GetMessagePos();
    MSG message{window, msg, wp, lp, static_cast<DWORD>(GetMessageTime()),
                {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))}};
    SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
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

bool Tips::OnMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
        // Made at the first move over the form, long after it is painted.
        if (!tip_ && msg == WM_MOUSEMOVE && form_.hWnd()) Create();
        Relay(window, msg, wp, lp);
        return false;
    }
    if (window != form_.hWnd()) return false;
    if (msg == WM_DESTROY) Destroy();
    const auto* header = reinterpret_cast<const NMHDR*>(lp);
    if (msg != WM_NOTIFY || !tip_ || header->hwndFrom != tip_ || header->code != TTN_GETDISPINFOW) return false;
    GiveText(*reinterpret_cast<NMTTDISPINFOW*>(lp));
    result = 0;
    return true;
}

}  // namespace tips

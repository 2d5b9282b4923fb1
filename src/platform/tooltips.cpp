#include <windows.h>
#include <commctrl.h>

#include "platform/tooltips.h"

#include "platform/form.h"
#include "platform/units.h"

namespace platform {

Balloon::~Balloon() {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
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
    Rescale();
    return true;
}

void Balloon::Rescale() {
    if (tip_) SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, ScalePixels(400, form_.Dpi()));   // one sentence on a line or two
}

void Balloon::Show(HWND target, BalloonIcon icon, const std::wstring& title, const std::wstring& text) {
    if (!Create()) return;
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

}  // namespace platform

namespace platform {

BoxTips::BoxTips(Form& form) : form_(form) {
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form.hWnd(), nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    if (!tip_) return;
    SetWidth();
    const auto& controls = form.Controls();
    // The tooltip takes the first of its tools that holds the mouse: the
    // boxes on top come first, so a band's tip wins over its drawing's.
    // Every named control gets a tool; its words are asked for when its tip
    // is to show, and a control with none then shows none.
    for (std::size_t i = controls.size(); i-- > 0;) {
        const Control& control = *controls[i];
        if (!form.Named(control)) continue;
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

TTTOOLINFOW BoxTips::BoxTool(std::size_t position) const {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = form_.hWnd();
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    tool.uId = position + 1;
    tool.rect = form_.Controls()[position]->FormClientRect();
    return tool;
}

void BoxTips::SetWidth() {
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, ScalePixels(320, form_.Dpi()));   // several lines rather than one long one
}

void BoxTips::Rescale() {
    if (!tip_) return;
    SetWidth();
    // A box that has no tool is not found: the tooltip ignores it.
    for (std::size_t i = 0; i < form_.Controls().size(); ++i) {
        if (form_.Controls()[i]->hWnd()) continue;
        TTTOOLINFOW tool = BoxTool(i);
        SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

BoxTips::~BoxTips() {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

void BoxTips::Relay(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (!tip_) return;
    // The message's own time and place, not GetCursorPos: that asks the
    // window server, at every mouse message.
    const DWORD at = GetMessagePos();
    MSG message{window, msg, wp, lp, static_cast<DWORD>(GetMessageTime()),
                {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))}};
    SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

Control* BoxTips::ControlOf(HWND window, UINT_PTR id) const {
    if (window) return form_.ControlOf(window);
    const auto& controls = form_.Controls();
    return id >= 1 && id <= controls.size() ? controls[id - 1].get() : nullptr;
}

void BoxTips::GiveText(NMTTDISPINFOW& info) {
    const bool isWindow = (info.uFlags & TTF_IDISHWND) != 0;
    const Control* control = ControlOf(isWindow ? reinterpret_cast<HWND>(info.hdr.idFrom) : nullptr, info.hdr.idFrom);
    text_ = control ? form_.Words(*control).tip : std::wstring();
    info.lpszText = text_.data();
    info.hinst = nullptr;
}

// The form's side: the balloon at one of its controls, and its tips.

void Form::ShowBalloon(const Control& at, const std::wstring& title, const std::wstring& text, BalloonIcon icon) {
    if (!hwnd_ || !at.hWnd()) return;
    if (!balloon_) balloon_ = std::make_unique<Balloon>(*this);
    balloon_->Show(at.hWnd(), icon, title, text);
}

void Form::HideBalloon() {
    if (balloon_) balloon_->Hide();
}

HWND Form::BalloonWindow() const { return balloon_ ? balloon_->hWnd() : nullptr; }

HWND Form::TipWindow() const { return tips_ ? tips_->hWnd() : nullptr; }

LRESULT Form::OnNotify(LPARAM lp) {
    auto* header = reinterpret_cast<NMHDR*>(lp);
    if (tips_ && header->hwndFrom == tips_->hWnd() && header->code == TTN_GETDISPINFOW)
        tips_->GiveText(*reinterpret_cast<NMTTDISPINFOW*>(lp));
    return 0;
}

}  // namespace platform

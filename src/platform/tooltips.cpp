#include <windows.h>
#include <commctrl.h>

#include "platform/tooltips.h"

namespace platform {

Balloon::~Balloon() {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

TTTOOLINFOW Balloon::Tool() {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = owner_;
    tool.uId = 1;
    tool.lpszText = text_.data();
    return tool;
}

bool Balloon::Create() {
    if (tip_) return true;
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tip_) return false;
    TTTOOLINFOW tool = Tool();
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 320);   // a long sentence wraps
    return true;
}

void Balloon::Show(HWND target, const std::wstring& title, const std::wstring& text) {
    if (!Create()) return;
    text_ = text;
    title_ = title;
    TTTOOLINFOW tool = Tool();
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_SETTITLEW, TTI_WARNING, reinterpret_cast<LPARAM>(title_.c_str()));
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

// Tooltip windows of a form, each made when it is first needed, never before
// the form is painted: a balloon that points at a control and says why, and
// (see BoxTips) the tips of the boxes the form draws.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/form.h"

namespace platform {

// A balloon pointing at a window: a tracking tooltip, for the v6 edit's own
// balloon (EM_SHOWBALLOONTIP) shows nothing under Wine.
class Balloon {
public:
    explicit Balloon(HWND owner) : owner_(owner) {}
    ~Balloon();
    Balloon(const Balloon&) = delete;
    Balloon& operator=(const Balloon&) = delete;

    // Points at the middle of `target`'s bottom edge, `icon` beside the title.
    void Show(HWND target, BalloonIcon icon, const std::wstring& title, const std::wstring& text);
    void Hide();
    bool Shown() const { return shown_; }
    HWND hWnd() const { return tip_; }

private:
    bool Create();
    TTTOOLINFOW Tool();

    HWND owner_;
    HWND tip_ = nullptr;
    std::wstring text_;
    std::wstring title_;
    bool shown_ = false;
};

// One tooltip window for a form: a tool for each drawn box, and each control
// window, that has a tip, the text asked of the form when the tip shows.
class BoxTips {
public:
    explicit BoxTips(Form& form);
    ~BoxTips();
    BoxTips(const BoxTips&) = delete;
    BoxTips& operator=(const BoxTips&) = delete;

    HWND hWnd() const { return tip_; }
    // Hands the tooltip a mouse message of the form's window.
    void Relay(UINT msg, WPARAM wp, LPARAM lp);
    // TTN_GETDISPINFOW from the tooltip: fills in the tip of its tool.
    void GiveText(NMTTDISPINFOW& info);
    // The control of a tool of this tooltip; nullptr for none.
    Control* ControlOf(HWND window, UINT_PTR id) const;

private:
    Form& form_;
    HWND tip_ = nullptr;
    std::wstring text_;   // the last tip given, alive while the tooltip shows it
};

}  // namespace platform

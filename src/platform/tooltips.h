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
    explicit Balloon(const Form& form) : form_(form) {}
    ~Balloon();
    Balloon(const Balloon&) = delete;
    Balloon& operator=(const Balloon&) = delete;

    // Points at the middle of `target`'s bottom edge, `icon` beside the title.
    void Show(HWND target, BalloonIcon icon, const std::wstring& title, const std::wstring& text);
    void Hide();
    // The form's dpi has changed.
    void Rescale();
    bool Shown() const { return shown_; }
    HWND hWnd() const { return tip_; }
    // The window it points at, or last pointed at; nullptr before it first shows.
    HWND Target() const { return target_; }

private:
    bool Create();
    TTTOOLINFOW Tool();

    const Form& form_;
    HWND tip_ = nullptr;
    HWND target_ = nullptr;
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
    // Hands the tooltip a mouse message of the form's window or of a control window.
    void Relay(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    // TTN_GETDISPINFOW from the tooltip: fills in the tip of its tool.
    void GiveText(NMTTDISPINFOW& info);
    // After the form was laid out at another dpi: the boxes' tools where the
    // boxes are now, and the tips' width.
    void Rescale();

private:
    // The control of a tool of this tooltip; nullptr for none.
    Control* ControlOf(HWND window, UINT_PTR id) const;
    // A box's tool covers its client area: neighbouring swatches share a border line.
    TTTOOLINFOW BoxTool(std::size_t position) const;
    void SetWidth();

    Form& form_;
    HWND tip_ = nullptr;
    std::wstring text_;   // the last tip given, alive while the tooltip shows it
};

}  // namespace platform

// Tooltips of a form, each window made when it is first needed, never before
// the form is painted: a balloon that points at a control and says why, and
// the tips of the form's controls, their words asked of the form when a tip
// is to show. Both are extensions of the form: they hear its messages.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/form.h"
#include "words/control_words.h"

namespace tips {

// The icon beside a balloon's title: a warning for what was refused, the
// information icon for what was done but needs saying.
enum class BalloonIcon { Warning, Information };

// A tooltip window over a form, made when it is first needed and destroyed
// with its owner object or with the form's window, whichever goes first.
class TooltipWindow {
public:
    TooltipWindow() = default;
    ~TooltipWindow() { Destroy(); }
    TooltipWindow(const TooltipWindow&) = delete;
    TooltipWindow& operator=(const TooltipWindow&) = delete;

    // Made over `form`'s window, topmost, with `styles` beside the ones every
    // tip of the form has; false when it cannot be made.
    bool Make(const platform::Form& form, DWORD styles);
    void Destroy();
    // Its lines wrap at `designPixels` (at 96 dpi), scaled to the form's dpi.
    void SetWidth(const platform::Form& form, int designPixels) const;
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

// A balloon pointing at a control window: a tracking tooltip of our own
// rather than the edit's EM_SHOWBALLOONTIP (WINE.md, 6). It goes
// when hidden, at a mouse press anywhere but on the control it points at,
// and when the window moves, is sized, minimised or scaled, or another
// window becomes active.
class Balloon : public platform::FormExtension {
public:
    explicit Balloon(platform::Form& form);
    ~Balloon() { Destroy(); }   // its window goes while the balloon is whole

    // Points at the middle of `target`'s bottom edge, `icon` beside the title.
    void Show(const platform::Control& target, const std::wstring& title, const std::wstring& text,
              BalloonIcon icon = BalloonIcon::Warning);
    void Hide();
    // Its window, once it has first shown; nullptr before.
    HWND hWnd() const { return tip_.get(); }

    bool OnMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnRescaled() override;

private:
    bool Create();
    TTTOOLINFOW Tool();
    void Destroy();

    platform::Form& form_;
    TooltipWindow tip_;
    HWND target_ = nullptr;   // the window it points at, or last pointed at
    std::wstring text_;
    std::wstring title_;
    bool shown_ = false;
};

// One tooltip window for a form, made at the first move of the mouse over
// it: a tool for each control the form names, box or window.
class Tips : public platform::FormExtension {
public:
    Tips(platform::Form& form, const words::Teller& teller) : FormExtension(form), form_(form), teller_(teller) {}
    ~Tips() { tip_.Destroy(); }   // its window goes while the tips are whole

    // The tooltip window once the mouse has been over the form; nullptr before.
    HWND hWnd() const { return tip_.get(); }
    // The words of the control whose tip is showing may have changed (its
    // colour, or the value it tells): the tip shows them as they are now, or
    // goes when there are none. A tip never tells what is no longer shown.
    void Refresh();

    bool OnMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnRescaled() override;

private:
    void Create();
    // Hands the tooltip a mouse message of the form's window or of a control window.
    void Relay(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    // TTN_GETDISPINFOW from the tooltip: fills in the tip of its tool.
    void GiveText(NMTTDISPINFOW& info);
    // The control of a tool of this tooltip; nullptr for none.
    const platform::Control* ControlOf(HWND window, UINT_PTR id) const;
    // A box's tool covers its client area: neighbouring swatches share a border line.
    TTTOOLINFOW BoxTool(std::size_t position) const;

    platform::Form& form_;
    const words::Teller& teller_;
    TooltipWindow tip_;
    std::wstring text_;   // the last tip given, alive while the tooltip shows it
};

}  // namespace tips

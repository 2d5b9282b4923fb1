// A form's input: presses and clicks on the boxes it draws, commands of its
// control windows, the keyboard on a focused box, Tab, the focus and when to
// show where it is.
#include "platform/form.h"

#include <commctrl.h>

#include <algorithm>

namespace platform {

void Form::Tab(HWND from, bool backwards) {
    const std::vector<Control*> order = TabOrder();
    if (order.empty()) return;
    // The form's window holds a box's focus.
    const Control* current = from == hwnd_ ? focusedBox_ : ControlOf(from);
    const auto at = std::find(order.begin(), order.end(), current);
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t next = at == order.end() ? -1 : at - order.begin();
    next = backwards ? (next <= 0 ? count - 1 : next - 1) : (next + 1) % count;
    FocusByKey(*order[static_cast<std::size_t>(next)]);
}

void Form::FocusByKey(Control& to) {
    ShowFocusCues();
    Focus(to);
    if (to.kind() == Kind::TextBox) SendMessageW(to.hWnd(), EM_SETSEL, 0, -1);
}

void Form::Focus(Control& control) {
    if (control.hWnd()) {
        SetFocus(control.hWnd());
    } else if (hwnd_) {
        Control* before = focusedBox_;
        focusedBox_ = &control;
        if (!hasFocus_) SetFocus(hwnd_);   // WM_SETFOCUS tells the move
        else if (before != &control) OnBoxFocusMoved(before);
    }
}

void Form::OnBoxFocusMoved(Control* before) {
    if (!focusedBox_) return;
    // The dotted rectangle moves only where it is shown: a click with the
    // mouse repaints nothing for it.
    if (FocusCuesShown()) {
        if (before) before->Invalidate();
        focusedBox_->Invalidate();
    }
    for (FormExtension* extension : extensions_) extension->OnBoxFocus(*focusedBox_);
}

Control* Form::ActiveControl() const {
    const HWND focus = GetFocus();
    if (!hwnd_ || !focus) return nullptr;
    return focus == hwnd_ ? focusedBox_ : ControlOf(focus);
}

bool Form::FocusCuesShown() const {
    return hwnd_ && !(uiState_ & UISF_HIDEFOCUS);   // what WM_QUERYUISTATE answers
}

LRESULT Form::OnChangeUiState(WPARAM wp, LPARAM lp) {
    // A form is a top-level window: the change is its own and its children's.
    WORD action = LOWORD(wp);
    if (action == UIS_INITIALIZE) {   // hidden, unless the user wants the cues all the time
        BOOL alwaysCues = FALSE;
        SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysCues, 0);
        action = alwaysCues ? UIS_CLEAR : UIS_SET;
    }
    const WORD flags = HIWORD(wp);
    const WORD next = action == UIS_SET ? (uiState_ | flags) : action == UIS_CLEAR ? (uiState_ & ~flags) : uiState_;
    if (next != uiState_) SendMessageW(hwnd_, WM_UPDATEUISTATE, MAKEWPARAM(action, flags), lp);
    return 0;
}

void Form::OnUpdateUiState(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) == UIS_SET) uiState_ |= HIWORD(wp);
    else if (LOWORD(wp) == UIS_CLEAR) uiState_ &= static_cast<WORD>(~HIWORD(wp));
    DefWindowProcW(hwnd_, WM_UPDATEUISTATE, wp, lp);   // and on to the child windows
    if (focusedBox_) focusedBox_->Invalidate();
}

void Form::ShowFocusCues() {
    if (hwnd_) SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool Form::OnBoxKey(WPARAM key, LPARAM flags) {
    if (!focusedBox_ || !hasFocus_) return false;
    if (key == VK_SPACE || key == VK_RETURN) {
        ShowFocusCues();
        if (!(flags & (1 << 30))) OnClick(*focusedBox_);   // a key held down clicks once
        return true;
    }
    if (!OnKey(*focusedBox_, static_cast<UINT>(key))) return false;
    ShowFocusCues();
    return true;
}

void Form::OnCommand(WPARAM wp, LPARAM lp) {
    const WORD code = HIWORD(wp);
    if (code != BN_CLICKED && code != EN_CHANGE) return;
    Control* control = ControlOf(reinterpret_cast<HWND>(lp));
    if (!control) return;
    if (code == BN_CLICKED) OnClick(*control);
    else OnChange(*control);
}

Control* Form::BoxAt(POINT pixel) const { return BoxAt(pixel, nullptr); }

Control* Form::BoxAt(POINT pixel, const Control* container) const {
    if (container && !container->ClientHolds(pixel)) return nullptr;   // what a box holds is cut off there
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* box = it->get();
        if (box->Container() != container || box->kind() != Kind::PictureBox || !box->Visible() || !box->Enabled())
            continue;
        const RECT r = box->OuterInForm();
        if (!PtInRect(&r, pixel)) continue;
        Control* inner = BoxAt(pixel, box);
        return inner ? inner : box;
    }
    return nullptr;
}

void Form::ClickAt(Control* container, POINT pixel) {
    // Labels lie on their container's surface: a click on one is its own.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        if ((*it)->Container() == container && (*it)->HitTest(pixel)) {
            OnClick(**it);
            return;
        }
    }
    if (container) OnClick(*container);
}

bool Form::OnContextMenuMessage(LPARAM lp) {
    if (lp == -1) {
        // From the keyboard: at the box with the focus, below its left corner.
        if (!hasFocus_ || !focusedBox_) return false;
        const RECT box = focusedBox_->ClientInForm();
        POINT at{box.left, box.bottom};
        ClientToScreen(hwnd_, &at);
        return OnContextMenu(focusedBox_, at);
    }
    const POINT screen = PointOf(lp);
    POINT at = screen;
    ScreenToClient(hwnd_, &at);
    return OnContextMenu(BoxAt(at), screen);
}

POINT Form::PointOf(LPARAM lp) { return {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}; }

void Form::OnPress(POINT at) {
    // A box's border is not its client area: a press there is nobody's.
    Control* box = BoxAt(at);
    if (box && !box->ClientHolds(at)) return;
    pressedBox_ = box;
    if (box && box->CanFocus()) Focus(*box);
    SetCapture(hwnd_);
    pressed_ = true;
}

void Form::OnRelease(POINT at) {
    if (!pressed_) return;
    Control* box = pressedBox_;
    pressed_ = false;
    pressedBox_ = nullptr;
    ReleaseCapture();
    if (!box) {
        ClickAt(nullptr, at);
        return;
    }
    // A box's click is a press and release both on it, as for a button.
    const RECT client = box->ClientInForm();
    if (box->ClientHolds(at)) ClickAt(box, POINT{at.x - client.left, at.y - client.top});
}

bool Form::BringModalAlong() {
    // Brought to the front (a taskbar, a window switch) while a form is shown
    // modally over it, the form brings that one along, and it keeps the
    // input, as the system does for a click on a disabled owner.
    if (!modalOver_ || IsWindowEnabled(hwnd_) || !IsWindowVisible(modalOver_)) return false;
    SetActiveWindow(modalOver_);
    return true;
}

bool Form::OnActivate(bool active) {
    if (active && BringModalAlong()) return true;
    // The first activation comes while the window is being shown: it is on
    // the screen, still empty, and the rest of showing it (the focus moving
    // in, which starts the input method, and the controls' frames) comes
    // before the first WM_PAINT would. Painted here, it shows finished at
    // once; at a later activation UpdateWindow paints only what is invalid.
    if (active) UpdateWindow(hwnd_);
    // Keep the focused control across a switch to another window and back.
    if (!active) {
        HWND focus = GetFocus();
        if (focus && (focus == hwnd_ || IsChild(hwnd_, focus))) lastFocus_ = focus;
        return false;
    }
    if (!lastFocus_ || (lastFocus_ != hwnd_ && !(IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_)))) return false;
    SetFocus(lastFocus_);
    return true;
}

}  // namespace platform

// What a screen reader finds in a form: the form's client area answers
// WM_GETOBJECT with an accessible object whose children are the boxes the
// form draws (simple elements, named by the form's ControlWords) and its
// control windows (the system's objects, under the form's name for them),
// in tab order: child id k is the k-th of them.
#pragma once
#include <windows.h>

namespace platform {

class Form;
class Control;

// Posted to the form by a screen reader's default action on a box, so that
// the click runs after the call, not inside it: wParam is the box's position
// in the form's controls.
inline constexpr UINT kBoxDefaultAction = WM_APP + 0x2A1;

// The answer for WM_GETOBJECT (OBJID_CLIENT) to a control window: a text box
// or list of the form answers screen readers under the name the form gives
// it, also when asked directly, as when its focus is followed. 0 for the
// window's own answer. Nothing is loaded until the first request.
LRESULT AnswerForControlWindow(const Form& form, const Control& control, WPARAM wp);

// Tells screen readers that the focus has moved to `control`.
void NotifyAccessibleFocus(const Form& form, const Control& control);

// The form's accessible object, made at the first request; oleacc, and COM,
// are loaded then, not at start-up.
class FormAccessibility {
public:
    explicit FormAccessibility(Form& form) : form_(form) {}
    // Cuts the object off from the form: clients still holding it get errors.
    ~FormAccessibility();
    FormAccessibility(const FormAccessibility&) = delete;
    FormAccessibility& operator=(const FormAccessibility&) = delete;

    // The answer to WM_GETOBJECT for OBJID_CLIENT; 0 when it cannot be made.
    LRESULT Answer(WPARAM wp);

private:
    Form& form_;
    struct Object;
    Object* object_ = nullptr;
};

}  // namespace platform

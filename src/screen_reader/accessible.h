// What a screen reader finds in a form: the form's client area answers
// WM_GETOBJECT with an accessible object whose children are the boxes the
// form draws (simple elements, named by the form's words) and its control
// windows (the system's objects, under the form's name for them), in tab
// order: child id k is the k-th of them. An extension of the form: oleacc,
// and COM, are loaded at the first request, not at start-up.
#pragma once
#include <windows.h>

#include "platform/form.h"
#include "words/control_words.h"

namespace screen_reader {

class Accessibility : public platform::FormExtension {
public:
    Accessibility(platform::Form& form, const words::Teller& teller);
    // Cuts the object off from the form: clients still holding it get errors.
    ~Accessibility();

    bool OnMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    // Tells screen readers that the focus has moved to `box`.
    void OnBoxFocus(const platform::Control& box) override;
    // Tells screen readers that `band` has taken another colour, so another
    // name, and that the swatch `unchosen` is no longer its column's choice
    // and `chosen` is now (either nullptr where there is none).
    void OnBandRecoloured(const platform::Control& band, const platform::Control* unchosen,
                          const platform::Control* chosen);

private:
    // The answer to WM_GETOBJECT (OBJID_CLIENT) for the form's window, or
    // for one of its text boxes and lists; 0 when it cannot be made.
    LRESULT AnswerForForm(WPARAM wp);
    LRESULT AnswerForControl(const platform::Control& control, WPARAM wp) const;
    void Disconnect();
    // Raises `event` for `box` while a client listens for it; nothing for nullptr.
    void Tell(DWORD event, const platform::Control* box) const;

    platform::Form& form_;
    const words::Teller& teller_;
    struct Object;
    Object* object_ = nullptr;
};

}  // namespace screen_reader

// What a form's controls are called beyond what they show: the words its
// tooltips and screen readers tell, asked of the form that knows them.
#pragma once
#include <string>

namespace platform {
class Control;
}

namespace words {

// The text of a control's tooltip, and the name, description, role and help
// a screen reader gives it. Empty texts are left out; a box without a name
// is not told at all.
struct ControlWords {
    std::wstring tip;
    std::wstring name;
    std::wstring description;
    bool button = false;   // pressing it does something
    std::wstring help;     // how to use it, where that is not plain
    // One of a set of choices of which one at a time is the chosen (a
    // swatch: its column's band shows one colour), and whether it is it.
    bool choice = false;
    bool chosen = false;
};

// The form that tells its controls' words.
class Teller {
public:
    virtual ControlWords Words(const platform::Control& control) const = 0;
    // Whether `control` has a name, without building its words: asked for
    // every box whenever the focus moves.
    virtual bool Named(const platform::Control& control) const = 0;

protected:
    ~Teller() = default;
};

}  // namespace words

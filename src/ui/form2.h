// The About window: who made the program and where it comes from. Borderless
// and modal; a click on its picture closes it.
#pragma once
#include <vector>

#include "platform/form.h"

namespace ui {

// The values must fit their places: the addresses left of the frame, the
// names and e-mail addresses inside it, in their bold fonts.
inline constexpr wchar_t kForumAddress[] = L"talk.bandora.example";
inline constexpr wchar_t kFirstAuthor[] = L"The Bandora authors";
inline constexpr wchar_t kSecondAuthor[] = L"Bandora contributors";
inline constexpr wchar_t kFirstMail[] = L"authors@bandora.example";
inline constexpr wchar_t kSecondMail[] = L"contrib@bandora.example";

std::vector<platform::ControlDef> Form2Layout();
platform::FormDef Form2Def();

class Form2 : public platform::Form {
public:
    Form2();
    void Picture1_Click();

protected:
    void Form_Load() override;
    void OnClick(platform::Control& control) override;
    // Escape closes the window, as Enter and a click on the picture do.
    bool OnKey(platform::Control& target, UINT key) override;
    void BeforeControlsDropped() override { picture_ = nullptr; }

private:
    platform::Control* picture_ = nullptr;   // Picture1, found when the form loads, dropped with the controls
};

}  // namespace ui

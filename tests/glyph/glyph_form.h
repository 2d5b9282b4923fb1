// A small form of the tests' own: command buttons whose widths, captions and
// fonts are chosen to hit each rule of the glyph buttons, each with a glyph
// box of its own that starts out with settings the install must change.
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "glyph/function.h"
#include "ui/pictures.h"
#include "platform/form.h"
#include "support/gui.h"
#include "ui/resource_ids.h"

namespace glyph_test {

inline constexpr platform::FontDef kBigBold{L"Tahoma", 12, FW_BOLD, ANSI_CHARSET};
inline constexpr platform::FontDef kFormFont{L"Tahoma", 8.25, FW_NORMAL, ANSI_CHARSET};
inline constexpr wchar_t kPersianAbout[] = L"\u062F\u0631\u0628\u0627\u0631\u0647";

struct ButtonCase {
    const wchar_t* button;
    const wchar_t* box;
    const wchar_t* caption;
    int widthTwips;
    bool right;
    const platform::FontDef* font;   // nullptr: the form's font
    int picture;
};

inline const ButtonCase kButtonCases[] = {
    {L"B0", L"G0", L"Calculate", 1365, false, nullptr, IDB_GEAR},
    {L"B1", L"G1", L"Calculate", 1365, true, nullptr, IDB_ABOUT_GLYPH},
    {L"B2", L"G2", L"Re&set", 1365, false, nullptr, IDB_GEAR},
    {L"B3", L"G3", L"Re&set", 1365, true, nullptr, IDB_ABOUT_GLYPH},
    {L"B4", L"G4", L"Calculate", 300, false, nullptr, IDB_GEAR},          // already wider than its limit
    {L"B5", L"G5", L"Calculate", 300, true, nullptr, IDB_ABOUT_GLYPH},
    {L"B6", L"G6", L"OK", 1000, true, nullptr, IDB_ABOUT_GLYPH},          // 66.7 pixels wide
    {L"B7", L"G7", L"Calculate", 1800, false, &kBigBold, IDB_GEAR},      // a font of its own
    {L"B8", L"G8", kPersianAbout, 975, true, nullptr, IDB_ABOUT_GLYPH},
};

inline std::vector<platform::ControlDef> GlyphFormLayout() {
    std::vector<platform::ControlDef> rows;
    int top = 120;
    for (const ButtonCase& c : kButtonCases) {
        rows.push_back({c.button, -1, platform::Kind::CommandButton, nullptr, 120, top, c.widthTwips, 600, 0xFFFFFF,
                        0, c.caption, 0, 0, static_cast<int>(rows.size()), c.font});
        // Larger than its picture, green, visible, twips: the install makes it
        // picture-sized, button-face, hidden, pixels.
        rows.push_back({c.box, -1, platform::Kind::PictureBox, nullptr, 2400, top, 600, 600, 0x00FF00, 0, nullptr,
                        c.picture, 0, -1, nullptr});
        top += 720;
    }
    return rows;
}

class GlyphFormTest : public ::testing::Test {
protected:
    GlyphFormTest()
        : form({L"Glyph buttons", 3300, 720 * 9 + 240, WS_OVERLAPPED | WS_CAPTION, 0xFFFFFF, kFormFont, 0,
                platform::StartPosition::CenterScreen, ui::kPictures},
               GlyphFormLayout()) {}
    void SetUp() override {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        ASSERT_EQ(dpi, 96) << "the tests pin 96 dpi, 15 twips to a pixel";
        ASSERT_TRUE(form.Show()) << "no window: is DISPLAY set?";
        ASSERT_TRUE(testing_gui::PumpUntilIdle(form.hWnd())) << "the window did not come to rest";
    }
    void TearDown() override {
        for (const ButtonCase& c : kButtonCases)
            if (HWND hwnd = form.Item(c.button).hWnd(); hwnd && GetPropW(hwnd, glyph::kPreviousProc))
                glyph::RemoveButtonPic(form.Item(c.button));
    }
    void Install(const ButtonCase& c) {
        auto install = c.right ? glyph::SetButtonPicRight : glyph::SetButtonPicLeft;
        install(form.Item(c.button), form.Item(c.box));
    }
    platform::Form form;
};

}  // namespace glyph_test

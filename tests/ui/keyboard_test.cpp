// The palettes by keyboard: keys on a focused swatch move the focus and click,
// and the focus is shown once the keyboard has been used.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/colour_table.h"
#include "support/form_fixture.h"

namespace {

using testing_gui::kColour;
using enum model::ColourIndex;

constexpr UINT kShift = 0x10000;   // the key with Shift held

class KeyboardTest : public Form1Test {
protected:
    // Windows' default, which the test prefix keeps: the focus is shown once
    // the keyboard is used, not all the time. (The setting is the session's:
    // a test that changed it would change it for the tests beside it.)
    void SetUp() override {
        BOOL alwaysCues = TRUE;
        SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysCues, 0);
        ASSERT_FALSE(alwaysCues) << "keyboard cues are on all the time: a test prefix from before they were pinned off?";
        Form1Test::SetUp();
    }
    void Key(UINT key) { testing_gui::PressKey(key & 0xFFFF, key & kShift ? VK_SHIFT : 0); }
    // Pixels of a box's client rectangle that are not its background colour.
    int PixelsOffColour(const platform::Control& box) {
        const RECT client = testing_gui::ClientRectOf(box);
        const COLORREF back = testing_gui::PixelAt(box, client.right / 2, client.bottom / 2);
        int off = 0;
        for (int x = 0; x < client.right; ++x)
            for (int y : {0, static_cast<int>(client.bottom) - 1})
                off += testing_gui::PixelAt(box, x, y) != back;
        return off;
    }
};

struct Keys {
    const wchar_t* palette;
    int index;
    std::vector<UINT> keys;
    const wchar_t* focusPalette;   // where the focus ends
    int focusIndex;
    const wchar_t* band;           // the band Space or Enter painted, nullptr for none
    int colour;
    const wchar_t* readoutBox;     // that reader's readout, and its text then
    const wchar_t* readout;
};

const Keys kKeys[] = {
    {L"Pict", Brown, {VK_SPACE}, L"Pict", Brown, L"Picture8", Brown, L"Text4", L"19 Ohm   \u00B10.5%"},
    {L"Pi", Black, {VK_DOWN, VK_DOWN, VK_RETURN}, L"Pi", Red, L"Picture9", Red, L"Text4", L"92 Ohm   \u00B10.5%"},
    {L"P", Blue, {VK_DOWN, VK_DOWN, VK_UP}, L"P", Gold, nullptr, 0, nullptr, nullptr},
    {L"D", Green, {VK_END, VK_SPACE}, L"D", Silver, L"Picture11", Silver, L"Text4", L"99 Ohm   \u00B110%"},
    {L"D", Green, {VK_HOME}, L"D", Brown, nullptr, 0, nullptr, nullptr},
    {L"D", Green, {VK_RIGHT}, L"D", Green, nullptr, 0, nullptr, nullptr},
    {L"T", Orange, {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_SPACE}, L"Q", Orange, L"QT", Orange, L"Text3",
     L" 999K Ohm   \u00B10.5%"},
    {L"H", Black, {VK_LEFT}, L"T", Brown, nullptr, 0, nullptr, nullptr},
    {L"Pi", White, {VK_RIGHT}, L"P", Gold, nullptr, 0, nullptr, nullptr},
    {L"T", Red, {VK_LEFT, VK_UP}, L"T", Brown, nullptr, 0, nullptr, nullptr},
    {L"H", Purple, {VK_DOWN}, L"H", Gray, nullptr, 0, nullptr, nullptr},
    {L"H", Gray, {VK_DOWN}, L"H", White, nullptr, 0, nullptr, nullptr},
    // F6 goes round the tools in reading order: the readouts top left and right, the value box.
    {L"T", Red, {VK_F6}, L"Text4", -1, nullptr, 0, nullptr, nullptr},
    {L"Text4", -1, {VK_F6, VK_F6}, L"Text3", -1, nullptr, 0, nullptr, nullptr},
    {L"Pict", Brown, {VK_F6 | kShift, VK_F6 | kShift}, L"Text1", -1, nullptr, 0, nullptr, nullptr},
    {L"Combo1", -1, {VK_F6}, L"Text3", -1, nullptr, 0, nullptr, nullptr},
    {L"P7", -1, {VK_F6}, L"Text3", -1, nullptr, 0, nullptr, nullptr},
    {L"CAb", -1, {VK_F6 | kShift}, L"Text1", -1, nullptr, 0, nullptr, nullptr},
};

TEST_F(KeyboardTest, KeysMoveAmongSwatchesAndClickThem) {
    for (const Keys& c : kKeys) {
        SetUp();
        SCOPED_TRACE(std::wstring(c.palette) + L" " + std::to_wstring(c.index));
        form->Focus(C(c.palette, c.index));
        for (UINT key : c.keys) Key(key);
        EXPECT_EQ(form->ActiveControl(), &C(c.focusPalette, c.focusIndex));
        if (const platform::Control& box = C(c.focusPalette, c.focusIndex); !box.hWnd()) {
            // The focus ring, white around black inside the border, shows on any colour, Gray and White too.
            ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
            const LONG mid = testing_gui::ClientRectOf(box).bottom / 2;
            EXPECT_EQ(testing_gui::PixelAt(box, 0, mid), RGB(255, 255, 255));
            EXPECT_EQ(testing_gui::PixelAt(box, 1, mid), RGB(0, 0, 0));
            EXPECT_EQ(testing_gui::PixelAt(box, 2, mid), testing_gui::PixelAt(box, mid, mid)) << "a ring, no more";
        }
        if (c.band) {
            EXPECT_EQ(C(c.band).BackColor(), kColour[c.colour]);
            EXPECT_EQ(testing_gui::WindowText(C(c.readoutBox).hWnd()), c.readout);
        } else {
            EXPECT_EQ(testing_gui::WindowText(C(L"Text4").hWnd()), L"");
            EXPECT_EQ(testing_gui::WindowText(C(L"Text3").hWnd()), L"");
        }
        TearDown();
    }
}

ALONE_TEST_F(KeyboardTest, FocusIsShownOnlyOnceTheKeyboardIsUsed) {
    platform::Control& swatch = C(L"Pi", Green);
    testing_gui::Click(swatch);
    ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
    ASSERT_EQ(form->ActiveControl(), &swatch);
    EXPECT_EQ(PixelsOffColour(swatch), 0) << "after the mouse: the design pixels only";
    Key(VK_UP);
    Key(VK_DOWN);
    ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
    ASSERT_EQ(form->ActiveControl(), &swatch);
    EXPECT_GT(PixelsOffColour(swatch), 4) << "a focus rectangle inside the box";
    EXPECT_EQ(PixelsOffColour(C(L"Pi", Yellow)), 0);
    form->Tab(GetFocus(), false);
    ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
    EXPECT_EQ(PixelsOffColour(swatch), 0) << "the rectangle goes with the focus";
}

// "Always on top" ends the window's system menu, after a separator. Alt+Space
// (the window's own message for it) then T toggles it: its check mark and
// the window's staying above others go together.
TEST_F(KeyboardTest, AltSpaceThenTKeepsTheWindowOnTop) {
    HWND window = form->hWnd();
    auto onTop = [&] { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    auto altSpaceThenT = [&] {
        return testing_gui::WhileMenuOpen(
            [&] { SendMessageW(window, WM_SYSCHAR, VK_SPACE, 1 | static_cast<LPARAM>(KF_ALTDOWN) << 16); }, L't');
    };
    EXPECT_FALSE(onTop());
    auto items = altSpaceThenT();
    ASSERT_GE(items.size(), 3u);
    EXPECT_NE(items[items.size() - 2].state & MF_SEPARATOR, 0u);
    EXPECT_EQ(items.back().text, L"Always on &top");
    EXPECT_EQ(items.back().state & MF_CHECKED, 0u);
    EXPECT_TRUE(onTop());
    items = altSpaceThenT();
    ASSERT_GE(items.size(), 3u);
    EXPECT_NE(items.back().state & MF_CHECKED, 0u) << "checked while on top";
    EXPECT_FALSE(onTop());
    HMENU menu = GetSystemMenu(window, FALSE);
    EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), MF_BYPOSITION) & MF_CHECKED, 0u);
}

}  // namespace

// Tooltips over the drawn boxes: one tooltip window, made at the first move
// of the mouse over the window, its text asked for when a tip shows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <string>
#include <string_view>

#include "model/colour_code.h"
#include "platform/form.h"
#include "support/form_fixture.h"

namespace {

using enum model::ColourIndex;

using TipsTest = Form1Test;

ALONE_TEST_F(TipsTest, OneTooltipWindowMadeAtTheFirstMove) {
    // A window that opens under the cursor gets a move at once: open it away from it.
    ASSERT_TRUE(testing_gui::DeclaredAlone()) << "a test that moves the real pointer is an ALONE_TEST_F";
    Form1Test::TearDown();
    SetCursorPos(0, 0);
    Form1Test::SetUp();
    EXPECT_EQ(form->TipWindow(), nullptr);
    MoveOver(POINT{5, 5});
    HWND tip = form->TipWindow();
    ASSERT_NE(tip, nullptr);
    const LONG style = GetWindowLongW(tip, GWL_STYLE);
    EXPECT_EQ(style & (TTS_ALWAYSTIP | TTS_NOPREFIX), TTS_ALWAYSTIP | TTS_NOPREFIX);
    MoveOver(Middle(C(L"P", Red)));
    EXPECT_EQ(form->TipWindow(), tip);
}

// The tip over each kind of box: a swatch names its colour and what it stands
// for there, a band its place as well, a legend swatch every meaning; the
// writer's drawing tells its bands' value, the other boxes nothing.
const struct {
    const wchar_t* box;
    int index;
    const wchar_t* tip;
} kBoxTips[] = {
    {L"Pict", Brown, L"Brown: 1"},
    {L"H", Black, L"Black: 0"},
    {L"P", Red, L"Red: \u00D7 100"},
    {L"Q", Gold, L"Gold: \u00D7 0.1"},
    {L"D", Gold, L"Gold: \u00B15%"},
    {L"E", Silver, L"Silver: \u00B110%"},
    {L"TT", -1, L"First digit, White: 9"},
    {L"QT", -1, L"Multiplier, Black: \u00D7 1"},
    {L"Picture11", -1, L"Tolerance, Green: \u00B10.5%"},
    {L"Picture3", -1, L"Multiplier, Red: \u00D7 100"},
    {L"Picture4", -1, L"Tolerance, Gold: \u00B15%"},
    {L"P2", -1, L"Brown: 1, \u00D7 10, \u00B11%"},
    {L"P12", -1, L"Gold: \u00D7 0.1, \u00B15%"},
    {L"Picture12", -1, L""},   // drawings outside their bands
    {L"Picture6", -1, L"Yellow, Purple, Red: 4.7K. 4.7K is a \u00B15% standard value (E24), also in E12, E6"},
    {L"Label2", -1, L""},
    {L"Picture5", -1, L""},
};

// Typed in turn, each followed by Calculate: a text that is no number leaves
// the last value's tip.
const struct {
    const wchar_t* typed;
    const wchar_t* tip;
} kWrittenTips[] = {
    {L"4750", L"Yellow, Purple, Red: 4.7K, cut from 4750. 4.7K is a \u00B15% standard value (E24), also in E12, E6"},
    {L"abc", L"Yellow, Purple, Red: 4.7K, cut from 4750. 4.7K is a \u00B15% standard value (E24), also in E12, E6"},
    {L"4700", L"Yellow, Purple, Red: 4.7K. 4.7K is a \u00B15% standard value (E24), also in E12, E6"},
};

TEST_F(TipsTest, BoxesNameTheirColourAndWhatItStandsFor) {
    MoveOver(POINT{5, 5});
    for (const auto& row : kBoxTips) {
        const platform::Control& box = C(row.box, row.index);
        const POINT at = box.kind() == platform::Kind::Label ? POINT{box.OuterInContainer().left + 2, box.OuterInContainer().top + 2}
                         : row.box == std::wstring(L"Picture12") || row.box == std::wstring(L"Picture6")
                             ? POINT{box.OuterInForm().left + 5, box.OuterInForm().top + 5}
                                                                  : Middle(box);
        EXPECT_EQ(TipAt(at), row.tip) << row.box << " " << row.index;
    }
    // A readout says how to write with it, and once read, what its value is.
    const std::wstring use = L"Type a value and press Enter; Up and Down step through standard values";
    HWND readout = C(L"Text4").hWnd();
    EXPECT_EQ(TipAt(POINT{2, 2}, readout), use) << "nothing read yet";
    SetWindowTextW(readout, L"4.7K");
    EXPECT_EQ(TipAt(POINT{2, 2}, readout), use) << "typed, not read";
    testing_gui::Click(C(L"Pict", Brown));   // a band's tip follows its colour, the readout's its value
    EXPECT_EQ(TipAt(Middle(C(L"Picture8"))), L"First digit, Brown: 1");
    // Beneath the note, the band that may have been misread (E192 holds 180).
    EXPECT_EQ(TipAt(POINT{2, 2}, readout), L"19 is not a \u00B10.5% standard value (E192 or E24); nearest: 18, 20\n"
                                           L"If band 2 is Gray, not White: 18\n" + use);
    // The writer's drawing says which value its bands cut, until they show one whole.
    const RECT drawing = C(L"Picture6").OuterInForm();
    const POINT corner{drawing.left + 5, drawing.top + 5};
    for (const auto& [typed, tip] : kWrittenTips) {
        SetWindowTextW(C(L"Text1").hWnd(), typed);
        SendMessageW(C(L"CCal").hWnd(), BM_CLICK, 0, 0);
        EXPECT_EQ(TipAt(corner), tip) << "after " << std::string(typed, typed + wcslen(typed));
    }
}

// Unloaded and loaded again, the window has new controls: clicks, tips and
// names find them, not what the window kept of the old ones.
TEST_F(TipsTest, AReloadedWindowClicksAndTellsThroughItsNewControls) {
    testing_gui::Click(C(L"Pict", Brown));
    ASSERT_TRUE(form->Unload());
    ASSERT_TRUE(form->Show());
    testing_gui::Click(C(L"Pict", Yellow));   // the other bands in their design colours: White, Black, Green
    EXPECT_EQ(testing_gui::WindowText(C(L"Text4").hWnd()), L"49 Ohm   \u00B10.5%");
    MoveOver(POINT{5, 5});
    EXPECT_EQ(TipAt(Middle(C(L"Picture8"))), L"First digit, Yellow: 4");
    EXPECT_EQ(TipAt(Middle(C(L"D", Gold))), L"Gold: \u00B15%");
    EXPECT_EQ(TipAt(Middle(C(L"P12"))), L"Gold: \u00D7 0.1, \u00B15%");
    EXPECT_EQ(form->Words(C(L"Pict", Yellow)).name, L"Four-band reader, first digit, Yellow: 4");
    EXPECT_EQ(form->Words(C(L"Picture7")).name, L"Four-band reader");
    EXPECT_EQ(form->Words(C(L"Text3")).name, L"Five-band value");
    EXPECT_EQ(form->Words(C(L"Combo1")).name, L"Tolerance");
    EXPECT_FALSE(form->Named(C(L"Label2")));
}

// Waits for the tooltip to show a text that starts with `start`: the tooltip
// shows a tip some time after the pointer comes to rest.
bool TipShows(const ui::Form1& form, std::wstring_view start) {
    return testing_gui::PumpUntil([&] {
        return testing_gui::WindowText(form.TipWindow()).starts_with(start) && IsWindowVisible(form.TipWindow());
    }, 3000);
}

ALONE_TEST_F(TipsTest, HoveringWithTheMouseShowsTheTip) {
    HWND window = form->hWnd();
    POINT at = Middle(C(L"D", Gold));
    ClientToScreen(window, &at);
    // Beside the box first, so that the tooltip sees the pointer come to it.
    MovePointer(POINT{at.x - 40, at.y});
    MovePointer(at);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(testing_gui::PumpUntil([&] {
        HWND tip = form->TipWindow();
        return tip && IsWindowVisible(tip);
    }, 3000));
    EXPECT_EQ(testing_gui::WindowText(form->TipWindow()), L"Gold: \u00B15%");

    // A readout is a window of its own: its tip comes as well.
    testing_gui::Click(C(L"Pict", Brown));
    RECT readout{};
    GetWindowRect(C(L"Text4").hWnd(), &readout);
    MovePointer(POINT{readout.left + 20, readout.top - 30});
    MovePointer(POINT{readout.left + 20, (readout.top + readout.bottom) / 2});
    if (HasFatalFailure()) return;
    EXPECT_TRUE(TipShows(*form, L"19 is not a \u00B10.5% standard value (E192 or E24); nearest: 18, 20"))
        << testing::PrintToString(testing_gui::WindowText(form->TipWindow()));

    // A balloon at the value box leaves the other boxes' tips alone: the
    // writer's drawing explains the cut the balloon speaks of.
    SetWindowTextW(C(L"Text1").hWnd(), L"4750");
    PointerClick(C(L"CCal"));
    ASSERT_TRUE(IsWindowVisible(form->BalloonWindow()));
    POINT drawing{C(L"Picture6").OuterInForm().left + 5, C(L"Picture6").OuterInForm().top + 5};
    ClientToScreen(window, &drawing);
    MovePointer(POINT{drawing.x, drawing.y - 40});
    MovePointer(drawing);
    if (HasFatalFailure()) return;
    EXPECT_TRUE(TipShows(*form, L"Yellow, Purple, Red: 4.7K, cut from 4750"))
        << testing::PrintToString(testing_gui::WindowText(form->TipWindow()));
    EXPECT_TRUE(IsWindowVisible(form->BalloonWindow())) << "the balloon stays while the tip shows";
}

// A tip that shows while its value changes (a key, Enter) shows the new
// value at once: it never tells what is no longer shown.
ALONE_TEST_F(TipsTest, AShowingTipFollowsTheValueItTells) {
    const struct { const wchar_t *box, *typed, *hovered, *was, *now; UINT key; } rows[] = {
        {L"Text4", L"4.7K 5%", L"Text4", L"4.7K is a \u00B15% standard", L"5.1K is a \u00B15% standard", VK_UP},
        {L"Text1", L"5600", L"Picture1", L"First digit, Yellow: 4", L"First digit, Green: 5", VK_RETURN},
    };
    for (const auto& row : rows) {
        SetUp();
        HWND box = C(row.box).hWnd();
        SetWindowTextW(box, row.typed);
        // As the message loop hands keys on; a readout is written before its tip shows.
        MSG enter{box, WM_KEYDOWN, VK_RETURN, 1, 0, {}}, key{box, WM_KEYDOWN, row.key, 1, 0, {}};
        if (row.key != VK_RETURN) platform::DispatchWithTab(enter);
        const platform::Control& hovered = C(row.hovered);
        POINT at = hovered.hWnd() ? POINT{20, 8} : Middle(hovered);
        ClientToScreen(hovered.hWnd() ? hovered.hWnd() : form->hWnd(), &at);
        MovePointer(POINT{at.x, at.y - 40});   // from beside it, so that the tooltip sees the pointer come
        if (HasFatalFailure()) return;
        SendMessageW(form->TipWindow(), TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000);   // shown for the whole check
        MovePointer(at);
        ASSERT_TRUE(TipShows(*form, row.was));
        platform::DispatchWithTab(key);
        EXPECT_TRUE(TipShows(*form, row.now)) << testing::PrintToString(testing_gui::WindowText(form->TipWindow()));
        TearDown();
    }
}

}  // namespace

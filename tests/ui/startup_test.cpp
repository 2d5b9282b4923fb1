// The main window as the user first sees it, read back from the real windows,
// and the order in which loading brings it there.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/palettes.h"
#include "support/colour_table.h"
#include "support/form_fixture.h"

namespace {

using testing_gui::kColour;
using testing_gui::PixelAt;
using testing_gui::WindowText;

constexpr COLORREF kYellow = 0x00FFFF, kPurple = 0xC000C0, kRed = 0x0000FF, kGold = 0x80C0FF;
constexpr COLORREF kWhite = 0xFFFFFF, kBlack = 0x000000, kGreen = 0x00FF00;

using StartupTest = Form1Test;

TEST_F(StartupTest, WriterShows4700AtFivePercent) {
    EXPECT_EQ(WindowText(C(L"Text1").hWnd()), L"4700");
    EXPECT_EQ(SendMessageW(C(L"Combo1").hWnd(), CB_GETCURSEL, 0, 0), 6);
    EXPECT_EQ(WindowText(C(L"Combo1").hWnd()), L"\u00B15%");
    const struct { const wchar_t* band; COLORREF colour; } kBands[] = {
        {L"Picture1", kYellow}, {L"Picture2", kPurple}, {L"Picture3", kRed}, {L"Picture4", kGold}};
    for (const auto& b : kBands) {
        EXPECT_EQ(C(b.band).BackColor(), b.colour);
        EXPECT_EQ(PixelAt(C(b.band), 3, 20), b.colour);
    }
}

TEST_F(StartupTest, ReadersAreLeftInTheirDesignState) {
    const struct { const wchar_t* band; COLORREF colour; } kBands[] = {
        {L"TT", kWhite}, {L"HT", kWhite}, {L"YT", kWhite}, {L"QT", kBlack}, {L"ET", kGreen},
        {L"Picture8", kWhite}, {L"Picture9", kWhite}, {L"Picture10", kBlack}, {L"Picture11", kGreen}};
    for (const auto& b : kBands) {
        EXPECT_EQ(C(b.band).BackColor(), b.colour);
        EXPECT_EQ(PixelAt(C(b.band), 3, 20), b.colour);
    }
    // Empty, with a grey cue that says how to write with them; it goes once
    // a readout holds a value.
    const auto greyPixels = [&](const wchar_t* readout) {
        const RECT r = testing_gui::ClientRectOf(C(readout));
        int grey = 0;
        for (int y = 0; y < r.bottom; ++y)
            for (int x = 0; x < r.right; ++x) {
                const COLORREF c = PixelAt(C(readout), x, y);
                grey += GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c) && GetRValue(c) > 0x40 &&
                        GetRValue(c) < 0xE0;
            }
        return grey;
    };
    for (const wchar_t* readout : {L"Text3", L"Text4"}) {
        EXPECT_EQ(WindowText(C(readout).hWnd()), L"");
        wchar_t cue[64] = {};
        SendMessageW(C(readout).hWnd(), EM_GETCUEBANNER, reinterpret_cast<WPARAM>(cue), 64);
        EXPECT_STREQ(cue, L"Type a value, Enter");
        EXPECT_GT(greyPixels(readout), 20);
    }
    testing_gui::Click(C(L"Pi", 7));
    UpdateWindow(C(L"Text4").hWnd());
    EXPECT_EQ(greyPixels(L"Text4"), 0);
}

TEST_F(StartupTest, LegendTakesTheBandColoursWhilePalettesKeepTheirOwn) {
    for (int k = 0; k < 12; ++k) {
        platform::Control& swatch = C((L"P" + std::to_wstring(k + 1)).c_str());
        EXPECT_EQ(swatch.BackColor(), kColour[k]) << "P" << k + 1;
        EXPECT_EQ(PixelAt(swatch, 7, 7), kColour[k]) << "P" << k + 1;
    }
    // The palettes' Brown swatches are not the legend's colour; their White
    // is true white, as the legend's is, whatever the system's colours.
    for (const ui::Palette& palette : ui::kPalettes) {
        const std::string name(palette.name, palette.name + wcslen(palette.name));
        platform::Control& brown = C(palette.name, 1);
        EXPECT_EQ(brown.BackColor(), 0x0040C0u) << name;
        EXPECT_EQ(PixelAt(brown, 7, 7), 0x0040C0u) << name;
        if (platform::Control* white = form->Find(palette.name, 9)) {
            EXPECT_EQ(white->BackColor(), 0xFFFFFFu) << name;
            EXPECT_EQ(PixelAt(*white, 7, 7), 0xFFFFFFu) << name;
        }
    }
}

// What loading does to the tolerance list, in order: each selection query
// with its answer, each selection made, and the tolerance band's colour at
// that moment.
struct ListEvent {
    UINT message;
    LRESULT value;   // answer of CB_GETCURSEL, position given to CB_SETCURSEL
    platform::OleColour band4;
    bool operator==(const ListEvent&) const = default;
};
std::ostream& operator<<(std::ostream& os, const ListEvent& e) {
    return os << (e.message == CB_GETCURSEL ? "get " : "set ") << e.value << " band4 0x" << std::hex << e.band4
              << std::dec;
}

std::vector<ListEvent>* g_events = nullptr;
ui::Form1* g_form = nullptr;

LRESULT CALLBACK RecordListSelection(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && g_events && (m->message == CB_GETCURSEL || m->message == CB_SETCURSEL)) {
        platform::Control* list = g_form->Find(L"Combo1");
        if (list && m->hwnd == list->hWnd())
            g_events->push_back({m->message, m->message == CB_SETCURSEL ? static_cast<LRESULT>(m->wParam) : m->lResult,
                                 g_form->Item(L"Picture4").BackColor()});
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

// Loads the form while recording what happens to its list.
std::vector<ListEvent> LoadRecording(ui::Form1& form) {
    std::vector<ListEvent> events;
    g_events = &events;
    g_form = &form;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, RecordListSelection, nullptr, GetCurrentThreadId());
    EXPECT_NE(hook, nullptr);
    EXPECT_TRUE(form.Show());
    UnhookWindowsHookEx(hook);
    g_events = nullptr;
    g_form = nullptr;
    return events;
}

// "Calculate" runs first and finds the list without a selection, so it picks
// "±5%" itself and paints the tolerance band; only then does loading select
// "±5%" on its own. The same again when the window is loaded a second time.
TEST(StartupOrder, CalculateFindsNoSelectionThenLoadSelectsFivePercent) {
    auto form = std::make_unique<ui::Form1>();
    const platform::OleColour design = 0x8000000F;   // button face, the writer bands' design colour
    const std::vector<ListEvent> expected = {
        {CB_GETCURSEL, -1, design},   // Calculate: no selection yet
        {CB_SETCURSEL, 6, design},    // ... so it selects "±5%"
        {CB_GETCURSEL, 6, design},    // ... and paints band 4 from it
        {CB_SETCURSEL, 6, kGold},     // loading's own selection, after Calculate
    };
    EXPECT_EQ(LoadRecording(*form), expected);

    // A second life of the same form starts from the design state again.
    SendMessageW(form->Item(L"Combo1").hWnd(), CB_SETCURSEL, 0, 0);
    form->CCal_Click();
    ASSERT_EQ(form->Item(L"Picture4").BackColor(), kColour[1]);
    ASSERT_TRUE(form->Unload());
    EXPECT_EQ(LoadRecording(*form), expected);
    EXPECT_EQ(form->Item(L"Picture4").BackColor(), kGold);
    form.reset();
    testing_gui::PumpUntilIdle(nullptr);
}

}  // namespace

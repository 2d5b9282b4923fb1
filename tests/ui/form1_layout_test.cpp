// The main window as it is laid out, read back from the real window: its
// child windows, and the pixels and hit-testing of what it draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "glyph/function.h"
#include "glyph/glyph_pixels.h"
#include "ui/resource_ids.h"
#include "support/colour_table.h"
#include "support/fault_injection.h"
#include "support/form_fixture.h"

namespace {

using platform::ToColorRef;
using testing_gui::kPaletteColumns;
using testing_gui::Offers;
using testing_gui::PaletteColumn;
using testing_gui::SwatchLeft;
using testing_gui::SwatchTop;
using testing_gui::PixelAt;

int Px(int twips) { return (twips + 7) / 15; }   // 96 dpi, nearest pixel

// Outer rectangle of a windowed control, relative to its parent's client area.
RECT RectInParent(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct Placed {
    const wchar_t* name;
    const wchar_t* parent;   // nullptr: the window itself
    int left, top, width, height;
};

// Every control but the palettes and labels, in twips.
const Placed kPlaced[] = {
    {L"Picture12", nullptr, 0, 120, 4530, 1395},   {L"TT", L"Picture12", 1800, 240, 100, 875},
    {L"HT", L"Picture12", 2040, 240, 100, 875},    {L"YT", L"Picture12", 2280, 240, 100, 875},
    {L"QT", L"Picture12", 2520, 240, 100, 875},    {L"ET", L"Picture12", 3315, 80, 100, 1190},
    {L"Text3", nullptr, 120, 3960, 1815, 285},     {L"Picture7", nullptr, 4570, 120, 4530, 1395},
    {L"Picture8", L"Picture7", 1800, 240, 100, 875}, {L"Picture9", L"Picture7", 2040, 240, 100, 875},
    {L"Picture10", L"Picture7", 2280, 240, 100, 875}, {L"Picture11", L"Picture7", 3315, 90, 100, 1190},
    {L"Text4", nullptr, 4680, 3960, 1935, 285},    {L"Picture6", nullptr, 15, 4560, 4530, 1395},
    {L"Picture1", L"Picture6", 1800, 220, 100, 875}, {L"Picture2", L"Picture6", 2040, 240, 100, 875},
    {L"Picture3", L"Picture6", 2280, 220, 100, 875}, {L"Picture4", L"Picture6", 3320, 80, 100, 1190},
    {L"Text1", nullptr, 240, 6300, 1215, 285},     {L"Picture5", nullptr, 1560, 6255, 255, 330},
    {L"Combo1", nullptr, 1920, 6300, 1095, 315},   {L"CCal", nullptr, 3120, 6120, 1365, 600},
    {L"CAb", nullptr, 7920, 6480, 975, 375},       {L"P1", nullptr, 5280, 4920, 255, 255},
    {L"P2", nullptr, 5520, 4920, 255, 255},        {L"P10", nullptr, 7440, 4920, 255, 255},
    {L"P11", nullptr, 7800, 4920, 255, 255},       {L"P12", nullptr, 8040, 4920, 255, 255},
    {L"PicCal", nullptr, 8760, 12000, 405, 405},   {L"Pab", nullptr, 8520, 12000, 225, 240},
};

TEST_F(Form1Test, WindowIsFixedSizeWithClientOf605By461) {
    RECT client{};
    GetClientRect(form->hWnd(), &client);
    EXPECT_EQ(client.right, 605);
    EXPECT_EQ(client.bottom, 461);
    const LONG style = GetWindowLongW(form->hWnd(), GWL_STYLE);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_CAPTION);
}

TEST_F(Form1Test, CaptionIsTheProgramNameAndAddress) {
    wchar_t caption[128] = {};
    GetWindowTextW(form->hWnd(), caption, 128);
    EXPECT_EQ(std::wstring(caption).rfind(L"Bandora  --  ", 0), 0u) << caption;
    EXPECT_GT(std::wstring(caption).size(), std::wstring(L"Bandora  --  ").size());
}

TEST_F(Form1Test, WindowShowsTheProgramIcon) {
    const auto big = reinterpret_cast<HICON>(GetClassLongPtrW(form->hWnd(), GCLP_HICON));
    const auto small = reinterpret_cast<HICON>(GetClassLongPtrW(form->hWnd(), GCLP_HICONSM));
    ASSERT_NE(big, nullptr);
    ASSERT_NE(small, nullptr);
    ICONINFO info{};   // the program's own 32 x 32 icon
    ASSERT_TRUE(GetIconInfo(big, &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(big, LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_BANDORA), IMAGE_ICON, 32, 32, LR_SHARED));
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
}

TEST_F(Form1Test, FontIsTahoma825Regular) {
    LOGFONTW font{};
    GetObjectW(form->FontHandle(), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");
    EXPECT_EQ(font.lfHeight, -11);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
    // Every windowed control shows the window's font.
    for (const wchar_t* name : {L"Text1", L"Text3", L"Text4", L"Combo1", L"CCal", L"CAb"})
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(C(name).hWnd(), WM_GETFONT, 0, 0)), form->FontHandle()) << name;
}

TEST_F(Form1Test, WindowIsCentredOnTheScreen) {
    RECT window{};
    GetWindowRect(form->hWnd(), &window);
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(window.left + (window.right - window.left) / 2, screenW / 2, 1);
    EXPECT_NEAR(window.top + (window.bottom - window.top) / 2, screenH / 2, 1);
}

testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
    if (EqualRect(&actual, &expected)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "at (" << actual.left << ", " << actual.top << ")-(" << actual.right << ", "
                                       << actual.bottom << "), should be (" << expected.left << ", " << expected.top
                                       << ")-(" << expected.right << ", " << expected.bottom << ")";
}

// Outer rectangle in the window's client pixels, from the layout's twips.
RECT Expected(const Placed& p) {
    POINT origin{0, 0};   // the drawings have no border: their client area starts at their corner
    for (const Placed& parent : kPlaced)
        if (p.parent && std::wstring(parent.name) == p.parent) origin = {Px(parent.left), Px(parent.top)};
    const int x = origin.x + Px(p.left), y = origin.y + Px(p.top);
    return {x, y, x + Px(p.width), y + Px(p.height)};
}

TEST_F(Form1Test, OnlyTextBoxesTheListAndButtonsAreWindows) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(form->hWnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    EXPECT_EQ(children.size(), 6u);
    for (const wchar_t* name : {L"Text1", L"Text3", L"Text4", L"Combo1", L"CCal", L"CAb"})
        EXPECT_NE(std::find(children.begin(), children.end(), C(name).hWnd()), children.end()) << name;
}

TEST_F(Form1Test, EveryControlStandsAtItsRectangle) {
    for (const Placed& p : kPlaced) {
        SCOPED_TRACE(testing::Message() << std::string(p.name, p.name + wcslen(p.name)));
        platform::Control& control = C(p.name);
        const RECT expected = Expected(p);
        if (HWND hwnd = control.hWnd()) {
            EXPECT_EQ(GetParent(hwnd), form->hWnd());
            EXPECT_TRUE(SameRect(RectInParent(hwnd), expected));
            continue;
        }
        EXPECT_EQ(control.Container(), p.parent ? &C(p.parent) : nullptr);
        EXPECT_TRUE(SameRect(control.OuterInForm(), expected));
        // Within the client area a click at its corner is its own.
        if (expected.bottom < 461)
            EXPECT_EQ(form->BoxAt(POINT{expected.left + 1, expected.top + 1}), &control);
    }
}

TEST_F(Form1Test, PalettesHaveExactlyTheirSwatchesInOneColumn) {
    for (const PaletteColumn& column : kPaletteColumns) {
        for (int index = 0; index < 12; ++index) {
            platform::Control* swatch = form->Find(column.name, index);
            ASSERT_EQ(swatch != nullptr, Offers(column, index)) << column.name << index;
            if (!swatch) continue;
            const int left = Px(SwatchLeft(column, index));
            const int top = Px(SwatchTop(index));
            EXPECT_TRUE(SameRect(swatch->OuterInForm(), RECT{left, top, left + 17, top + 17})) << column.name << index;
            // A one-pixel frame: its left edge, and its colour just inside.
            EXPECT_EQ(PixelAt(form->hWnd(), left, top + 8), GetSysColor(COLOR_WINDOWFRAME)) << column.name << index;
            EXPECT_EQ(PixelAt(form->hWnd(), left + 1, top + 8), ToColorRef(swatch->BackColor())) << column.name << index;
            EXPECT_EQ(form->BoxAt(POINT{left + 8, top + 8}), swatch) << column.name << index;
        }
    }
}

TEST_F(Form1Test, SwatchesShowTheirColoursWithLighterBrownAndTrueWhite) {
    const COLORREF expected[12] = {0x000000, 0x0040C0, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00,
                                   0xFF0000, 0xC000C0, 0x808080, 0xFFFFFF, 0xE0E0E0, 0x80C0FF};
    for (const PaletteColumn& column : kPaletteColumns)
        for (int i = 0; i < column.count; ++i) {
            const int index = column.members[static_cast<std::size_t>(i)];
            EXPECT_EQ(PixelAt(C(column.name, index), 7, 7), expected[index]) << column.name << index;
        }
    EXPECT_EQ(C(L"T", 1).BackColor(), 0x0040C0u);
    EXPECT_EQ(C(L"T", 9).BackColor(), 0xFFFFFFu);
}

TEST_F(Form1Test, SwatchesOfIndexZeroLieAboveTheDrawings) {
    // The Black swatch overlaps the drawing's bottom 13 pixels and is seen
    // whole: drawn over the drawing, and the one a click there reaches.
    const POINT inOverlap{Px(1920) + 8, Px(1320) + 4};
    ASSERT_LT(inOverlap.y, Px(120 + 1395));
    EXPECT_EQ(PixelAt(form->hWnd(), inOverlap.x, inOverlap.y), RGB(0, 0, 0));
    EXPECT_EQ(form->BoxAt(inOverlap), &C(L"H", 0));
}

TEST_F(Form1Test, ReadersShowTheirDesignBands) {
    const struct { const wchar_t* band; COLORREF colour; } kBands[] = {
        {L"TT", 0xFFFFFF}, {L"HT", 0xFFFFFF}, {L"YT", 0xFFFFFF}, {L"QT", 0x000000}, {L"ET", 0x00FF00},
        {L"Picture8", 0xFFFFFF}, {L"Picture9", 0xFFFFFF}, {L"Picture10", 0x000000}, {L"Picture11", 0x00FF00},
    };
    for (const auto& b : kBands) {
        EXPECT_EQ(C(b.band).BackColor(), b.colour);
        EXPECT_EQ(PixelAt(C(b.band), 3, 20), b.colour);
    }
    EXPECT_EQ(C(L"Text3").Text(), L"");
    EXPECT_EQ(C(L"Text4").Text(), L"");
}

TEST_F(Form1Test, WriterRowInItsDesignState) {
    EXPECT_EQ(C(L"Text1").Text(), L"4700");
    platform::Control& list = C(L"Combo1");
    ASSERT_EQ(list.ListCount(), 8);
    const wchar_t* entries[] = {L"\u00B11%", L"\u00B12%", L"\u00B10.5%", L"\u00B10.25%",
                                L"\u00B10.1%", L"\u00B10.05%", L"\u00B15%", L"\u00B110%"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(list.List(i), entries[i]);
    EXPECT_TRUE(GetWindowLongW(list.hWnd(), GWL_STYLE) & CBS_DROPDOWNLIST);
    EXPECT_EQ(C(L"CCal").BackColor(), 0xFFFFFFu);
    EXPECT_NE(C(L"CCal").Caption().find(L"Calculate"), std::wstring::npos);
    // Neither button is a default button: Enter presses nothing.
    for (const wchar_t* name : {L"CCal", L"CAb"})
        EXPECT_EQ(GetWindowLongW(C(name).hWnd(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << name;
    EXPECT_EQ(SendMessageW(C(L"Text1").hWnd(), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

TEST_F(Form1Test, AboutButtonKeepsItsPersianCaption) {
    wchar_t caption[64] = {};
    GetWindowTextW(C(L"CAb").hWnd(), caption, 64);
    EXPECT_NE(std::wstring(caption).find(L"\u062F\u0631\u0628\u0627\u0631\u0647"), std::wstring::npos);
    EXPECT_TRUE(IsWindowUnicode(C(L"CAb").hWnd()));
}

TEST_F(Form1Test, LegendCaptionsAreExact) {
    const struct { const wchar_t* name; const wchar_t* caption; int left, top; } kLabels[] = {
        {L"Label14", L"Help :", 4800, 4560},
        {L"Label1", L"  0   1    2    3   4    5   6   7   8   9     10 11", 5280, 5160},
        {L"Label2", L"0  =   Black", 5280, 5520},  {L"Label3", L"1  =  Brown", 5280, 5760},
        {L"Label4", L"2  =  Red", 5280, 6000},     {L"Label5", L"3  =  Orange", 5280, 6240},
        {L"Label6", L"4  =  Yellow", 5280, 6480},  {L"Label7", L"5  =  Green", 6360, 5520},
        {L"Label8", L"6  =  Blue", 6360, 5760},    {L"Label9", L"7  =  Purple", 6360, 6000},
        {L"Label10", L"8  =  Gray", 6360, 6240},   {L"Label11", L"9  =  White", 6360, 6480},
        {L"Label12", L"10  =  Silver", 7440, 5520}, {L"Label13", L"11  = Gold", 7440, 5760},
    };
    for (const auto& l : kLabels) {
        platform::Control& label = C(l.name);
        EXPECT_EQ(label.Caption(), l.caption);
        EXPECT_EQ(label.hWnd(), nullptr) << "labels are drawn on the window itself";
        EXPECT_EQ(label.Left(), l.left);
        EXPECT_EQ(label.Top(), l.top);
    }
    EXPECT_FALSE(C(L"Label1").Enabled());
}

TEST_F(Form1Test, LinesAreDrawnOnTheWindow) {
    HWND w = form->hWnd();
    EXPECT_EQ(PixelAt(w, 304, 200), GetSysColor(COLOR_WINDOWTEXT));   // Line7, vertical divider
    EXPECT_EQ(PixelAt(w, 100, 296), GetSysColor(COLOR_WINDOWTEXT));   // Line8
    EXPECT_EQ(PixelAt(w, 500, 296), GetSysColor(COLOR_WINDOWTEXT));   // Line9
    EXPECT_EQ(PixelAt(w, 100, 399), RGB(128, 128, 128));               // Line2, the etched rule
    EXPECT_EQ(PixelAt(w, 100, 400), RGB(224, 224, 224));               // Line1
    EXPECT_EQ(PixelAt(w, 100, 430), RGB(255, 255, 255));               // white background
}

ALONE_TEST_F(Form1Test, TextBoxHasTheFocusAtStart) {
    EXPECT_EQ(GetFocus(), C(L"Text1").hWnd());
}

TEST_F(Form1Test, TabOrderRunsFromTheWriterToTheAboutButton) {
    SetFocus(C(L"Text1").hWnd());
    form->Tab(GetFocus(), false);
    EXPECT_EQ(GetFocus(), C(L"CCal").hWnd());
    form->Tab(GetFocus(), false);
    EXPECT_EQ(form->ActiveControl(), &C(L"Picture5"));
    EXPECT_EQ(GetFocus(), form->hWnd()) << "a picture box holds the focus through the window";
    form->Tab(GetFocus(), false);
    EXPECT_EQ(form->ActiveControl(), &C(L"Picture6"));
    form->Tab(GetFocus(), true);
    EXPECT_EQ(form->ActiveControl(), &C(L"Picture5"));
    form->Tab(C(L"Text4").hWnd(), false);
    EXPECT_EQ(GetFocus(), C(L"CAb").hWnd());
    form->Tab(GetFocus(), false);
    EXPECT_EQ(GetFocus(), C(L"Text1").hWnd());
    form->Tab(GetFocus(), true);
    EXPECT_EQ(GetFocus(), C(L"CAb").hWnd());
}

TEST_F(Form1Test, ClicksOnBandsDrawingsLegendOhmAndLabelsChangeNothing) {
    auto snapshot = [&] {
        std::vector<std::wstring> state;
        for (const auto& c : form->Controls())
            state.push_back(std::to_wstring(c->BackColor()) + L"|" + c->Text());
        return state;
    };
    const auto before = snapshot();
    for (const wchar_t* name : {L"TT", L"Picture8", L"Picture1", L"Picture12", L"Picture7", L"Picture6", L"P1",
                                L"P12", L"Picture5"})
        testing_gui::Click(C(name));
    testing_gui::Click(form->hWnd(), POINT{Px(5300), Px(5600)});   // Label2
    testing_gui::Click(form->hWnd(), POINT{Px(5300), Px(5200)});   // the digit row
    ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Form1Test, AClickedBandTakesTheFocus) {
    testing_gui::Click(C(L"Picture8"));
    EXPECT_EQ(form->ActiveControl(), &C(L"Picture8"));
    form->Tab(GetFocus(), false);
    EXPECT_EQ(form->ActiveControl(), &C(L"Picture9"));
    testing_gui::Click(C(L"Pict", 3));
    EXPECT_EQ(form->ActiveControl(), &C(L"Pict", 3));
}

// SystemParametersInfoW as Windows answers it with high contrast on, which Wine never does.
decltype(&SystemParametersInfoW) g_system = nullptr;
BOOL WINAPI HighContrastAnswer(UINT action, UINT param, void* data, UINT ini) {
    const BOOL done = g_system(action, param, data, ini);
    if (done && action == SPI_GETHIGHCONTRAST) static_cast<HIGHCONTRASTW*>(data)->dwFlags |= HCF_HIGHCONTRASTON;
    return done;
}

// Pixels of the window, its control windows aside, unlike high contrast's
// rule: where a box shows its colour or picture (bands, swatches, drawings)
// as `before`; elsewhere, the ohm sign too, white as `back`, the rest as `text`.
int SurfaceMisses(const ui::Form1& form, const glyph_test::Pixels& before, COLORREF back, COLORREF text) {
    const glyph_test::Pixels shown = glyph_test::ReadClient(form.hWnd());
    int misses = 0;
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x) {
            const POINT p{x, y};
            const platform::Control* box = form.BoxAt(p);
            const bool data = box && box->ClientHolds(p) && box->Name() != L"Picture5";
            const COLORREF was = before.at(x, y);
            misses += shown.at(x, y) != (data ? was : was == 0xFFFFFF ? back : text) &&
                      ChildWindowFromPointEx(form.hWnd(), p, CWP_SKIPINVISIBLE) == form.hWnd();
        }
    return misses;
}

// Pixels of a button's glyph at `at` unlike what it should show over the
// button's own drawing: the design ANDed onto it, or in `ink` where the
// design has ink, the drawing left as it was on its paper (every channel
// 240 or more).
int GlyphMisses(HWND button, int picture, POINT at, COLORREF ink = CLR_INVALID) {
    const auto previous = reinterpret_cast<WNDPROC>(GetPropW(button, glyph::kPreviousProc));
    const glyph_test::Pixels shown = glyph_test::ReadClient(button), glyph = glyph_test::Resource(picture),
                             plain = glyph_test::PaintedBy(previous, button);
    int misses = 0;
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x) {
            const COLORREF under = plain.at(at.x + x, at.y + y), design = glyph.at(x, y);
            const bool paper = (design & 0xF0F0F0) == 0xF0F0F0;
            misses += shown.at(at.x + x, at.y + y) != (ink == CLR_INVALID ? under & design : paper ? under : ink);
        }
    return misses;
}

// High contrast turned on, with a dark scheme of the process's own, and off.
// Alone: under Wine the scheme reaches every program started meanwhile.
// Also run under visual styles (BANDORA_EXPECT_THEMED=1, a prefix of its own:
// cmake/themed-tests.cmake), where the buttons draw their face light whatever
// the scheme: the glyphs' ink is then black, as the light button text would
// not show on it.
ALONE_TEST_F(Form1Test, HighContrastTakesTheSystemColoursWhileTheDataKeepsItsOwn) {
    HWND w = form->hWnd();
    HideCaret(nullptr);   // its blinking is no colour
    const glyph_test::Pixels before = glyph_test::ReadClient(w);
    const char* expect = std::getenv("BANDORA_EXPECT_THEMED");
    const bool themed = expect && std::string(expect) == "1";
    const auto theme = reinterpret_cast<HANDLE(WINAPI*)(HWND)>(GetProcAddress(LoadLibraryW(L"uxtheme"), "GetWindowTheme"));
    ASSERT_TRUE(theme && (theme(C(L"CCal").hWnd()) != nullptr) == themed) << "themed buttons: " << themed;
    EXPECT_EQ(GlyphMisses(C(L"CCal").hWnd(), IDB_GEAR, {5, 6}), 0) << "with the defaults, ANDed on";
    EXPECT_EQ(GlyphMisses(C(L"CAb").hWnd(), IDB_ABOUT_GLYPH, {44, 4}), 0) << "with the defaults, ANDed on";
    const int kElements[] = {COLOR_WINDOW, COLOR_3DHILIGHT, COLOR_WINDOWTEXT, COLOR_GRAYTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF kDark[] = {0x1E140A, 0x1E140A, 0x82F0FA, 0x82F0FA, 0x281E14, 0xF0FA82};
    COLORREF saved[6];
    for (int i = 0; i < 6; ++i) saved[i] = GetSysColor(kElements[i]);
    g_system = reinterpret_cast<decltype(g_system)>(GetProcAddress(GetModuleHandleW(L"user32"), "SystemParametersInfoW"));
    ASSERT_TRUE(testing_gui::SwapImport(reinterpret_cast<void*>(g_system), reinterpret_cast<void*>(&HighContrastAnswer)));
    SetSysColors(6, kElements, kDark);
    SendMessageW(w, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_TRUE(testing_gui::PumpUntilIdle(w));
    EXPECT_EQ(SurfaceMisses(*form, before, kDark[0], kDark[2]), 0);
    EXPECT_EQ(GlyphMisses(C(L"CCal").hWnd(), IDB_GEAR, {5, 6}, themed ? 0 : kDark[5]), 0);
    EXPECT_EQ(GlyphMisses(C(L"CAb").hWnd(), IDB_ABOUT_GLYPH, {44, 4}, themed ? 0 : kDark[5]), 0);
    testing_gui::SwapImport(reinterpret_cast<void*>(&HighContrastAnswer), reinterpret_cast<void*>(g_system));
    SetSysColors(6, kElements, saved);
    SendMessageW(w, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_TRUE(testing_gui::PumpUntilIdle(w));
    EXPECT_EQ(glyph_test::Difference(glyph_test::ReadClient(w), before), "") << "off again: as it was";
}

}  // namespace

// The main window at another display scale: CTest runs this suite in Wine
// prefixes at 144 and 192 dpi, and at 96 and 144 dpi with larger text, the
// message font over its 9-point standard (cmake/dpi-tests.cmake); at 96 dpi
// alone it is skipped. Places come from the layout's twips at dpi / 1440;
// drawings are compared with the 96-dpi design sampled back to its own pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <set>
#include <string>
#include <utility>

#include "art/art.h"
#include "glyph/function.h"
#include "glyph/glyph_pixels.h"
#include "platform/units.h"
#include "model/colour_code.h"
#include "support/colour_table.h"
#include "support/form_fixture.h"
#include "ui/form2.h"

namespace {

using glyph_test::Pixels;

// Sets the user's message font's height in this process only (Wine keeps
// it per process); gives the height before.
LONG SetMessageFont(LONG height) {
    NONCLIENTMETRICSW metrics{sizeof metrics};
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    std::swap(metrics.lfMessageFont.lfHeight, height);
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return height;
}

class DpiTest : public Form1Test {
protected:
    // BANDORA_EXPECT_DPI: the dpi, then the message font over 9 points if it
    // is set, then "run" if it is set once the window is open ("144 1.5 run").
    void SetUp() override {
        const char* expect = std::getenv("BANDORA_EXPECT_DPI");
        if (!expect) GTEST_SKIP() << "runs in a prefix at another dpi, or with larger text";
        char when[4] = "";
        const int given = std::sscanf(expect, "%d %lf %3s", &display, &scale, when);
        ASSERT_EQ(platform::SystemDpi(), display) << "the prefix's LogPixels did not take";
        const LONG height = -static_cast<LONG>(std::lround(9.0 * display / 72 * scale));
        if (given == 2) savedFont = SetMessageFont(height);
        Form1Test::SetUp();
        if (given == 3) {
            savedFont = SetMessageFont(height);
            SendMessageW(form->hWnd(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
            ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
        }
        dpi = ExpectedDpi(9075, 6915, GetWindowLongW(form->hWnd(), GWL_STYLE));
    }
    void TearDown() override {
        Form1Test::TearDown();
        if (savedFont) SetMessageFont(savedFont);
    }
    // The display's dpi times the text scale, or the largest below it at
    // which a window of that client area (twips) fits the work area.
    int ExpectedDpi(int width, int height, DWORD style) const {
        MONITORINFO monitor{sizeof monitor};
        GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
        RECT frame{};
        AdjustWindowRectEx(&frame, style, FALSE, 0);
        int at = static_cast<int>(std::lround(display * scale));
        while (at > display && (MulDiv(width, at, 1440) + frame.right - frame.left > monitor.rcWork.right ||
                                MulDiv(height, at, 1440) + frame.bottom - frame.top > monitor.rcWork.bottom))
            --at;
        return at;
    }
    int Px(int twips) const { return MulDiv(twips, dpi, 1440); }
    RECT Scaled(int left, int top, int width, int height) const {
        return {Px(left), Px(top), Px(left) + Px(width), Px(top) + Px(height)};
    }
    int display = 96, dpi = 96;
    double scale = 1;
    LONG savedFont = 0;
};

std::string Narrow(const wchar_t* text) { return std::string(text, text + std::wcslen(text)); }

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

bool Near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= 24 && std::abs(GetGValue(a) - GetGValue(b)) <= 24 &&
           std::abs(GetBValue(a) - GetBValue(b)) <= 24;
}

// Pixels of `shown` in `area` that find no 96-dpi design pixel within one
// pixel of their design point with nearly their colour (`mask`: ANDed onto
// the design first). Pixels in `skip` (bands over the drawing) are not looked at.
int Misses(const Pixels& shown, RECT area, art::Picture picture, int dpi, const std::vector<RECT>& skip = {},
           COLORREF mask = 0xFFFFFF) {
    const art::Image design = art::Draw(picture, 96);
    int misses = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            bool skipped = false;
            for (const RECT& s : skip) skipped = skipped || (x >= s.left && x < s.right && y >= s.top && y < s.bottom);
            if (skipped) continue;
            const int u = static_cast<int>((x - area.left + 0.5) * 96 / dpi);
            const int v = static_cast<int>((y - area.top + 0.5) * 96 / dpi);
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx) {
                    if (u + dx < 0 || v + dy < 0 || u + dx >= design.w || v + dy >= design.h) continue;
                    const art::Rgb c = design.at(u + dx, v + dy);
                    found = Near(shown.at(x, y), RGB(c.r, c.g, c.b) & mask);
                }
            misses += !found;
        }
    return misses;
}

TEST_F(DpiTest, WindowAndControlsStandAtTheirScaledPlaces) {
    RECT client{};
    GetClientRect(form->hWnd(), &client);
    EXPECT_EQ(client.right, Px(9075));
    EXPECT_EQ(client.bottom, Px(6915));
    // Places on the form in twips: child windows, boxes on the form and a band
    // inside its drawing (whose client area starts at the drawing's corner).
    const struct {
        const wchar_t* name;
        int left, top, width, height;
    } kPlaces[] = {
        {L"Text1", 240, 6300, 1215, 285},  {L"Combo1", 1920, 6300, 1095, 315}, {L"CCal", 3120, 6120, 1365, 600},
        {L"CAb", 7920, 6480, 975, 375},    {L"Text4", 4680, 3960, 1935, 285},  {L"P1", 5280, 4920, 255, 255},
        {L"Picture8", 4570 + 1800, 120 + 240, 100, 875},
    };
    for (const auto& p : kPlaces) {
        const platform::Control& c = C(p.name);
        RECT shown = c.OuterInForm();
        if (c.hWnd()) {
            GetWindowRect(c.hWnd(), &shown);
            MapWindowPoints(nullptr, form->hWnd(), reinterpret_cast<POINT*>(&shown), 2);
        }
        const RECT want = Scaled(p.left, p.top, p.width, p.height);
        EXPECT_EQ(Text(shown), Text(want)) << Narrow(p.name);
    }
    // A box that takes its size from its picture keeps its size in twips.
    const struct {
        const wchar_t* name;
        art::Picture picture;
    } kSized[] = {{L"Picture12", art::Picture::Resistor}, {L"Picture5", art::Picture::Ohm},
                  {L"PicCal", art::Picture::Gear},        {L"Pab", art::Picture::AboutGlyph}};
    for (const auto& s : kSized) {
        const platform::Control& c = C(s.name);
        const art::Size design = art::DesignSize(s.picture);
        const RECT r = c.OuterInContainer();
        EXPECT_EQ(r.right - r.left, art::Scaled(design.w, dpi)) << Narrow(s.name);
        EXPECT_EQ(r.bottom - r.top, art::Scaled(design.h, dpi)) << Narrow(s.name);
        EXPECT_NEAR(c.Width(), design.w * 15, 1440 / dpi) << Narrow(s.name);
    }
}

ALONE_TEST_F(DpiTest, ClicksAtScaledPlacesReadAndWrite) {
    PointerClick(C(L"Pict", 1));   // Brown, White, Black, Green
    EXPECT_EQ(testing_gui::WindowText(C(L"Text4").hWnd()), L"19 Ohm   \u00B10.5%");
    testing_gui::SetText(C(L"Text1").hWnd(), L"56");
    PointerClick(C(L"CCal"));
    using testing_gui::kColour;
    const struct {
        const wchar_t* band;
        COLORREF colour;
    } kBands[] = {{L"Picture1", kColour[model::Green]}, {L"Picture2", kColour[model::Blue]},
                  {L"Picture3", kColour[model::Black]}, {L"Picture4", kColour[model::Gold]}};
    for (const auto& b : kBands) {
        const RECT r = testing_gui::ClientRectOf(C(b.band));
        EXPECT_EQ(testing_gui::PixelAt(C(b.band), r.right / 2, r.bottom / 2), b.colour) << Narrow(b.band);
    }
}

// The drawings compared with their design: the three resistors and the ohm sign.
const struct {
    const wchar_t* name;
    art::Picture picture;
} kDrawings[] = {{L"Picture12", art::Picture::Resistor}, {L"Picture7", art::Picture::Resistor},
                 {L"Picture6", art::Picture::Resistor},  {L"Picture5", art::Picture::Ohm}};
// The buttons' glyphs: Calculate's on the left of its caption, About's on the right.
const struct {
    const wchar_t* button;
    art::Picture picture;
    bool right;
} kGlyphs[] = {{L"CCal", art::Picture::Gear, false}, {L"CAb", art::Picture::AboutGlyph, true}};

TEST_F(DpiTest, DrawingsAreTheDesignAtScaleAndSharp) {
    const Pixels shown = glyph_test::ReadClient(form->hWnd());
    for (const auto& d : kDrawings) {
        const platform::Control& box = C(d.name);
        // Its bands, and the swatches that stand over its lower edge.
        std::vector<RECT> over;
        for (const auto& c : form->Controls())
            if (c->kind() == platform::Kind::PictureBox && c.get() != &box) over.push_back(c->OuterInForm());
        const RECT area = box.ClientInForm();
        EXPECT_EQ(Misses(shown, area, d.picture, dpi, over), 0) << Narrow(d.name);
    }
    // Drawn at scale, not stretched: the ohm sign is black on white to its
    // edges, with no grey between.
    const RECT ohm = C(L"Picture5").ClientInForm();
    std::set<COLORREF> colours;
    for (int y = ohm.top; y < ohm.bottom; ++y)
        for (int x = ohm.left; x < ohm.right; ++x) colours.insert(shown.at(x, y));
    EXPECT_EQ(colours, (std::set<COLORREF>{RGB(0, 0, 0), RGB(255, 255, 255)}));

    // The buttons' glyphs, ANDed onto the face at their scaled places.
    for (const auto& g : kGlyphs) {
        HWND button = C(g.button).hWnd();
        glyph_test::Repaint(button);
        const Pixels face = glyph_test::ReadClient(button);
        const art::Size design = art::DesignSize(g.picture);
        const int t = art::Scaled(design.h, dpi);
        const int left = g.right ? face.width - t - art::Scaled(5, dpi) : art::Scaled(5, dpi);
        const int top = static_cast<int>(std::nearbyint(face.height / 2.0 - t / 2.0));
        const RECT area{left, top, left + art::Scaled(design.w, dpi), top + t};
        EXPECT_EQ(Misses(face, area, g.picture, dpi, {}, GetSysColor(COLOR_BTNFACE)), 0) << Narrow(g.button);
    }
}

TEST_F(DpiTest, AboutWindowScalesItsPictureAndLabels) {
    ui::Form2 about;
    ASSERT_TRUE(about.Load(form->hWnd()));
    dpi = ExpectedDpi(7110, 5040, GetWindowLongW(about.hWnd(), GWL_STYLE));   // fits the screen by itself
    RECT client{};
    GetClientRect(about.hWnd(), &client);
    EXPECT_EQ(client.right, Px(7110));
    EXPECT_EQ(client.bottom, Px(5040));
    const RECT picture = about.Item(L"Picture1").OuterInContainer();
    EXPECT_EQ(Text(picture), Text(RECT{0, 0, art::Scaled(479, dpi), art::Scaled(338, dpi)}));
    const RECT label = about.Item(L"Label4").OuterInContainer();   // 14.25 pt bold
    EXPECT_EQ(label.left, Px(480));
    EXPECT_EQ(label.top, Px(4200));
    LOGFONTW font{};
    GetObjectW(about.Item(L"Label4").FontHandle(), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -static_cast<int>(std::nearbyint(14.25 * dpi / 72)));
    about.Unload();
}

// The digit row's numbers 0 to 9 stand under their legend swatches: the
// middle of each one's ink (a single glyph: one run of inked columns) lies
// within a quarter of a swatch of its swatch's middle. Spaces alone, which
// do not grow in step with the digits, let them drift half a swatch and more.
TEST_F(DpiTest, LegendDigitsStandUnderTheirSwatches) {
    const Pixels shown = glyph_test::ReadClient(form->hWnd());
    const RECT first = C(L"P1").OuterInForm();
    const int top = first.bottom, bottom = Px(5520), swatch = first.right - first.left;
    std::vector<std::pair<int, int>> runs;   // inked columns, first and last
    for (int x = first.left - Px(120); x < C(L"P12").OuterInForm().right + Px(120); ++x) {
        bool inked = false;
        for (int y = top; y < bottom && !inked; ++y) inked = shown.at(x, y) != shown.at(first.left - Px(120), top);
        if (inked && !runs.empty() && runs.back().second == x - 1) runs.back().second = x;
        else if (inked) runs.emplace_back(x, x);
    }
    ASSERT_GE(runs.size(), 10u);
    for (int k = 0; k < 10; ++k) {
        const RECT box = C((L"P" + std::to_wstring(k + 1)).c_str()).OuterInForm();
        const double ink = (runs[static_cast<std::size_t>(k)].first + runs[static_cast<std::size_t>(k)].second) / 2.0;
        EXPECT_LE(std::abs(ink - (box.left + box.right - 1) / 2.0), swatch / 4.0) << "digit " << k;
    }
}

}  // namespace

namespace {

// A window moved to a monitor of another dpi, told so the way Windows tells
// it (Wine has one dpi for all monitors and never sends the message).
class DpiChangeTest : public Form1Test {
protected:
    // `shift`: where the suggested rectangle's corner lies from the window's.
    void ChangeDpi(int dpi, POINT shift = {7, 3}) {
        RECT now{};
        GetWindowRect(form->hWnd(), &now);
        RECT frame{0, 0, MulDiv(9075, dpi, 1440), MulDiv(6915, dpi, 1440)};
        AdjustWindowRectEx(&frame, GetWindowLongW(form->hWnd(), GWL_STYLE), FALSE, 0);
        suggested = {now.left + shift.x, now.top + shift.y, now.left + shift.x + frame.right - frame.left,
                     now.top + shift.y + frame.bottom - frame.top};
        MoveOver(POINT{2, 2});   // the tooltip is made before the move, as for a user
        SendMessageW(form->hWnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd())) << "the window did not come to rest";
    }
    // A swatch, a band and a legend swatch tell their colour where they now are.
    void ExpectTipsWhereTheBoxesAre() {
        SCOPED_TRACE(testing::Message() << form->Dpi() << " dpi");
        EXPECT_EQ(TipAt(Middle(C(L"Pict", model::Brown))), L"Brown: 1");
        EXPECT_EQ(TipAt(Middle(C(L"D", model::Gold))), L"Gold: \u00B15%");
        EXPECT_EQ(TipAt(Middle(C(L"E", model::Gray))), L"Gray: \u00B10.05%");
        EXPECT_EQ(TipAt(Middle(C(L"Picture10"))), L"Multiplier, Black: \u00D7 1");
        EXPECT_EQ(TipAt(Middle(C(L"P3"))), L"Red: 2, \u00D7 100, \u00B12%");
    }
    RECT suggested{};
};

ALONE_TEST_F(DpiChangeTest, LaysOutAndDrawsAgainAtTheNewDpiAndBack) {
    const Pixels before = glyph_test::ReadClient(form->hWnd());
    ChangeDpi(144);
    RECT window{};
    GetWindowRect(form->hWnd(), &window);
    EXPECT_EQ(Text(window), Text(suggested)) << "takes the suggested rectangle";
    EXPECT_EQ(form->Dpi(), 144);
    RECT text1{};
    GetWindowRect(C(L"Text1").hWnd(), &text1);
    MapWindowPoints(nullptr, form->hWnd(), reinterpret_cast<POINT*>(&text1), 2);
    EXPECT_EQ(Text(text1), Text(RECT{24, 630, 24 + 122, 630 + 29}));   // 240, 6300, 1215 x 285 twips
    const RECT drawing = C(L"Picture12").OuterInContainer();
    EXPECT_EQ(Text(drawing), Text(RECT{0, 12, 453, 12 + 140}));
    const Pixels scaled = glyph_test::ReadClient(form->hWnd());
    EXPECT_EQ(Misses(scaled, C(L"Picture5").ClientInForm(), art::Picture::Ohm, 144), 0);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(C(L"CCal").hWnd(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -16) << "8.25 pt at 144 dpi";

    ExpectTipsWhereTheBoxesAre();

    ChangeDpi(96);
    EXPECT_EQ(glyph_test::Difference(glyph_test::ReadClient(form->hWnd()), before), "")
        << "back at 96 dpi, every pixel as it was";
    ExpectTipsWhereTheBoxesAre();
}

// A balloon points at its box: at a new scale the box moves even where the
// window's corner stays, and the balloon goes rather than point at its old place.
ALONE_TEST_F(DpiChangeTest, ABalloonGoesWithAScaleChange) {
    SetWindowTextW(C(L"Text1").hWnd(), L"abc");
    SendMessageW(C(L"CCal").hWnd(), BM_CLICK, 0, 0);
    ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
    ASSERT_TRUE(IsWindowVisible(form->BalloonWindow()));
    ChangeDpi(144, POINT{0, 0});
    EXPECT_FALSE(IsWindowVisible(form->BalloonWindow()));
}

}  // namespace

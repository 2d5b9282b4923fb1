// The two glyph buttons of the main window as they appear on the screen:
// the button's own drawing with the glyph ANDed onto it at its place.
#include <gtest/gtest.h>

#include "glyph/function.h"
#include "glyph_pixels.h"
#include "support/form_fixture.h"
#include "ui/resource_ids.h"

namespace glyph_test {
namespace {

struct Placed {
    const wchar_t* button;
    int picture;
    int clientWidth, clientHeight;
    int x, y;   // where the glyph's top-left corner lands
};

const Placed kPlaced[] = {
    {L"CCal", IDB_GEAR, 91, 40, 5, 6},          // t 27: y from 6.5
    {L"CAb", IDB_ABOUT_GLYPH, 65, 25, 44, 4},   // t 16 (the height, not the width 15): x 65 - 16 - 5, y from 4.5
};

WNDPROC PreviousOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetPropW(hwnd, glyph::kPreviousProc)); }

TEST(GlyphPlace, VerticalHalvesGoToTheEvenNeighbour) {
    const struct { int h, t, y; } kCases[] = {
        {25, 16, 4}, {23, 16, 4}, {26, 15, 6}, {27, 16, 6}, {29, 16, 6}, {40, 27, 6}, {24, 16, 4}, {16, 27, -6},
    };
    for (const auto& c : kCases) EXPECT_EQ(glyph::GlyphTop(c.h, c.t), c.y) << "H " << c.h << " t " << c.t;
}

TEST(GlyphPlace, LeftVariantAtFiveRightVariantFiveInsideTheGlyphSize) {
    EXPECT_EQ(glyph::GlyphLeft(false, 65, 16), 5);
    EXPECT_EQ(glyph::GlyphLeft(false, 91, 27), 5);
    EXPECT_EQ(glyph::GlyphLeft(true, 65, 16), 44);
    EXPECT_EQ(glyph::GlyphLeft(true, 91, 27), 59);
}

TEST_F(Form1Test, GlyphIsAndedOntoTheButtonAtItsPlace) {
    for (const Placed& p : kPlaced) {
        SCOPED_TRACE(testing::Message() << std::string(p.button, p.button + wcslen(p.button)));
        HWND hwnd = C(p.button).hWnd();
        RECT client{};
        GetClientRect(hwnd, &client);
        ASSERT_EQ(client.right, p.clientWidth);
        ASSERT_EQ(client.bottom, p.clientHeight);
        ASSERT_NE(PreviousOf(hwnd), nullptr);

        Repaint(hwnd);
        const Pixels screen = ReadClient(hwnd);
        const Pixels plain = PaintedBy(PreviousOf(hwnd), hwnd);
        const Pixels glyph = Resource(p.picture);
        EXPECT_EQ(Difference(screen, AndAt(plain, glyph, p.x, p.y)), "");

        // The darkest glyph pixel shows at its place; the glyph's white leaves
        // the button face as the button drew it.
        const POINT dark = Darkest(glyph);
        const COLORREF face = plain.at(p.x + dark.x, p.y + dark.y);
        EXPECT_EQ(face, GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(screen.at(p.x + dark.x, p.y + dark.y), face & glyph.at(dark.x, dark.y));
        EXPECT_NE(screen.at(p.x + dark.x, p.y + dark.y), face);
        int white = 0;
        for (int gy = 0; gy < glyph.height; ++gy)
            for (int gx = 0; gx < glyph.width; ++gx)
                if (glyph.at(gx, gy) == RGB(255, 255, 255)) {
                    ++white;
                    EXPECT_EQ(screen.at(p.x + gx, p.y + gy), plain.at(p.x + gx, p.y + gy)) << gx << "," << gy;
                }
        EXPECT_GT(white, 0);
    }
}

TEST_F(Form1Test, AboutGlyphEndsSixPixelsInsideTheRightEdge) {
    HWND hwnd = C(L"CAb").hWnd();
    Repaint(hwnd);
    const Pixels screen = ReadClient(hwnd);
    const Pixels plain = PaintedBy(PreviousOf(hwnd), hwnd);
    const Pixels glyph = Resource(IDB_ABOUT_GLYPH);
    ASSERT_EQ(glyph.width, 15);
    ASSERT_EQ(glyph.height, 16);
    const int lastGlyphColumn = screen.width - 7;
    int changed = 0;
    for (int y = 0; y < screen.height; ++y) {
        changed += screen.at(lastGlyphColumn, y) != plain.at(lastGlyphColumn, y);
        for (int x = lastGlyphColumn + 1; x < screen.width; ++x)
            EXPECT_EQ(screen.at(x, y), plain.at(x, y)) << x << "," << y;
    }
    EXPECT_GT(changed, 0) << "the glyph's last column is at W - 7";
}

TEST_F(Form1Test, APartialRepaintShowsTheFinishedImageThereAndLeavesTheRest) {
    for (const Placed& p : kPlaced) {
        SCOPED_TRACE(testing::Message() << std::string(p.button, p.button + wcslen(p.button)));
        HWND hwnd = C(p.button).hWnd();
        Repaint(hwnd);
        const Pixels glyph = Resource(p.picture);
        const Pixels want = AndAt(PaintedBy(PreviousOf(hwnd), hwnd), glyph, p.x, p.y);

        // Paint the screen red, then have only a square about the glyph's
        // darkest pixel repainted.
        HDC dc = GetDC(hwnd);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        const RECT all{0, 0, p.clientWidth, p.clientHeight};
        FillRect(dc, &all, red);
        DeleteObject(red);
        ReleaseDC(hwnd, dc);
        const POINT dark = Darkest(glyph);
        const RECT part{p.x + dark.x - 3, p.y + dark.y - 3, p.x + dark.x + 4, p.y + dark.y + 4};
        InvalidateRect(hwnd, &part, FALSE);
        UpdateWindow(hwnd);

        const Pixels screen = ReadClient(hwnd);
        for (int y = 0; y < screen.height; ++y)
            for (int x = 0; x < screen.width; ++x) {
                const POINT at{x, y};
                const COLORREF expected = PtInRect(&part, at) ? want.at(x, y) : RGB(255, 0, 0);
                ASSERT_EQ(screen.at(x, y), expected) << x << "," << y;
            }
        Repaint(hwnd);
    }
}

TEST_F(Form1Test, AboutButtonCaptionReadsBackExactAfterInstall) {
    HWND hwnd = C(L"CAb").hWnd();
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(glyph::ButtonProcRight));
    EXPECT_TRUE(IsWindowUnicode(hwnd));
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    const std::wstring caption = text;
    const std::wstring persian = L"\u062F\u0631\u0628\u0627\u0631\u0647";
    ASSERT_GT(caption.size(), persian.size());
    EXPECT_EQ(caption.substr(0, persian.size()), persian);
    EXPECT_EQ(caption.find_first_not_of(L' ', persian.size()), std::wstring::npos);
    // The left variant put its spaces in front.
    const std::wstring calculate = C(L"CCal").Caption();
    EXPECT_EQ(calculate.substr(calculate.find_first_not_of(L' ')), L"Calculate");
    EXPECT_GT(calculate.find_first_not_of(L' '), 0u);
}

}  // namespace
}  // namespace glyph_test

// The About window: its look, its modal life over the main window and how a
// click closes it. The window is opened by a click on the About button; the
// checks run from a timer inside its modal loop.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "glyph/glyph_pixels.h"
#include "platform/form.h"
#include "support/form_fixture.h"
#include "ui/form2.h"
#include "ui/resource_ids.h"

namespace {

using glyph_test::Pixels;

constexpr int kClientWidth = 474, kClientHeight = 336;
constexpr COLORREF kGrey = RGB(128, 128, 128), kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
// The frame, in pixels of the picture: x 264 to 464, y 200 to 320.
constexpr int kFrameLeft = 264, kFrameTop = 200, kFrameRight = 464, kFrameBottom = 320;

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

struct LabelRow {
    const wchar_t* name;
    const wchar_t* heading;   // nullptr for a value, whose text is ours to choose
    int left, top;            // twips in the picture
    int height;               // LOGFONT height: 9.75 pt is 13 px, 14.25 pt 19 px
    int weight;
    bool right;               // in the framed block on the right
};

const LabelRow kLabels[] = {
    {L"Label1", L"Downloaded From :", 480, 3120, -13, FW_NORMAL, false},
    {L"Label2", nullptr, 480, 3360, -19, FW_BOLD, false},
    {L"Label3", L"Forum Address :", 480, 3960, -13, FW_NORMAL, false},
    {L"Label4", nullptr, 480, 4200, -19, FW_BOLD, false},
    {L"Label5", L"By :", 4320, 3120, -13, FW_NORMAL, true},
    {L"Label6", nullptr, 4200, 3360, -13, FW_BOLD, true},
    {L"Label9", nullptr, 4200, 3600, -13, FW_BOLD, true},
    {L"Label7", L"E-Mail Address :", 4320, 3960, -13, FW_NORMAL, true},
    {L"Label8", nullptr, 4080, 4200, -13, FW_BOLD, true},
    {L"Label10", nullptr, 4080, 4440, -13, FW_BOLD, true},
};

bool OnFrame(int x, int y) {
    const bool across = x >= kFrameLeft && x <= kFrameRight && (y == kFrameTop || y == kFrameBottom);
    const bool down = y >= kFrameTop && y <= kFrameBottom && (x == kFrameLeft || x == kFrameRight);
    return across || down;
}

std::vector<RECT> LabelRects(ui::Form2& about) {
    std::vector<RECT> rects;
    for (const LabelRow& row : kLabels) rects.push_back(about.Item(row.name).OuterInContainer());
    return rects;
}

bool OnLabel(const std::vector<RECT>& labels, POINT at) {
    for (const RECT& r : labels)
        if (PtInRect(&r, at)) return true;
    return false;
}

// The picture box's client as far as the window shows it: the box fills the
// window's client area from its corner.
Pixels Shown(ui::Form2& about) {
    EXPECT_EQ(about.Item(L"Picture1").ClientInForm().left, 0);
    EXPECT_EQ(about.Item(L"Picture1").ClientInForm().top, 0);
    HWND window = about.hWnd();
    UpdateWindow(window);
    HDC dc = GetDC(window);
    Pixels shown = glyph_test::ReadDC(dc, kClientWidth, kClientHeight);
    ReleaseDC(window, dc);
    return shown;
}

class AboutTest : public Form1Test {
protected:
    // Opens the About window with a click on the About button, or `key` on it
    // focused, and runs `inside` from its modal loop; closes the window
    // afterwards if `inside` left it open. Returns once the window is gone.
    void WhileOpen(std::function<void(ui::Form2&)> inside, UINT key = 0) {
        current_ = this;
        inside_ = std::move(inside);
        ran_ = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, &AboutTest::Tick);
        if (key) { SetFocus(C(L"CAb").hWnd()); testing_gui::PressKey(key); }
        else testing_gui::Click(C(L"CAb"));
        KillTimer(nullptr, timer);
        EXPECT_TRUE(ran_) << "the About window did not open";
        ASSERT_NE(form->About(), nullptr);
        EXPECT_FALSE(form->About()->IsLoaded()) << "the click returned before the window closed";
    }
    void Close(ui::Form2& about, POINT at) { testing_gui::Click(about.Item(L"Picture1"), at); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        ui::Form2* about = current_->form->About();
        if (!about || !about->IsLoaded()) return;
        KillTimer(nullptr, id);
        UpdateWindow(about->hWnd());
        current_->inside_(*about);
        current_->ran_ = true;
        if (about->IsLoaded()) about->Unload();
    }
    static inline AboutTest* current_ = nullptr;
    std::function<void(ui::Form2&)> inside_;
    bool ran_ = false;
};

// With the main window kept on top (its system menu's last item), the About
// window still opens above it, and the main window takes no input meanwhile.
TEST_F(AboutTest, OpensAboveTheMainWindowKeptOnTop) {
    HWND main = form->hWnd();
    HMENU menu = GetSystemMenu(main, FALSE);
    SendMessageW(main, WM_SYSCOMMAND, GetMenuItemID(menu, GetMenuItemCount(menu) - 1), 0);
    ASSERT_NE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    WhileOpen([&](ui::Form2& about) {
        EXPECT_NE(GetWindowLongW(about.hWnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
        bool above = false;
        for (HWND below = GetWindow(about.hWnd(), GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
            above = above || below == main;
        EXPECT_TRUE(above) << "the About window lies above the main window";
        EXPECT_FALSE(IsWindowEnabled(main)) << "modal";
    });
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(AboutTest, BorderlessWindowOf474By336CentredOverTheMainWindow) {
    // Away from the screen's centre, so that centred over the main window and
    // centred on the screen differ.
    SetWindowPos(form->hWnd(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    WhileOpen([&](ui::Form2& about) {
        HWND hwnd = about.hWnd();
        const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
        EXPECT_TRUE(style & WS_POPUP);
        EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU));
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        RECT client{}, window{}, main{};
        GetClientRect(hwnd, &client);
        EXPECT_EQ(client.right, kClientWidth);
        EXPECT_EQ(client.bottom, kClientHeight);
        GetWindowRect(hwnd, &window);
        EXPECT_EQ(window.right - window.left, kClientWidth) << "no frame";
        EXPECT_EQ(window.bottom - window.top, kClientHeight);
        GetWindowRect(form->hWnd(), &main);
        EXPECT_NEAR(window.left + window.right, main.left + main.right, 2);   // centres within 1 pixel
        EXPECT_NEAR(window.top + window.bottom, main.top + main.bottom, 2);
        EXPECT_EQ(GetWindow(hwnd, GW_OWNER), form->hWnd());
        // The caption, never seen, is the address the window gives.
        wchar_t caption[128] = {};
        GetWindowTextW(hwnd, caption, 128);
        EXPECT_EQ(caption, about.Item(L"Label2").Caption());
    });
}

TEST_F(AboutTest, LabelsShowTheirTextsInTahomaForArabic) {
    WhileOpen([&](ui::Form2& about) {
        for (const LabelRow& row : kLabels) {
            SCOPED_TRACE(Narrow(row.name));
            platform::Control& label = about.Item(row.name);
            EXPECT_EQ(label.kind(), platform::Kind::Label);
            EXPECT_EQ(label.Container(), &about.Item(L"Picture1"));
            if (row.heading) EXPECT_EQ(label.Caption(), row.heading);
            else EXPECT_FALSE(label.Caption().empty());
            EXPECT_EQ(label.Left(), row.left);
            EXPECT_EQ(label.Top(), row.top);
            EXPECT_EQ(label.ForeColor(), 0xFFFFFFu);

            LOGFONTW font{};
            ASSERT_TRUE(GetObjectW(label.FontHandle(), sizeof font, &font));
            EXPECT_STREQ(font.lfFaceName, L"Tahoma");
            EXPECT_EQ(font.lfCharSet, ARABIC_CHARSET);
            EXPECT_EQ(font.lfHeight, row.height);
            EXPECT_EQ(font.lfWeight, row.weight);
            // What the font mapper makes of it.
            HDC dc = GetDC(nullptr);
            HGDIOBJ old = SelectObject(dc, label.FontHandle());
            wchar_t face[LF_FACESIZE] = {};
            GetTextFaceW(dc, LF_FACESIZE, face);
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc, &metrics);
            SelectObject(dc, old);
            ReleaseDC(nullptr, dc);
            EXPECT_STREQ(face, L"Tahoma");
            EXPECT_EQ(metrics.tmCharSet, ARABIC_CHARSET);
            EXPECT_EQ(metrics.tmWeight, row.weight);
        }
    });
}

TEST_F(AboutTest, WhiteTextLiesOnThePictureInsideItsBlock) {
    WhileOpen([&](ui::Form2& about) {
        const Pixels shown = Shown(about);
        const Pixels picture = glyph_test::Resource(IDB_ABOUT);
        ASSERT_EQ(picture.width, 479);
        ASSERT_EQ(picture.height, 338);
        for (const LabelRow& row : kLabels) {
            SCOPED_TRACE(Narrow(row.name));
            const RECT r = about.Item(row.name).OuterInContainer();
            // Left block beside the frame, right block inside it, both on the
            // part of the picture that the window shows.
            if (row.right) {
                EXPECT_GT(r.left, kFrameLeft);
                EXPECT_LE(r.right, kFrameRight);
                EXPECT_GT(r.top, kFrameTop);
                EXPECT_LE(r.bottom, kFrameBottom);
            } else {
                EXPECT_LE(r.right, kFrameLeft);
                EXPECT_LE(r.bottom, kClientHeight);
            }
            int white = 0;
            for (int y = r.top; y < r.bottom && y < kClientHeight; ++y)
                for (int x = r.left; x < r.right && x < kClientWidth; ++x) white += shown.at(x, y) == kWhite;
            EXPECT_GT(white, 10) << "white text";
        }
        // Elsewhere the picture shows as it is, but for the frame.
        const std::vector<RECT> labels = LabelRects(about);
        int differ = 0;
        for (int y = 0; y < kClientHeight; ++y)
            for (int x = 0; x < kClientWidth; ++x)
                if (!OnFrame(x, y) && !OnLabel(labels, POINT{x, y}) && shown.at(x, y) != picture.at(x, y) &&
                    differ++ == 0)
                    ADD_FAILURE() << "first pixel off the picture at " << x << "," << y;
        EXPECT_EQ(differ, 0);
        EXPECT_EQ(shown.at(10, 300), RGB(56, 56, 56)) << "the dark ground under the text";
    });
}

TEST_F(AboutTest, FrameIsGreyAboveAndLeftBlackBelowAndRight) {
    WhileOpen([&](ui::Form2& about) {
        const Pixels shown = Shown(about);
        for (int y = kFrameTop + 1; y < kFrameBottom; ++y) {
            EXPECT_EQ(shown.at(kFrameLeft, y), kGrey) << "left, y " << y;
            EXPECT_EQ(shown.at(kFrameRight, y), kBlack) << "right, y " << y;
        }
        for (int x = kFrameLeft + 1; x < kFrameRight; ++x) {
            EXPECT_EQ(shown.at(x, kFrameTop), kGrey) << "top, x " << x;
            EXPECT_EQ(shown.at(x, kFrameBottom), kBlack) << "bottom, x " << x;
        }
    });
}

ALONE_TEST_F(AboutTest, MainWindowTakesNoInputWhileOpen) {
    // A real click on the uncovered part of "Calculate" would repaint the
    // writer from the text "100".
    SetWindowTextW(C(L"Text1").hWnd(), L"100");
    const platform::OleColour band = C(L"Picture1").BackColor();
    WhileOpen([&](ui::Form2& about) {
        EXPECT_FALSE(IsWindowEnabled(form->hWnd()));
        RECT cover{}, button{};
        GetWindowRect(about.hWnd(), &cover);
        GetWindowRect(C(L"CCal").hWnd(), &button);
        const POINT at{button.left + 4, button.bottom - 4};
        ASSERT_FALSE(PtInRect(&cover, at)) << "the point must be one the About window leaves free";
        ASSERT_TRUE(testing_gui::DeclaredAlone()) << "a test that clicks with the real pointer is an ALONE_TEST_F";
        HWND calculate = C(L"CCal").hWnd();
        POINT inButton = at;
        ScreenToClient(calculate, &inButton);
        ASSERT_TRUE(testing_gui::RealClick(calculate, inButton));
        // A click on a disabled window goes nowhere: what comes to wait for
        // is a move sent after it, over the About window. Input is taken in
        // the order it came, so once the move is in, the click was handled.
        const POINT over{(cover.left + cover.right) / 2, (cover.top + cover.bottom) / 2};
        ASSERT_TRUE(SetCursorPos(over.x, over.y));
        ASSERT_TRUE(testing_gui::PumpUntilMouse(WM_MOUSEMOVE, over)) << "the move did not reach the About window";
        EXPECT_EQ(C(L"Picture1").BackColor(), band) << "the click reached the main window";
        EXPECT_TRUE(about.IsLoaded());
    });
    EXPECT_TRUE(IsWindowEnabled(form->hWnd()));
    EXPECT_EQ(C(L"Picture1").BackColor(), band);
}

// Brought to the front while About is open (a taskbar or a window switch
// can), the main window brings About along; keys meant for its boxes, as
// the message loop hands them on, change nothing.
ALONE_TEST_F(AboutTest, MainWindowBroughtToTheFrontTakesNoKeys) {
    auto shown = [&] { return C(L"Text1").Text() + C(L"Text3").Text() + C(L"Text4").Text() +
                              std::to_wstring(C(L"Picture1").BackColor()); };
    const std::wstring before = shown();
    WhileOpen([&](ui::Form2& about) {
        SetForegroundWindow(form->hWnd());
        ASSERT_TRUE(testing_gui::PumpUntilIdle(about.hWnd()));
        EXPECT_EQ(GetForegroundWindow(), about.hWnd()) << "About comes along";
        for (const auto& [box, key] : {std::pair{L"CCal", VK_TAB}, {L"Text1", VK_UP}, {L"Text3", VK_DOWN}}) {
            MSG down{C(box).hWnd(), WM_KEYDOWN, static_cast<WPARAM>(key), 1, 0, {}};
            platform::DispatchWithTab(down);
        }
        EXPECT_EQ(shown(), before);
    });
}

TEST_F(AboutTest, AClickOnThePictureOrTheFrameClosesAClickOnALabelDoesNot) {
    const struct { const char* where; POINT at; } kClosing[] = {
        {"below the left block", {10, 300}},
        {"the logo", {240, 100}},
        {"the frame's left line", {kFrameLeft, 260}},
        {"the frame's bottom line", {300, kFrameBottom}},
        {"inside the frame beside the names", {450, 215}},
    };
    for (const auto& c : kClosing) {
        SCOPED_TRACE(c.where);
        WhileOpen([&](ui::Form2& about) {
            ASSERT_FALSE(OnLabel(LabelRects(about), c.at));
            for (const LabelRow& row : kLabels) {
                const RECT r = about.Item(row.name).OuterInContainer();
                Close(about, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                EXPECT_TRUE(about.IsLoaded()) << "closed by a click on " << Narrow(row.name);
            }
            Close(about, c.at);
            EXPECT_FALSE(about.IsLoaded());
        });
    }
}

// Enter on the focused About button opens the window; Escape closes it, as Enter does.
TEST_F(AboutTest, EnterOnTheButtonOpensEscapeOrEnterCloses) {
    for (const UINT key : {VK_ESCAPE, VK_RETURN})
        WhileOpen([&](ui::Form2& about) { testing_gui::PressKey(key); EXPECT_FALSE(about.IsLoaded()) << key; }, VK_RETURN);
}

TEST_F(AboutTest, ASecondOpenShowsAFreshWindowInTheDesignState) {
    Pixels first;
    std::wstring address;
    ui::Form2* object = nullptr;
    WhileOpen([&](ui::Form2& about) {
        object = &about;
        first = Shown(about);
        address = about.Item(L"Label2").Caption();
        about.Item(L"Label2").SetCaption(L"changed");   // gone with the window
        Close(about, POINT{10, 300});
    });
    WhileOpen([&](ui::Form2& about) {
        EXPECT_EQ(&about, object) << "the form object is kept";
        EXPECT_EQ(about.Item(L"Label2").Caption(), address);
        EXPECT_EQ(glyph_test::Difference(Shown(about), first), "");
        EXPECT_FALSE(IsWindowEnabled(form->hWnd()));
        Close(about, POINT{10, 300});
        EXPECT_FALSE(about.IsLoaded());
    });
    EXPECT_TRUE(IsWindowEnabled(form->hWnd()));
}

// Alone: another test's window taking the activation makes and frees objects here.
ALONE_TEST_F(AboutTest, HundredOpenCloseCyclesLoseNoGdiObjectOrWindow) {
    auto cycle = [&] { WhileOpen([&](ui::Form2& about) { Close(about, POINT{10, 300}); }); };
    for (int i = 0; i < 3; ++i) cycle();   // caches fill once
    ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
    const int gdiBefore = testing_gui::GdiObjectCount(), windowsBefore = testing_gui::WindowCount();
    for (int i = 0; i < 100; ++i) cycle();
    ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
    const int gdiAfter = testing_gui::GdiObjectCount(), windowsAfter = testing_gui::WindowCount();
    std::printf("GDI objects %d -> %d, windows %d -> %d after 100 opens of the About window\n", gdiBefore, gdiAfter,
                windowsBefore, windowsAfter);
    EXPECT_GT(gdiBefore, 0);
    EXPECT_EQ(gdiAfter, gdiBefore);
    EXPECT_EQ(windowsAfter, windowsBefore);
}

}  // namespace

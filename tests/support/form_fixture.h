// A real main window, created and shown in the test's own process.
#pragma once
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "support/gui.h"
#include "support/input.h"
#include "ui/form1.h"

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::Form1>();
        ASSERT_TRUE(form->Show()) << "no main window: is DISPLAY set?";
        ASSERT_NE(form->hWnd(), nullptr);
        ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd())) << "the window did not come to rest";
    }
    void TearDown() override {
        form.reset();
        testing_gui::PumpUntilIdle(nullptr);
    }
    platform::Control& C(const wchar_t* name, int index = -1) { return form->Item(name, index); }
    // Suites that need a decimal comma run in a German locale of their own
    // (BANDORA_EXPECT_COMMA_LOCALE=1): skipped elsewhere, failing loudly when
    // that locale did not take.
    static void RequireCommaLocale() {
        const char* expect = std::getenv("BANDORA_EXPECT_COMMA_LOCALE");
        if (!expect || std::string(expect) != "1") GTEST_SKIP() << "needs a locale with a decimal comma";
        wchar_t separator[8] = {};
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
        ASSERT_STREQ(separator, L",") << "the locale set-up did not take (LOCPATH, LC_ALL)";
    }
    // A click from the system's own input queue, as from a real mouse, in the
    // middle of a control; the input reaches the window that shows it through
    // this thread's message queue. Returns once the release has been handled.
    void PointerClick(const platform::Control& control) {
        ASSERT_TRUE(testing_gui::DeclaredAlone()) << "a test that clicks with the real pointer is an ALONE_TEST_F";
        const RECT client = testing_gui::ClientRectOf(control);
        const testing_gui::WindowPoint p =
            testing_gui::WindowPointOf(control, POINT{client.right / 2, client.bottom / 2});
        POINT screen = p.at;
        ClientToScreen(p.hwnd, &screen);
        ASSERT_EQ(WindowFromPoint(screen), p.hwnd);
        ASSERT_TRUE(testing_gui::RealClick(p.hwnd, p.at));
        ASSERT_TRUE(testing_gui::PumpUntilMouse(WM_LBUTTONUP, screen)) << "the click did not reach the window";
    }
    // Moves the real pointer to a point of the screen over the window, and
    // returns once the move has reached it.
    void MovePointer(POINT screen) {
        ASSERT_TRUE(testing_gui::DeclaredAlone()) << "a test that moves the real pointer is an ALONE_TEST_F";
        POINT now{};
        if (GetCursorPos(&now) && now.x == screen.x && now.y == screen.y) return;   // no move to wait for
        ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
        ASSERT_TRUE(testing_gui::PumpUntilMouse(WM_MOUSEMOVE, screen)) << "the move did not reach the window";
    }
    // The tip at a point of the window, as the tooltip finds its tool there
    // and asks the window for its text; "" where no tool is.
    std::wstring TipAt(POINT at, HWND window = nullptr) {
        HWND tip = form->TipWindow();
        TTHITTESTINFOW hit{};
        hit.hwnd = window ? window : form->hWnd();
        hit.pt = at;
        hit.ti.cbSize = sizeof hit.ti;
        if (!tip || !SendMessageW(tip, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit))) return L"";
        NMTTDISPINFOW info{};
        info.hdr = {tip, hit.ti.uId, TTN_GETDISPINFOW};
        info.uFlags = hit.ti.uFlags;
        SendMessageW(form->hWnd(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
        return info.lpszText ? info.lpszText : L"";
    }
    static POINT Middle(const platform::Control& box) {
        const RECT r = box.ClientInForm();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void MoveOver(POINT at) { SendMessageW(form->hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y)); }
    std::unique_ptr<ui::Form1> form;
};

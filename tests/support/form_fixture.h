// A real main window, created and shown in the test's own process.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "support/gui.h"
#include "support/input.h"
#include "ui/form1.h"

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::Form1>();
        ASSERT_TRUE(form->Show()) << "no main window: is DISPLAY set?";
        ASSERT_NE(form->hWnd(), nullptr);
        testing_gui::PumpFor(30);
    }
    void TearDown() override {
        form.reset();
        testing_gui::PumpFor(10);
    }
    platform::Control& C(const wchar_t* name, int index = -1) { return form->Item(name, index); }
    // A click from the system's own input queue, as from a real mouse; the
    // input reaches the window through this thread's message queue.
    void PointerClick(HWND hwnd) {
        RECT r{};
        GetWindowRect(hwnd, &r);
        ASSERT_EQ(WindowFromPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}), hwnd);
        ASSERT_TRUE(testing_gui::RealClickMiddle(hwnd));
        testing_gui::PumpFor(200);
    }
    std::unique_ptr<ui::Form1> form;
};

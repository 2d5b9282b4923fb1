// Every paint of a glyph button frees what it made: the process's GDI objects
// and windows stay the same over many repaints. The count itself is checked
// first, on objects made on purpose and on a procedure that leaks on purpose.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "glyph/function.h"
#include "glyph_pixels.h"
#include "support/form_fixture.h"

namespace glyph_test {
namespace {

using testing_gui::GdiObjectCount;
using testing_gui::WindowCount;

void RepaintBoth(ui::Form1& form, int times) {
    HWND calculate = form.Item(L"CCal").hWnd(), about = form.Item(L"CAb").hWnd();
    for (int i = 0; i < times; ++i) {
        Repaint(calculate);
        Repaint(about);
    }
}

TEST(GdiObjectCount, SeesObjectsMadeAndFreed) {
    HDC screen = GetDC(nullptr);
    const int before = GdiObjectCount();
    ASSERT_GT(before, 0) << "the GDI handle table could not be read";
    std::vector<HGDIOBJ> made;
    for (int i = 0; i < 25; ++i) made.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    for (int i = 0; i < 5; ++i) made.push_back(CreateCompatibleBitmap(screen, 4, 4));
    EXPECT_EQ(GdiObjectCount(), before + 30);
    for (HGDIOBJ object : made) DeleteObject(object);
    EXPECT_EQ(GdiObjectCount(), before);
    ReleaseDC(nullptr, screen);
}

// Alone: another test's window taking the activation makes and frees objects here.
ALONE_TEST_F(Form1Test, ThousandRepaintsLoseNoGdiObjectOrWindow) {
    RepaintBoth(*form, 20);   // caches fill once
    ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
    const int gdiBefore = GdiObjectCount(), windowsBefore = WindowCount();
    RepaintBoth(*form, 1000);
    ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
    const int gdiAfter = GdiObjectCount(), windowsAfter = WindowCount();
    std::printf("GDI objects %d -> %d, windows %d -> %d after 1000 repaints of both buttons\n", gdiBefore, gdiAfter,
                windowsBefore, windowsAfter);
    EXPECT_EQ(gdiAfter, gdiBefore);
    EXPECT_EQ(windowsAfter, windowsBefore);
}

// On top of the glyph procedure: one brush per paint, never freed.
std::vector<HBRUSH> leaked;
WNDPROC glyphProc = nullptr;
LRESULT CALLBACK Leaky(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) leaked.push_back(CreateSolidBrush(RGB(1, 2, 3)));
    return CallWindowProcW(glyphProc, hwnd, msg, wp, lp);
}

TEST_F(Form1Test, CountCatchesALeakOfOneObjectPerPaint) {
    HWND about = C(L"CAb").hWnd();
    glyphProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(about, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Leaky)));
    ASSERT_EQ(glyphProc, glyph::ButtonProcRight);
    for (int i = 0; i < 5; ++i) Repaint(about);
    constexpr int kPaints = 50;
    const int before = GdiObjectCount();
    for (int i = 0; i < kPaints; ++i) Repaint(about);
    const int delta = GdiObjectCount() - before;
    std::printf("a leak of one brush per paint: %d objects after %d paints\n", delta, kPaints);
    EXPECT_GE(delta, kPaints);
    EXPECT_LE(delta, kPaints + 2);

    SetWindowLongPtrW(about, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(glyphProc));
    for (HBRUSH brush : leaked) DeleteObject(brush);
    leaked.clear();
}

}  // namespace
}  // namespace glyph_test

#include <gtest/gtest.h>
#include <functional>
#include "support/form_fixture.h"
#include "ui/form2.h"

namespace {
std::function<void()> g_inside;
ui::Form1* g_form;
void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    if (!g_form->About() || !g_form->About()->IsLoaded()) return;
    KillTimer(nullptr, id);
    g_inside();
    if (g_form->About()->IsLoaded()) g_form->About()->Unload();
}
TEST_F(Form1Test, ScratchAbout) {
    g_form = form.get();
    g_inside = [&] {
        testing_gui::PumpFor(4000);
        HWND h = form->About()->hWnd();
        HWND pic = form->About()->Item(L"Picture1").hWnd();
        printf("visible %d pic %p %06lx %06lx\n", IsWindowVisible(h), (void*)pic, testing_gui::PixelAt(pic, 10, 300), testing_gui::PixelAt(h, 10, 300));
        RECT r; GetWindowRect(h, &r); printf("rect %ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    };
    SetTimer(nullptr, 0, 20, Tick);
    testing_gui::Click(C(L"CAb"));
}
}

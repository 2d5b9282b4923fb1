#include "support/gui.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "platform/form.h"

namespace testing_gui {
namespace {

// "Suite.Name" of every test declared with ALONE_TEST_F.
std::set<std::string>& AloneTests() {
    static std::set<std::string> tests;
    return tests;
}

// The mouse message PumpUntilMouse waits for, and whether it has come.
struct AwaitedMouse {
    UINT message;
    POINT at;
    bool came;
} g_awaited{};

LRESULT CALLBACK WatchMouse(int code, WPARAM message, LPARAM info) {
    const auto* mouse = reinterpret_cast<const MOUSEHOOKSTRUCT*>(info);
    if (code == HC_ACTION && message == g_awaited.message && mouse->pt.x == g_awaited.at.x &&
        mouse->pt.y == g_awaited.at.y)
        g_awaited.came = true;
    return CallNextHookEx(nullptr, code, message, info);
}

// The menu WhileMenuOpen waits for: what it saw, and the key to press.
struct AwaitedMenu {
    std::vector<MenuItemSeen> items;
    wchar_t key;
    bool seen;
    int position;
} g_menu{};

// A menu's window, while it is shown.
HWND ShownMenu() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

void CALLBACK ReadMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND window = ShownMenu();
    if (g_menu.seen || !window) return;
    auto* menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    if (!menu) return;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        g_menu.items.push_back({text, GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION)});
    }
    g_menu.seen = true;
    // The menu's loop takes the keys of this thread's queue, whichever window they are for.
    if (g_menu.key) PostMessageW(window, WM_CHAR, g_menu.key, 1);
    for (int i = 0; i <= g_menu.position; ++i) PostMessageW(window, WM_KEYDOWN, VK_DOWN, 1);
    // Enter as the loop takes it once translated, before the Escape below.
    if (g_menu.position >= 0) PostMessageW(window, WM_CHAR, L'\r', 1);
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
}

}  // namespace

std::vector<MenuItemSeen> WhileMenuOpen(const std::function<void()>& open, wchar_t key, int ms, int position) {
    g_menu = {{}, key, false, position};
    // A thread timer: the menu's own loop dispatches it.
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, ReadMenu);
    open();
    PumpUntil([] { return g_menu.seen && !ShownMenu(); }, ms);
    KillTimer(nullptr, timer);
    return g_menu.items;
}

void PressKey(UINT key, UINT held) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    if (held) keys[held] = 0x80;
    SetKeyboardState(keys);
    for (const UINT message : {WM_KEYDOWN, WM_KEYUP}) {
        MSG msg{GetFocus(), message, key, message == WM_KEYUP ? static_cast<LPARAM>(0xC0000001u) : 1, 0, {}};
        platform::DispatchWithTab(msg);
    }
    if (held) keys[held] = 0;
    SetKeyboardState(keys);
}

bool MarkAlone(const char* suite, const char* name) {
    AloneTests().insert(std::string(suite) + "." + name);
    return true;
}

bool DeclaredAlone() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return test && AloneTests().count(std::string(test->test_suite_name()) + "." + test->name()) > 0;
}

void DispatchWaiting() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    for (;;) {
        DispatchWaiting();
        if (done()) return true;
        const auto left = static_cast<LONG>(end - GetTickCount());
        if (left <= 0) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left < 20 ? left : 20), QS_ALLINPUT);
    }
}

namespace {

BOOL CALLBACK FindUnpainted(HWND child, LPARAM found) {
    if (!GetUpdateRect(child, nullptr, FALSE)) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

bool NothingToPaint(HWND window) {
    if (!window || !IsWindow(window)) return true;
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    bool unpainted = false;
    EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

}  // namespace

bool PumpUntilIdle(HWND window, int ms) {
    return PumpUntil([&] { return (HIWORD(GetQueueStatus(QS_ALLINPUT)) & ~QS_TIMER) == 0 && NothingToPaint(window); },
                     ms);
}

bool PumpUntilMouse(UINT message, POINT at, int ms) {
    // The hook sees each mouse message as this thread takes it from its queue.
    g_awaited = {message, at, false};
    HHOOK hook = SetWindowsHookExW(WH_MOUSE, WatchMouse, nullptr, GetCurrentThreadId());
    if (!hook) return false;
    const bool came = PumpUntil([] { return g_awaited.came; }, ms);
    UnhookWindowsHookEx(hook);
    return came;
}

COLORREF PixelAt(HWND hwnd, int x, int y) {
    UpdateWindow(hwnd);
    HDC dc = GetDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
}

void Click(HWND hwnd, POINT at) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, where);   // the mouse comes there first, and tooltips see it
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, where);
}

WindowPoint WindowPointOf(const platform::Control& control, POINT at) {
    if (control.hWnd()) return {control.hWnd(), at};
    const RECT client = control.ClientInForm();
    return {control.form().hWnd(), POINT{client.left + at.x, client.top + at.y}};
}

COLORREF PixelAt(const platform::Control& control, int x, int y) {
    const WindowPoint p = WindowPointOf(control, POINT{x, y});
    return PixelAt(p.hwnd, p.at.x, p.at.y);
}

void Click(const platform::Control& control, POINT at) {
    const WindowPoint p = WindowPointOf(control, at);
    Click(p.hwnd, p.at);
}

void Click(const platform::Control& control) {
    const RECT client = ClientRectOf(control);
    Click(control, POINT{client.right / 2, client.bottom / 2});
}

std::wstring WindowText(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

RECT ClientRectOf(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

RECT ClientRectOf(const platform::Control& control) {
    if (control.hWnd()) return ClientRectOf(control.hWnd());
    return control.ClientInSelf();
}

int GdiObjectCount() {
    // x86 PEB: GdiSharedHandleTable at 0x94. Wine's table has 0x10000 entries
    // of 24 bytes (a 64-bit object pointer, owner, unique, then the type byte
    // at offset 14); an entry is in use when its type is non-zero.
    std::uintptr_t peb = 0;
    __asm__("movl %%fs:0x30, %0" : "=r"(peb));
    const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0x94);
    if (!table) return -1;
    int count = 0;
    for (int i = 0; i < 0x10000; ++i)
        if (table[i * 24 + 14] != 0) ++count;
    return count;
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}
BOOL CALLBACK CountTop(HWND hwnd, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    EnumChildWindows(hwnd, CountChild, counter);
    return TRUE;
}
}  // namespace

int WindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTop, reinterpret_cast<LPARAM>(&count));
    return count;
}

void SetText(HWND edit, const std::wstring& text) { SetWindowTextW(edit, text.c_str()); }

}  // namespace testing_gui

// The test executables' entry point. CTest's discovery (cmake/serial-tests.cmake)
// lists an executable's tests twice, with two filters only this entry point
// knows: "@alone", the tests declared with ALONE_TEST_F, and "@shared", all
// the others. Any other filter is GoogleTest's own.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const std::string filter = GTEST_FLAG_GET(filter);
    if (filter == "@alone" || filter == "@shared") {
        std::string alone;
        for (const std::string& test : testing_gui::AloneTests()) alone += (alone.empty() ? "" : ":") + test;
        if (filter == "@alone") GTEST_FLAG_SET(filter, alone.empty() ? "-*" : alone);
        else GTEST_FLAG_SET(filter, "-" + alone);
    }
    return RUN_ALL_TESTS();
}

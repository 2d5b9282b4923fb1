#include "click_floor.h"

#include "painted.h"

namespace bench {
namespace {

// Each click sets the other text, so the box's text changes every time.
constexpr const wchar_t* kFloorTexts[2] = {L"19 Ohm   \u00B10.5%", L"29 Ohm   \u00B10.5%"};   // Brown, Red first digit

struct ClickFloor {
    HWND window = nullptr, edit = nullptr;
    HFONT font = nullptr;
    int next = 0;
};
ClickFloor g_floor;

LRESULT CALLBACK ClickFloorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONUP) {
        SetWindowTextW(g_floor.edit, kFloorTexts[g_floor.next]);
        g_floor.next ^= 1;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

// At the screen's top-left corner, clear of Bandora's centred window, so that
// neither covers the other's readout.
bool CreateClickFloor() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = ClickFloorProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"BandoraClickFloor";
    if (!RegisterClassW(&wc)) return false;
    auto px = [](int twips) { return MulDiv(twips, ScreenDpi(), 1440); };
    g_floor.window = CreateWindowExW(0, wc.lpszClassName, L"Click floor", WS_POPUP | WS_VISIBLE, 0, 0,
                                     px(1935 + 240), px(285 + 240), nullptr, nullptr, instance, nullptr);
    if (!g_floor.window) return false;
    g_floor.edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL,
                                   px(120), px(120), px(1935), px(285), g_floor.window, nullptr, instance, nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(825, ScreenDpi(), 7200);   // Tahoma 8.25, as Bandora's text boxes
    lf.lfWeight = FW_NORMAL;
    lstrcpyW(lf.lfFaceName, L"Tahoma");
    g_floor.font = CreateFontIndirectW(&lf);
    SendMessageW(g_floor.edit, WM_SETFONT, reinterpret_cast<WPARAM>(g_floor.font), FALSE);
    UpdateWindow(g_floor.window);
    return g_floor.edit != nullptr;
}

void DestroyClickFloor() {
    DestroyWindow(g_floor.window);
    DeleteObject(g_floor.font);
}

HWND ClickFloorWindow() { return g_floor.window; }
HWND ClickFloorEdit() { return g_floor.edit; }

void SendClick(HWND window, POINT at) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageW(window, WM_LBUTTONUP, 0, where);
}

void ClickTheFloor() { SendClick(g_floor.window, {40, 20}); }

}  // namespace bench

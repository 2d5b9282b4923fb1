// The second start-up floor: the main window holding only its six standard
// controls, made plainly (three edit boxes with a client edge, the drop-down
// list with its eight entries, two push buttons) in Tahoma 8.25, with the same
// manifest and a white background, nothing drawn. What the platform's own
// controls cost is the least such a window can take.
#include <windows.h>

namespace {

constexpr int kClientWidth = 605, kClientHeight = 461;   // Bandora's main window, pixels at 96 dpi, scaled to the display's
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

struct Child {
    const wchar_t* windowClass;
    const wchar_t* text;
    DWORD style, exStyle;
    int left, top, width, height;   // twips, as in Bandora's layout
};

constexpr DWORD kEdit = ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP;
const Child kChildren[] = {
    {L"EDIT", L"", kEdit, WS_EX_CLIENTEDGE, 120, 3960, 1815, 285},
    {L"EDIT", L"", kEdit, WS_EX_CLIENTEDGE, 4680, 3960, 1935, 285},
    {L"EDIT", L"4700", kEdit, WS_EX_CLIENTEDGE, 240, 6300, 1215, 285},
    {L"COMBOBOX", nullptr, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 1920, 6300, 1095, 3000},
    {L"BUTTON", L"Calculate", BS_PUSHBUTTON | WS_TABSTOP, 0, 3120, 6120, 1365, 600},
    {L"BUTTON", L"\u062F\u0631\u0628\u0627\u0631\u0647", BS_PUSHBUTTON | WS_TABSTOP, 0, 7920, 6480, 975, 375},
};
constexpr const wchar_t* kTolerances[] = {L"\u00B11%",   L"\u00B12%",  L"\u00B10.5%", L"\u00B10.25%",
                                          L"\u00B10.1%", L"\u00B10.05%", L"\u00B15%",  L"\u00B110%"};

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void CreateChildren(HWND parent, HFONT font, int dpi) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    auto px = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
    for (const Child& c : kChildren) {
        HWND child = CreateWindowExW(c.exStyle, c.windowClass, c.text, WS_CHILD | WS_VISIBLE | c.style, px(c.left),
                                     px(c.top), px(c.width), px(c.height), parent, nullptr, instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (!c.text)
            for (const wchar_t* entry : kTolerances) SendMessageW(child, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"BandoraControlsFloor";
    if (!RegisterClassW(&wc)) return 1;

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    RECT frame{0, 0, MulDiv(kClientWidth, dpi, 96), MulDiv(kClientHeight, dpi, 96)};
    AdjustWindowRect(&frame, kStyle, FALSE);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Controls floor", kStyle, x, y, width, height, nullptr,
                                nullptr, instance, nullptr);
    if (!hwnd) return 1;
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(825, dpi, 7200);   // 8.25 points
    lf.lfWeight = FW_NORMAL;
    lstrcpyW(lf.lfFaceName, L"Tahoma");
    HFONT font = CreateFontIndirectW(&lf);
    CreateChildren(hwnd, font, dpi);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DeleteObject(font);
    return static_cast<int>(msg.wParam);
}

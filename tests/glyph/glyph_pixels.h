// Pixels of buttons and pictures read back into memory, so that a whole
// button can be compared with what it should show.
#pragma once
#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "ui/pictures.h"
#include "platform/picture.h"

namespace glyph_test {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> rgb;   // row by row
    COLORREF at(int x, int y) const { return rgb[static_cast<std::size_t>(y * width + x)]; }
    COLORREF& at(int x, int y) { return rgb[static_cast<std::size_t>(y * width + x)]; }
};

// The w x h area at (0, 0) of a DC, copied through a 32-bit DIB.
inline Pixels ReadDC(HDC source, int w, int h) {
    Pixels out;
    out.width = w;
    out.height = h;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;   // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* px = static_cast<const DWORD*>(bits);
    out.rgb.reserve(static_cast<std::size_t>(w * h));
    for (int i = 0; i < w * h; ++i)
        out.rgb.push_back(RGB((px[i] >> 16) & 0xFF, (px[i] >> 8) & 0xFF, px[i] & 0xFF));
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    return out;
}

// Paints the window now, all of it.
inline void Repaint(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
}

// The client area as it stands on the screen.
inline Pixels ReadClient(HWND hwnd) {
    UpdateWindow(hwnd);
    RECT client{};
    GetClientRect(hwnd, &client);
    HDC dc = GetDC(hwnd);
    Pixels out = ReadDC(dc, client.right, client.bottom);
    ReleaseDC(hwnd, dc);
    return out;
}

// What `proc` draws for the window into a memory DC handed over with WM_PAINT:
// the plain button, for a button class procedure.
inline Pixels PaintedBy(WNDPROC proc, HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    HDC screen = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, canvas);
    CallWindowProcW(proc, hwnd, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    Pixels out = ReadDC(memory, client.right, client.bottom);
    SelectObject(memory, old);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(hwnd, screen);
    return out;
}

// A picture of the program as drawn at `dpi`, as its pixels.
inline Pixels Resource(int id, int dpi = 96) {
    const auto picture = platform::LoadPicture(ui::kPictures, id, dpi);
    if (!picture) return {};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, picture->width(), picture->height());
    HGDIOBJ old = SelectObject(memory, canvas);
    picture->Draw(memory, 0, 0);
    Pixels out = ReadDC(memory, picture->width(), picture->height());
    SelectObject(memory, old);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return out;
}

// `under` with `glyph` ANDed onto it at (x, y).
inline Pixels AndAt(Pixels under, const Pixels& glyph, int x, int y) {
    for (int gy = 0; gy < glyph.height; ++gy)
        for (int gx = 0; gx < glyph.width; ++gx)
            if (x + gx >= 0 && y + gy >= 0 && x + gx < under.width && y + gy < under.height)
                under.at(x + gx, y + gy) &= glyph.at(gx, gy);
    return under;
}

// "" when equal; else how many pixels differ and the first of them.
inline std::string Difference(const Pixels& got, const Pixels& want) {
    if (got.width != want.width || got.height != want.height) {
        std::ostringstream size;
        size << "size " << got.width << "x" << got.height << ", want " << want.width << "x" << want.height;
        return size.str();
    }
    int count = 0;
    std::ostringstream first;
    for (int y = 0; y < got.height; ++y)
        for (int x = 0; x < got.width; ++x)
            if (got.at(x, y) != want.at(x, y) && count++ == 0)
                first << std::hex << "first at " << std::dec << x << "," << y << ": 0x" << std::hex << got.at(x, y)
                      << ", want 0x" << want.at(x, y);
    if (count == 0) return "";
    return std::to_string(count) + " pixels differ, " + first.str();
}

// The darkest pixel of a picture: one that must show where the glyph lands.
inline POINT Darkest(const Pixels& p) {
    POINT best{0, 0};
    int bestSum = 3 * 255 + 1;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const COLORREF c = p.at(x, y);
            const int sum = GetRValue(c) + GetGValue(c) + GetBValue(c);
            if (sum < bestSum) {
                bestSum = sum;
                best = {x, y};
            }
        }
    return best;
}

}  // namespace glyph_test

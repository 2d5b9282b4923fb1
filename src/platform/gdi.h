// Small scoped owners for device contexts, GDI objects and selections, so the
// order things are freed in is the reverse of the order they were made in.
#pragma once
#include <windows.h>
#include <utility>

namespace platform {

template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : h_(h) {}
    GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        if (this != &o) { reset(); h_ = std::exchange(o.h_, nullptr); }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }
    void reset(Handle h = nullptr) { if (h_) DeleteObject(h_); h_ = h; }
    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
private:
    Handle h_ = nullptr;
};

using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a DC for the lifetime of the scope.
class Select {
public:
    Select(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~Select() { SelectObject(dc_, old_); }
    Select(const Select&) = delete;
    Select& operator=(const Select&) = delete;
private:
    HDC dc_;
    HGDIOBJ old_;
};

class MemoryDC {
public:
    explicit MemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
    ~MemoryDC() { if (dc_) DeleteDC(dc_); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }
private:
    HDC dc_;
};

class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd, &ps_); }
    ~PaintDC() { EndPaint(hwnd_, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return ps_.hdc; }
    const RECT& update() const { return ps_.rcPaint; }
private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
};

// Fills `area` with one colour through the DC's own brush: a paint of a
// hundred boxes makes and frees no brush for each.
inline void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
    const COLORREF before = SetDCBrushColor(dc, colour);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(dc, before);
}

// A memory DC with a bitmap of its own selected into it: an image drawn off
// the screen. Empty (no DC) when either cannot be had. The bitmap is a plain
// 32-bit one, the format of every display Windows 7 to 11 composes, made
// without asking the display anything (WINE.md, 7) and copied to the screen
// as it is; being no DIB section, it takes no view of its own in the address
// space, however often a paint makes one.
class Canvas {
public:
    Canvas(int width, int height)
        : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)),
          bitmap_(CreateBitmap(width > 0 ? width : 1, height > 0 ? height : 1, 1, 32, nullptr)) {
        if (dc_ && bitmap_) old_ = SelectObject(dc_, bitmap_.get());
    }
    ~Canvas() {
        if (old_) SelectObject(dc_, old_);
        if (dc_) DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    explicit operator bool() const { return old_ != nullptr; }
    HDC get() const { return old_ ? dc_ : nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
private:
    int width_, height_;
    HDC dc_;
    Bitmap bitmap_;
    HGDIOBJ old_ = nullptr;
};

// Paints `area` of `target` (its own coordinates) through an off-screen
// image, so the screen never shows a half-drawn state, then copies to the
// target only what its clip box still asks for. `paint` draws in the
// target's coordinates. Without memory for the image it paints directly.
template <typename Paint>
void PaintOffscreen(HDC target, const RECT& area, Paint paint) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    Canvas canvas(width, height);
    if (!canvas) {
        paint(target);
        return;
    }
    SetViewportOrgEx(canvas.get(), -area.left, -area.top, nullptr);
    paint(canvas.get());
    SetViewportOrgEx(canvas.get(), 0, 0, nullptr);
    RECT copy{};
    if (GetClipBox(target, &copy) == ERROR || !IntersectRect(&copy, &copy, &area)) copy = area;
    BitBlt(target, copy.left, copy.top, copy.right - copy.left, copy.bottom - copy.top, canvas.get(),
           copy.left - area.left, copy.top - area.top, SRCCOPY);
}

}  // namespace platform

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

using Brush = GdiObject<HBRUSH>;
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

class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() { if (dc_) ReleaseDC(hwnd_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }
private:
    HWND hwnd_;
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

class SetBkModeScope {
public:
    SetBkModeScope(HDC dc, int mode) : dc_(dc), old_(SetBkMode(dc, mode)) {}
    ~SetBkModeScope() { SetBkMode(dc_, old_); }
private:
    HDC dc_;
    int old_;
};

}  // namespace platform

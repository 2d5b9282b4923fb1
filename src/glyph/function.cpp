#include "glyph/function.h"

#include <cstdint>

#include "platform/form.h"
#include "platform/gdi.h"
#include "platform/units.h"

namespace glyph {
namespace {

// The wide variants keep the button a Unicode window: with the ANSI ones its
// Persian caption would read back as question marks.
void Install(platform::Control& button, platform::Control& box, bool right) {
    box.SetScaleMode(platform::kPixels);
    box.SetFontSize(button.FontSize());
    box.SetFontName(button.FontName());
    box.SetAutoRedraw(true);
    box.SetAutoSize(true);
    box.SetVisible(false);
    box.SetBackColor(platform::kButtonFace);

    const float widthPx = static_cast<float>(button.Width()) / static_cast<float>(button.TwipsPerPixel());
    const int wpx = platform::RoundHalfEven(widthPx);
    // The margins are 96-dpi pixels, scaled with everything else.
    const int dpi = button.form().Dpi();
    const int margin = platform::ScalePixels(button.Caption().find(L'&') != std::wstring::npos ? 5 : 11, dpi);
    // Pad the caption until it is wide enough to clear the glyph: at least one
    // space, at most one per pixel of the button's width. The pass count is
    // fixed first, as a 16-bit number; the counter is an int so it cannot wrap.
    // The button gets the padded caption once, not a repaint per space.
    const std::int16_t passes = static_cast<std::int16_t>(wpx);
    std::wstring caption = button.Caption();
    for (int pass = 0; pass < passes; ++pass) {
        caption = right ? caption + L" " : L" " + caption;
        if (box.TextWidth(caption) >= wpx - margin) break;
    }
    button.SetCaption(caption);

    HWND hwnd = button.hWnd();
    const auto previous = SetWindowLongPtrW(hwnd, GWLP_WNDPROC,
                                            reinterpret_cast<LONG_PTR>(right ? ButtonProcRight : ButtonProcLeft));
    SetPropW(hwnd, kPreviousProc, reinterpret_cast<HANDLE>(previous));
    SetPropW(hwnd, kGlyphBox, reinterpret_cast<HANDLE>(&box));
}

LRESULT ButtonProc(bool right, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* box = static_cast<platform::Control*>(GetPropW(hwnd, kGlyphBox));
    const auto previous = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kPreviousProc));
    if (msg != WM_PAINT || !box || !previous) {
        if (!previous) return DefWindowProcW(hwnd, msg, wp, lp);
        return CallWindowProcW(previous, hwnd, msg, wp, lp);
    }

    RECT client{};
    GetClientRect(hwnd, &client);
    const int w = client.right, h = client.bottom;
    platform::PaintDC screen(hwnd);
    {
        // The button draws itself into an off-screen image; the glyph is ANDed
        // onto it, and the screen gets a single copy of the update rectangle.
        platform::Bitmap canvas(CreateCompatibleBitmap(screen.get(), w, h));
        platform::MemoryDC image(screen.get());
        platform::Select selected(image.get(), canvas.get());
        CallWindowProcW(previous, hwnd, WM_PAINT, reinterpret_cast<WPARAM>(image.get()), 0);

        const int t = platform::RoundHalfEven(box->ScaleY(box->PictureHeightHiMetric(), platform::kHiMetric,
                                                          platform::kPixels));
        // Only the glyph's own pixels are combined: outside the box's image
        // there is nothing to read.
        const platform::Picture* glyph = box->PictureObject();
        if (glyph)
            BitBlt(image.get(), GlyphLeft(right, w, t, box->form().Dpi()), GlyphTop(h, t), glyph->width(), glyph->height(), box->hDC(),
                   0, 0, SRCAND);

        const RECT& u = screen.update();
        BitBlt(screen.get(), u.left, u.top, u.right - u.left, u.bottom - u.top, image.get(), u.left, u.top, SRCCOPY);
    }   // freed: the selection, the memory DC, the bitmap; then EndPaint
    return 0;
}

}  // namespace

int GlyphTop(int clientHeight, int glyphSize) {
    return platform::RoundHalfEven(clientHeight / 2.0 - glyphSize / 2.0);
}

int GlyphLeft(bool right, int clientWidth, int glyphSize, int dpi) {
    const int inset = platform::ScalePixels(5, dpi);
    return right ? clientWidth - glyphSize - inset : inset;
}

void SetButtonPicLeft(platform::Control& button, platform::Control& glyphBox) { Install(button, glyphBox, false); }
void SetButtonPicRight(platform::Control& button, platform::Control& glyphBox) { Install(button, glyphBox, true); }

void RemoveButtonPic(platform::Control& button) {
    HWND hwnd = button.hWnd();
    if (!hwnd || !GetPropW(hwnd, kPreviousProc)) return;
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropW(hwnd, kPreviousProc)));
    RemovePropW(hwnd, kPreviousProc);
    RemovePropW(hwnd, kGlyphBox);
}

LRESULT CALLBACK ButtonProcLeft(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return ButtonProc(false, hwnd, msg, wp, lp); }
LRESULT CALLBACK ButtonProcRight(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return ButtonProc(true, hwnd, msg, wp, lp); }

}  // namespace glyph

#include "glyph/function.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/form.h"
#include "platform/gdi.h"
#include "platform/units.h"

namespace glyph {
namespace {

// Pads the caption until it is wide enough to clear the glyph: at least one
// space, at most one per pixel of the button's width. The pass count is
// fixed first, as a 16-bit number; the counter is an int so it cannot wrap.
// The button gets the padded caption once, not a repaint per space.
void PadCaption(platform::Control& button, platform::Control& box, bool right, std::wstring caption) {
    const float widthPx = static_cast<float>(button.Width()) / static_cast<float>(button.TwipsPerPixel());
    const int wpx = platform::RoundHalfEven(widthPx);
    // The margins are 96-dpi pixels, scaled with everything else.
    const int margin = platform::ScalePixels(caption.find(L'&') != std::wstring::npos ? 5 : 11, button.form().Dpi());
    const std::int16_t passes = static_cast<std::int16_t>(wpx);
    for (int pass = 0; pass < passes; ++pass) {
        caption = right ? caption + L" " : L" " + caption;
        if (box.TextWidth(caption) >= wpx - margin) break;
    }
    button.SetCaption(caption);
}

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

    // Both properties or neither, before the procedure is replaced: without
    // them the button stays a plain button, caption and all.
    HWND hwnd = button.hWnd();
    const LONG_PTR previous = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    if (!SetPropW(hwnd, kPreviousProc, reinterpret_cast<HANDLE>(previous)) ||
        !SetPropW(hwnd, kGlyphBox, reinterpret_cast<HANDLE>(&box))) {
        RemovePropW(hwnd, kPreviousProc);
        RemovePropW(hwnd, kGlyphBox);
        return;
    }
    PadCaption(button, box, right, button.Caption());
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(right ? ButtonProcRight : ButtonProcLeft));
}

// Relative luminance of a colour as sRGB defines it: 0 black, 1 white.
double Luminance(COLORREF colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) + 0.0722 * linear(GetBValue(colour));
}

// How far two colours stand apart: 1 for one colour, 21 for black on white.
double ContrastRatio(COLORREF a, COLORREF b) {
    const auto [low, high] = std::minmax(Luminance(a), Luminance(b));
    return (high + 0.05) / (low + 0.05);
}

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

bool Light(COLORREF colour) { return ContrastRatio(colour, kBlack) >= ContrastRatio(colour, kWhite); }

// The face as the button drew it where the glyph goes, which its paper lets
// show: the middle one by luminance of a grid of pixels there, so that a
// focus rectangle or a gradient cannot decide it. The button's face follows
// the system's colours in the classic look but not under visual styles.
COLORREF FaceUnder(HDC image, POINT at, int size) {
    std::array<COLORREF, 25> seen{};
    std::size_t count = 0;
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 5; ++column) {
            const COLORREF c = GetPixel(image, at.x + (2 * column + 1) * size / 10, at.y + (2 * row + 1) * size / 10);
            if (c != CLR_INVALID) seen[count++] = c;
        }
    if (count == 0) return GetSysColor(COLOR_BTNFACE);
    const auto middle = seen.begin() + static_cast<std::ptrdiff_t>(count / 2);
    std::nth_element(seen.begin(), middle, seen.begin() + static_cast<std::ptrdiff_t>(count),
                     [](COLORREF a, COLORREF b) { return Luminance(a) < Luminance(b); });
    return *middle;
}

// The glyph is drawn dark: ANDed onto a light face it shows in its own
// colours. High contrast asks for the system's colours, and on a dark face
// an AND would leave nothing to see: the ink is then drawn in the button
// text colour where it stands out from the face (3:1, as is asked of a
// picture), else in black or white, whichever does.
void CombineGlyph(HDC image, const platform::Picture& glyph, HDC box, POINT at, bool highContrast) {
    const COLORREF face = FaceUnder(image, at, std::max(glyph.width(), glyph.height()));
    if (!highContrast && Light(face)) {
        BitBlt(image, at.x, at.y, glyph.width(), glyph.height(), box, 0, 0, SRCAND);
        return;
    }
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    glyph.DrawInk(image, at.x, at.y, ContrastRatio(text, face) >= 3 ? text : Light(face) ? kBlack : kWhite);
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
    // The button draws itself into an off-screen image; the glyph is ANDed
    // onto it, and the screen gets a single copy of the update rectangle.
    platform::PaintOffscreen(screen.get(), client, [&](HDC image) {
        CallWindowProcW(previous, hwnd, WM_PAINT, reinterpret_cast<WPARAM>(image), 0);
        const int t = platform::RoundHalfEven(box->ScaleY(box->PictureHeightHiMetric(), platform::kHiMetric,
                                                          platform::kPixels));
        // Only the glyph's own pixels are combined: outside the box's image
        // there is nothing to read.
        const platform::Picture* glyph = box->PictureObject();
        if (!glyph) return;
        const int x = GlyphLeft(right, w, t, box->form().Dpi()), y = GlyphTop(h, t);
        CombineGlyph(image, *glyph, box->hDC(), {x, y}, box->form().HighContrast());
    });
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

void RefitButtonPic(platform::Control& button) {
    HWND hwnd = button.hWnd();
    auto* box = hwnd ? static_cast<platform::Control*>(GetPropW(hwnd, kGlyphBox)) : nullptr;
    if (!box) return;
    // The side is the procedure's; under another subclass it cannot be told.
    const LONG_PTR proc = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    const bool right = proc == reinterpret_cast<LONG_PTR>(ButtonProcRight);
    if (!right && proc != reinterpret_cast<LONG_PTR>(ButtonProcLeft)) return;
    std::wstring caption = button.Caption();
    if (right) caption.erase(caption.find_last_not_of(L' ') + 1);
    else caption.erase(0, caption.find_first_not_of(L' '));
    PadCaption(button, *box, right, caption);
}

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

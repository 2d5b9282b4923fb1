// Painting what a form draws itself: its surface, the labels and lines on it,
// and the picture boxes with what they hold, all through one off-screen
// image per paint. The control windows paint themselves.
#include <algorithm>

#include "platform/form.h"

namespace platform {

void Form::Paint() {
    PaintDC paint(hwnd_);
    // A band is painted over its drawing, and the drawing must never show
    // through on the screen.
    PaintOffscreen(paint.get(), paint.update(), [this](HDC dc) { PaintSurface(dc); });
}

void Form::PaintSurface(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillSolid(dc, client, SurfaceColour());
    PaintGraphics(dc, nullptr);
    PaintBoxes(dc, nullptr);
    PaintFocusCue(dc);
}

void Form::PaintGraphics(HDC dc, const Control* container) const {
    RECT update{};
    GetClipBox(dc, &update);
    for (const auto& control : controls_) {
        if (control->Container() != container || (control->kind() != Kind::Label && control->kind() != Kind::Line))
            continue;
        RECT r = control->OuterInContainer();
        if (control->kind() == Kind::Line) {   // end points, in any order, the last one drawn too
            r = {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right) + 1,
                 std::max(r.top, r.bottom) + 1};
        } else {
            r.right = std::max(r.right, update.right);   // a caption may run on past its box,
            ++r.bottom;                                  // and a greyed one has a shadow
        }
        RECT common{};
        if (IntersectRect(&common, &r, &update)) control->PaintGraphic(dc);
    }
}

void Form::PaintBoxes(HDC dc, const Control* container) const {
    // Only the boxes the update reaches: a click repaints one band, not all of them.
    for (const auto& control : controls_) {
        if (control->Container() != container || control->kind() != Kind::PictureBox) continue;
        const RECT box = control->OuterInForm();
        if (RectVisible(dc, &box)) control->PaintBox(dc);
    }
}

void Form::PaintFocusCue(HDC dc) const {
    if (!focusedBox_ || !hasFocus_ || !focusedBox_->Shown() || !FocusCuesShown()) return;
    // A white ring around a black one, each a pixel wide at 96 dpi: one of
    // the two stands out on any colour, the surface's too, where an inverted
    // dotted rectangle all but vanishes on mid grey.
    RECT ring = focusedBox_->ClientInForm();
    const int width = std::max(1, dpi_ / 96);
    for (const int brush : {WHITE_BRUSH, BLACK_BRUSH})
        for (int i = 0; i < width; ++i) {
            FrameRect(dc, &ring, static_cast<HBRUSH>(GetStockObject(brush)));
            InflateRect(&ring, -1, -1);
        }
}

const Canvas& Control::CurrentImage() const {
    // An image that could not be had, or not drawn whole, is made afresh when
    // next asked for: a failure is never kept as the box's picture.
    if (!image_ || !*image_ || !imageWhole_) {
        const RECT client = ClientInSelf();
        image_ = std::make_unique<Canvas>(client.right, client.bottom);
        imageWhole_ = PaintPicture(image_->get());
        form_.PaintGraphics(image_->get(), this);
    }
    return *image_;
}

HDC Control::hDC() {
    autoRedraw_ = true;
    return CurrentImage().get();
}

COLORREF Form::SurfaceColour() const {
    return highContrast_ ? GetSysColor(COLOR_WINDOW) : ToColorRef(def_.back);
}

bool Control::PaintPicture(HDC dc) const {
    if (!dc) return false;
    const RECT client = ClientInSelf();
    if (picture_ && (flags_ & kSign) && form_.HighContrast()) {
        FillSolid(dc, client, form_.SurfaceColour());
        return picture_->DrawInk(dc, 0, 0, GetSysColor(COLOR_WINDOWTEXT));
    }
    FillSolid(dc, client, ToColorRef(back_));
    return !picture_ || picture_->Draw(dc, 0, 0);
}

COLORREF Control::GraphicColour() const {
    return form_.HighContrast() && !container_ ? GetSysColor(COLOR_WINDOWTEXT) : ToColorRef(fore_);
}

void Control::PaintGraphic(HDC dc) const {
    if (!visible_) return;
    RECT r = OuterInContainer();
    if (kind_ == Kind::Line) {
        Pen pen(CreatePen(PS_SOLID, 1, GraphicColour()));
        Select selected(dc, pen.get());
        MoveToEx(dc, r.left, r.top, nullptr);
        LineTo(dc, r.right, r.bottom);
        SetPixel(dc, r.right, r.bottom, GraphicColour());
        return;
    }
    if (kind_ != Kind::Label) return;
    const int saved = SaveDC(dc);   // the font, colours and mode set below
    SelectObject(dc, FontHandle());
    SetBkMode(dc, TRANSPARENT);
    // One line, never wrapped or cut: a font a pixel wider than the one the
    // layout was made with must not break "0  =   Black" in two.
    const UINT format = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
    if (!enabled_) {   // a disabled label: embossed grey
        RECT shadow = r;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawCaption(dc, shadow, format);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GraphicColour());
    }
    DrawCaption(dc, r, format);
    RestoreDC(dc, saved);
}

void Control::PaintBox(HDC dc) const {
    if (kind_ != Kind::PictureBox || !visible_) return;
    const RECT outer = OuterInForm();
    if (flags_ & kBorder) {   // a single line in the window frame colour, like WS_BORDER
        FrameRect(dc, &outer, GetSysColorBrush(form_.HighContrast() ? COLOR_WINDOWTEXT : COLOR_WINDOWFRAME));
    }
    // Most boxes are a colour and nothing else (the bands, the swatches):
    // their fill needs none of the clipping and origin their contents would.
    if (!picture_ && !autoRedraw_ && !holdsControls_) {
        FillSolid(dc, ClientInForm(), ToColorRef(back_));
        return;
    }
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, outer.left, outer.top, outer.right, outer.bottom);
    // What the box holds is cut off at its client area.
    const RECT client = ClientInForm();
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    OffsetViewportOrgEx(dc, client.left, client.top, nullptr);
    const Canvas* image = autoRedraw_ ? &CurrentImage() : nullptr;
    if (image && *image) {
        BitBlt(dc, 0, 0, image->width(), image->height(), image->get(), 0, 0, SRCCOPY);
    } else {
        PaintPicture(dc);
        form_.PaintGraphics(dc, this);
    }
    OffsetViewportOrgEx(dc, -client.left, -client.top, nullptr);
    form_.PaintBoxes(dc, this);
    RestoreDC(dc, saved);
}

}  // namespace platform

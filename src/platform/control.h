// Controls of a form, made from rows of a layout table. Text boxes, lists and
// command buttons are child windows. Picture boxes, labels and lines have no
// window of their own: the form draws them and finds which one a click is on.
// A window costs far more to create and paint than a rectangle does, and the
// main window holds over a hundred picture boxes. Labels and lines lie beneath
// the picture boxes of their container, and every child window above both.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/colour.h"
#include "platform/gdi.h"
#include "platform/picture.h"

namespace platform {

class Form;

enum class Kind { PictureBox, Label, Line, TextBox, ComboBox, CommandButton };

enum ControlFlags : unsigned {
    kBorder = 1u << 0,     // one-pixel single-line border (picture boxes)
    kHidden = 1u << 1,
    kDisabled = 1u << 2,
    kAutoSize = 1u << 3,   // size taken from the picture (picture boxes) or the caption (labels)
    kSign = 1u << 4,       // the picture is a sign, dark on white, not data: in high contrast its
                           // ink is drawn in the window text colour on the form's surface
};

struct FontDef {
    const wchar_t* face;
    double points;
    int weight;
    BYTE charset;
};

// One row of a layout table. Positions are twips from the top-left corner of
// the container's client area; a line gives x1, y1, x2, y2 in the four fields.
struct ControlDef {
    const wchar_t* name;
    int index;               // member of a control array, or -1
    Kind kind;
    const wchar_t* container;  // picture box that holds it; nullptr for the form
    int left, top, width, height;
    OleColour back;
    OleColour fore;
    const wchar_t* text;     // caption or text; a list's entries separated by '\n'
    int picture;             // picture drawn in the box (FormDef::pictures draws it), 0 for none
    unsigned flags;
    int tab;                 // tab order; -1 for controls that take no focus
    const FontDef* font;     // nullptr: the form's font
};

// Scale codes of ScaleX/ScaleY and ScaleMode.
enum Scale { kTwips = 1, kPixels = 3, kHiMetric = 8 };

class Control {
public:
    Control(Form& form, const ControlDef& def, Control* container);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Makes the child window of a text box, list or button; sizes the rest.
    void Create();
    // Forgets the window once it is destroyed, and frees what drew it.
    void Detach();
    // After the form's dpi changed: font, picture, size and place at the new
    // dpi; `formFont` is the form's font there.
    void Rescale(HFONT formFont);

    const std::wstring& Name() const { return name_; }
    int Index() const { return index_; }
    Kind kind() const { return kind_; }
    HWND hWnd() const { return hwnd_; }   // nullptr for what the form draws
    Form& form() const { return form_; }
    Control* Container() const { return container_; }
    int TabIndex() const { return tab_; }

    // Position and size in twips, in the container's client area.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    // Rectangles in pixels, named by the space they are in: ...InContainer
    // the container's client area, ...InForm the form's client area, ...InSelf
    // the control's own client area. Outer takes in the border, Client not.
    RECT OuterInContainer() const;
    RECT OuterInForm() const;
    RECT ClientInForm() const;
    RECT ClientInSelf() const;   // {0, 0, width, height}
    // Whether a point of the form's client area lies in this control's client area.
    bool ClientHolds(POINT pixel) const;
    // Repaints the control's part of the form.
    void Invalidate() const;

    OleColour BackColor() const { return back_; }
    void SetBackColor(OleColour colour);
    OleColour ForeColor() const { return fore_; }

    std::wstring Text() const;      // a caption or a text box's text
    void SetText(const std::wstring& text);
    // Text boxes: a grey cue shown while the box is empty; the text stays empty.
    void SetCueBanner(const std::wstring& cue);
    // Text boxes: the caret after the last character, nothing selected.
    void MoveCaretToEnd();
    std::wstring Caption() const { return Text(); }
    void SetCaption(const std::wstring& text) { SetText(text); }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    // Visible, and so is every container around it.
    bool Shown() const { return visible_ && (!container_ || container_->Shown()); }
    // Whether the control can hold the focus now: a tab stop that is shown and enabled.
    bool CanFocus() const;

    // Lists.
    int ListIndex() const;
    void SetListIndex(int position);
    int ListCount() const;
    std::wstring List(int position) const;

    // Font: face and size, the rest kept.
    std::wstring FontName() const { return font_.lfFaceName; }
    double FontSize() const { return fontPoints_; }
    void SetFontName(const std::wstring& face);
    void SetFontSize(double points);
    HFONT FontHandle() const;

    // Picture boxes.
    const Picture* PictureObject() const { return picture_.get(); }
    int PictureHeightHiMetric() const;
    int ScaleMode() const { return scaleMode_; }
    void SetScaleMode(int mode) { scaleMode_ = mode; }
    double ScaleY(double value, int from, int to) const;
    // 1440 / dpi: 15 at 96 dpi, 10 at 144, 7.5 at 192.
    double TwipsPerPixel() const;
    double TextWidth(const std::wstring& text) const;   // in ScaleMode units
    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool on);
    void SetAutoSize(bool on);
    // With AutoRedraw on: a memory DC holding the persistent image (picture
    // over the background colour), readable while the box is hidden.
    HDC hDC();

    // The system's colours have changed: a persistent image drawn in the
    // old ones is drawn afresh when next asked for.
    void ForgetImage() { image_.reset(); }

    // Labels and lines, drawn on their container's client area.
    void PaintGraphic(HDC dc) const;
    // Labels: the caption's words drawn each under one of `boxes` (picture
    // boxes of the label's container), in order, standing from the box's
    // centre where they stood in the 96-dpi design. Spaces place them there
    // at 96 dpi, but a space and a digit do not grow in step with the font,
    // so at other sizes the words would drift off their boxes. The caption
    // stays as it is; a caption of another number of words is drawn whole.
    void SetWordsUnder(std::vector<const Control*> boxes);
    bool HitTest(POINT pixel) const;
    // A picture box with what it holds, drawn on a DC of the form's client area.
    void PaintBox(HDC dc) const;

private:
    // The procedure of a control window: the form's extensions see its
    // messages first (the tips its mouse, a screen reader's request); the
    // window's own procedure does everything else. One procedure of the
    // form's own rather than the common controls' subclassing, which looks a
    // window property up at every message.
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // The container's client area in the form's pixels.
    POINT ContainerOrigin() const;
    int BorderWidth() const { return (flags_ & kBorder) ? 1 : 0; }
    // A label's or line's colour: its own, or in high contrast the window
    // text colour for one on the form's surface (on a picture it keeps its
    // own, as the picture does).
    COLORREF GraphicColour() const;
    int Dpi() const;
    int ToPixels(int twips) const;
    void ApplyFont();
    FontDef OwnFontDef() const;   // face, size, weight and charset of the control's own font
    void SetOwnFont(const FontDef& def);
    int DroppedHeight() const;
    // Makes the child window of a text box, list or button.
    void CreateWindowOfKind();
    void FitComboHeight(int wanted);
    void FitCaption(HFONT font);
    void Resize(int widthPx, int heightPx);
    // The AutoRedraw persistent image, made and drawn when first asked for
    // after a change: a glyph box changes its size and colour while it is set up.
    const Canvas& CurrentImage() const;
    // False when the picture could not be drawn (no DC to draw it from).
    bool PaintPicture(HDC dc) const;
    // A label's caption on one line in `r`, word by word under its boxes when it has them.
    void DrawCaption(HDC dc, RECT r, UINT format) const;
    // How far each word's centre stood from its box's centre at 96 dpi, in
    // pixels; empty when the words are drawn as one caption.
    const std::vector<double>& DesignWordOffsets() const;

    Form& form_;
    Control* container_;
    std::wstring name_;
    int index_;
    Kind kind_;
    int left_, top_, width_, height_;
    OleColour back_;
    OleColour fore_;
    std::wstring text_;   // labels, and lists' design entries
    int pictureId_;
    std::shared_ptr<Picture> picture_;
    unsigned flags_;
    int tab_;
    bool visible_;
    bool enabled_;
    bool autoSize_;
    bool holdsControls_ = false;   // some control has this one as its container
    int scaleMode_ = kTwips;
    LOGFONTW font_{};
    double fontPoints_ = 0;
    Font ownFont_;          // null while the control shows the form's font
    HWND hwnd_ = nullptr;
    WNDPROC previousProc_ = nullptr;   // the window class's procedure

    bool autoRedraw_ = false;
    mutable std::unique_ptr<Canvas> image_;   // nullptr while out of date
    mutable bool imageWhole_ = false;         // image_ holds its picture

    std::vector<const Control*> wordsUnder_;
    mutable std::vector<double> wordOffsets_;   // measured when first drawn
};

}  // namespace platform

#include "platform/control.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "platform/form.h"
#include "platform/units.h"

namespace platform {
namespace {

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        const std::size_t end = text.find(L'\n', start);
        lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace

Control::Control(Form& form, const ControlDef& def, Control* container)
    : form_(form), container_(container), name_(def.name), index_(def.index), kind_(def.kind),
      left_(def.left), top_(def.top), width_(def.width), height_(def.height), back_(def.back),
      fore_(def.fore), text_(def.text ? def.text : L""), pictureId_(def.picture), flags_(def.flags), tab_(def.tab),
      visible_(!(def.flags & kHidden)), enabled_(!(def.flags & kDisabled)),
      autoSize_(def.flags & kAutoSize) {
    if (container_) container_->holdsControls_ = true;
    if (pictureId_) picture_ = LoadPicture(form_.Def().pictures, pictureId_, Dpi());
    if (pictureId_ && !picture_) form_.FailLoad();
    if (def.font) {
        fontPoints_ = def.font->points;
        SetOwnFont(*def.font);
    } else {
        font_ = form.LogFont();
        fontPoints_ = form.Def().font.points;
    }
}

Control::~Control() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

LRESULT CALLBACK Control::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const WNDPROC previous = self->previousProc_;
    LRESULT answer = 0;
    if (self->form_.OfferToExtensions(hwnd, msg, wp, lp, answer)) return answer;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

int Control::Dpi() const { return form_.Dpi(); }

// A list's height when dropped down: its eight entries, at every dpi.
int Control::DroppedHeight() const { return ScalePixels(200, Dpi()); }
int Control::ToPixels(int twips) const { return TwipsToPixels(twips, Dpi()); }

RECT Control::OuterInContainer() const {
    if (kind_ == Kind::Line) return {ToPixels(left_), ToPixels(top_), ToPixels(width_), ToPixels(height_)};
    const int x = ToPixels(left_), y = ToPixels(top_);
    return {x, y, x + ToPixels(width_), y + ToPixels(height_)};
}

POINT Control::ContainerOrigin() const {
    if (!container_) return {0, 0};
    const RECT client = container_->ClientInForm();
    return {client.left, client.top};
}

RECT Control::OuterInForm() const {
    RECT r = OuterInContainer();
    const POINT origin = ContainerOrigin();
    OffsetRect(&r, origin.x, origin.y);
    return r;
}

RECT Control::ClientInSelf() const {
    const RECT r = OuterInContainer();
    const int edge = 2 * BorderWidth();
    return {0, 0, std::max<int>(r.right - r.left - edge, 0), std::max<int>(r.bottom - r.top - edge, 0)};
}

RECT Control::ClientInForm() const {
    const RECT outer = OuterInForm();
    const RECT client = ClientInSelf();
    const int edge = BorderWidth();
    return {outer.left + edge, outer.top + edge, outer.left + edge + client.right, outer.top + edge + client.bottom};
}

void Control::Invalidate() const {
    HWND form = form_.hWnd();
    // A form not yet shown paints all of itself when it is: while it loads,
    // a repaint asked for each box would be work for nothing (WINE.md, 1).
    if (!form || !(GetWindowLongW(form, GWL_STYLE) & WS_VISIBLE)) return;
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, FALSE);
    } else if (kind_ == Kind::Label) {
        // A caption may be wider than its box: repaint the container.
        if (container_) container_->Invalidate();
        else InvalidateRect(form, nullptr, FALSE);
    } else {
        const RECT r = OuterInForm();
        InvalidateRect(form, &r, FALSE);
    }
}

bool Control::ClientHolds(POINT pixel) const {
    const RECT client = ClientInForm();
    return PtInRect(&client, pixel) != FALSE;
}

bool Control::CanFocus() const {
    if (tab_ < 0 || !enabled_ || !Shown()) return false;
    if (hwnd_) return IsWindowVisible(hwnd_) && IsWindowEnabled(hwnd_);
    return kind_ == Kind::PictureBox;
}

void Control::Create() {
    switch (kind_) {
    case Kind::Line: return;
    case Kind::Label:
        if (autoSize_) FitCaption(FontHandle());
        return;
    case Kind::PictureBox:
        if (autoSize_) SetAutoSize(true);
        return;
    default: CreateWindowOfKind();
    }
}

namespace {

// The window a kind of control is made as: its class, and its styles beyond
// those every control window has.
struct WindowKind {
    Kind kind;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};
constexpr WindowKind kWindowKinds[] = {
    {Kind::TextBox, L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {Kind::ComboBox, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0},
    {Kind::CommandButton, L"BUTTON", BS_PUSHBUTTON, 0},
};

}  // namespace

void Control::CreateWindowOfKind() {
    const WindowKind* made = std::find_if(std::begin(kWindowKinds), std::end(kWindowKinds),
                                          [&](const WindowKind& k) { return k.kind == kind_; });
    if (made == std::end(kWindowKinds)) return;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | made->style | (visible_ ? WS_VISIBLE : 0) |
                        (enabled_ ? 0 : WS_DISABLED) | (tab_ >= 0 ? WS_TABSTOP : 0);
    // Child windows all belong to the form, placed where their container is
    // drawn; a list is made at its dropped-down height, its closed one set after.
    const RECT r = OuterInForm();
    const int height = kind_ == Kind::ComboBox ? DroppedHeight() : r.bottom - r.top;
    hwnd_ = CreateWindowExW(made->exStyle, made->windowClass, kind_ == Kind::ComboBox ? nullptr : text_.c_str(), style,
                            r.left, r.top, r.right - r.left, height, form_.hWnd(), nullptr, GetModuleHandleW(nullptr),
                            nullptr);
    if (!hwnd_) return form_.FailLoad();
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previousProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
    ApplyFont();
    if (kind_ == Kind::TextBox) SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);   // no length limit
    if (kind_ != Kind::ComboBox) return;
    for (const auto& entry : SplitLines(text_))
        SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    FitComboHeight(r.bottom - r.top);
}

// The closed list's height follows its selection field; make it the layout's.
// The field height asked for is carried from one attempt to the next rather
// than read back (WINE.md, 4).
void Control::FitComboHeight(int wanted) {
    auto field = static_cast<int>(SendMessageW(hwnd_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT now{};
        GetWindowRect(hwnd_, &now);
        const int delta = wanted - (now.bottom - now.top);
        if (delta == 0) break;
        field += delta;
        SendMessageW(hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

// A label that takes its size from its caption, in `font`.
void Control::FitCaption(HFONT font) {
    TEXTMETRICW metrics{};
    const SIZE extent = form_.MeasureText(font, text_, &metrics);
    width_ = PixelsToTwips(extent.cx, Dpi());
    height_ = PixelsToTwips(metrics.tmHeight, Dpi());
}

void Control::Rescale(HFONT formFont) {
    Font oldOwn;   // freed once the window uses the new one
    if (ownFont_) {
        oldOwn = std::move(ownFont_);
        SetOwnFont(OwnFontDef());
    } else {
        font_ = form_.LogFont();
    }
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(ownFont_ ? ownFont_.get() : formFont), FALSE);
    // Without memory for the new one, the picture at the old dpi rather than none.
    if (auto picture = pictureId_ ? LoadPicture(form_.Def().pictures, pictureId_, Dpi()) : nullptr) picture_ = picture;
    if (kind_ == Kind::Label && autoSize_) FitCaption(ownFont_ ? ownFont_.get() : formFont);
    if (kind_ == Kind::PictureBox && autoSize_) SetAutoSize(true);
    else image_.reset();
    if (hwnd_) {
        const RECT r = OuterInForm();
        const int height = kind_ == Kind::ComboBox ? DroppedHeight() : r.bottom - r.top;
        SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
        if (kind_ == Kind::ComboBox) FitComboHeight(r.bottom - r.top);
    }
}

void Control::Detach() {
    hwnd_ = nullptr;
    autoRedraw_ = false;
    image_.reset();
}

void Control::ApplyFont() {
    if (hwnd_)
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
}

HFONT Control::FontHandle() const { return ownFont_ ? ownFont_.get() : form_.FontHandle(); }

void Control::SetBackColor(OleColour colour) {
    back_ = colour;
    image_.reset();
    Invalidate();
}

std::wstring Control::Text() const {
    if (!hwnd_ || kind_ == Kind::Label) return text_;
    if (kind_ == Kind::ComboBox) {
        const int position = ListIndex();
        return position < 0 ? std::wstring() : List(position);
    }
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

void Control::SetText(const std::wstring& text) {
    if (kind_ == Kind::Label) {
        text_ = text;
        wordOffsets_.clear();
        Invalidate();
        return;
    }
    if (hwnd_ && kind_ != Kind::ComboBox) SetWindowTextW(hwnd_, text.c_str());
}

void Control::SetCueBanner(const std::wstring& cue) {
    // Shown while the box has the focus too: the cue says what to type there.
    if (hwnd_ && kind_ == Kind::TextBox) SendMessageW(hwnd_, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(cue.c_str()));
}

void Control::MoveCaretToEnd() {
    if (!hwnd_ || kind_ != Kind::TextBox) return;
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(hwnd_));
    SendMessageW(hwnd_, EM_SETSEL, end, static_cast<LPARAM>(end));
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    else Invalidate();
}

int Control::ListIndex() const {
    if (!hwnd_ || kind_ != Kind::ComboBox) return -1;
    return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
}

void Control::SetListIndex(int position) {
    if (hwnd_ && kind_ == Kind::ComboBox) SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

int Control::ListCount() const {
    if (!hwnd_ || kind_ != Kind::ComboBox) return 0;
    return static_cast<int>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0));
}

std::wstring Control::List(int position) const {
    if (position < 0 || position >= ListCount()) return std::wstring();
    const auto length = SendMessageW(hwnd_, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
    std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(hwnd_, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<std::size_t>(length));
    return entry;
}

FontDef Control::OwnFontDef() const {
    return {font_.lfFaceName, fontPoints_, static_cast<int>(font_.lfWeight), font_.lfCharSet};
}

void Control::SetOwnFont(const FontDef& def) {
    font_ = MakeLogFont(def, Dpi());
    ownFont_.reset(CreateFontIndirectW(&font_));
    wordOffsets_.clear();
    if (!ownFont_) form_.FailLoad();
}

void Control::SetFontName(const std::wstring& face) {
    FontDef def = OwnFontDef();
    def.face = face.c_str();
    SetOwnFont(def);
    ApplyFont();
}

void Control::SetFontSize(double points) {
    fontPoints_ = points;
    SetOwnFont(OwnFontDef());
    ApplyFont();
}

int Control::PictureHeightHiMetric() const { return picture_ ? PixelsToHiMetric(picture_->height(), Dpi()) : 0; }

double Control::TwipsPerPixel() const { return 1440.0 / Dpi(); }

double Control::ScaleY(double value, int from, int to) const {
    const int dpi = Dpi();
    const double twipsPerPixel = TwipsPerPixel();
    auto toPixels = [dpi, twipsPerPixel](double v, int scale) {
        switch (scale) {
        case kTwips: return v / twipsPerPixel;
        case kHiMetric: return HiMetricToPixels(v, dpi);
        default: return v;
        }
    };
    const double pixels = toPixels(value, from);
    switch (to) {
    case kTwips: return pixels * twipsPerPixel;
    case kHiMetric: return pixels * 2540.0 / dpi;
    default: return pixels;
    }
}

double Control::TextWidth(const std::wstring& text) const {
    const SIZE extent = form_.MeasureText(FontHandle(), text);
    return scaleMode_ == kTwips ? extent.cx * TwipsPerPixel() : extent.cx;
}

void Control::Resize(int widthPx, int heightPx) {
    Invalidate();
    width_ = PixelsToTwips(widthPx, Dpi());
    height_ = PixelsToTwips(heightPx, Dpi());
    if (hwnd_) SetWindowPos(hwnd_, nullptr, 0, 0, widthPx, heightPx, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    image_.reset();
    Invalidate();
}

void Control::SetAutoSize(bool on) {
    autoSize_ = on;
    if (!on || !picture_ || kind_ != Kind::PictureBox) return;
    const int edge = (flags_ & kBorder) ? 2 : 0;
    Resize(picture_->width() + edge, picture_->height() + edge);
}

void Control::SetAutoRedraw(bool on) {
    autoRedraw_ = on;
    image_.reset();
}


bool Control::HitTest(POINT pixel) const {
    if (kind_ != Kind::Label || !visible_) return false;
    const RECT r = OuterInContainer();
    return PtInRect(&r, pixel) != FALSE;
}

}  // namespace platform

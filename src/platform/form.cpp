#include "platform/form.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <iterator>

#include "platform/accessible.h"
#include "platform/tooltips.h"
#include "platform/units.h"
#include "platform/window_data.h"
#include "model/int_text.h"

namespace platform {
namespace {

constexpr wchar_t kFormClass[] = L"BandoraForm";

// One window class per icon: an icon given to the class at creation costs far
// less under Wine than one set on the window afterwards.
std::wstring FormClassName(int icon) {
    return icon ? std::wstring(kFormClass) + L"#" + model::IntText(icon) : std::wstring(kFormClass);
}

bool RegisterFormClass(WNDPROC proc, int icon) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring name = FormClassName(icon);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, name.c_str(), &wc)) return true;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    if (icon) {
        wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon), IMAGE_ICON, 32, 32, LR_SHARED));
        wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon), IMAGE_ICON, 16, 16, LR_SHARED));
    }
    wc.lpszClassName = name.c_str();
    return RegisterClassExW(&wc) != 0;
}

bool IsFormWindow(HWND hwnd) {
    wchar_t name[64] = {};
    if (!hwnd || !GetClassNameW(hwnd, name, 64)) return false;
    const std::size_t length = std::size(kFormClass) - 1;
    return wcsncmp(name, kFormClass, length) == 0 && (name[length] == L'\0' || name[length] == L'#');
}

}  // namespace

LOGFONTW MakeLogFont(const FontDef& def, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -RoundHalfEven(def.points * dpi / 72.0);
    font.lfWeight = def.weight;
    font.lfCharSet = def.charset;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynW(font.lfFaceName, def.face, LF_FACESIZE);
    return font;
}

Form::Form(FormDef def, std::vector<ControlDef> layout) : def_(std::move(def)), layout_(std::move(layout)) {}

Form::~Form() {
    controls_.clear();
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Form::Load(HWND owner) {
    if (hwnd_) return true;
    if (!RegisterFormClass(FormProc, def_.icon)) return false;
    // The owner's dpi for a window shown over it, else the system's: the
    // monitor the window opens on tells its own dpi by WM_DPICHANGED.
    dpi_ = owner ? WindowDpi(owner) : ScreenDpiY();
    logFont_ = MakeLogFont(def_.font, dpi_);
    font_.reset(CreateFontIndirectW(&logFont_));
    RECT frame{0, 0, TwipsToPixels(def_.clientWidth, dpi_), TwipsToPixels(def_.clientHeight, dpi_)};
    AdjustWindowRectEx(&frame, def_.style, FALSE, 0);
    // Made in its place at once: moving it afterwards costs another round trip.
    const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
    const POINT corner = StartCorner(owner, size);
    CreateWindowExW(0, FormClassName(def_.icon).c_str(), def_.caption.c_str(), def_.style, corner.x, corner.y,
                    size.cx, size.cy, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_) return false;
    CreateControls();
    Form_Load();
    return hwnd_ != nullptr;
}

POINT Form::StartCorner(HWND owner, SIZE size) const {
    RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (def_.start == StartPosition::CenterOwner && owner) GetWindowRect(owner, &around);
    return {around.left + (around.right - around.left - size.cx) / 2,
            around.top + (around.bottom - around.top - size.cy) / 2};
}

void Form::CreateControls() {
    controls_.clear();
    controls_.reserve(layout_.size());
    for (const ControlDef& def : layout_) {
        Control* container = def.container ? Find(def.container) : nullptr;
        controls_.push_back(std::make_unique<Control>(*this, def, container));
        controls_.back()->Create();
        NameControlWindow(*this, *controls_.back());
    }
    // Stacking follows the table, a later row above an earlier one. A new
    // child window goes beneath its siblings, so each one made is put on top.
    for (const auto& control : controls_)
        if (control->hWnd())
            SetWindowPos(control->hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Form::Show() {
    if (!Load()) return false;
    // As in a dialog box: the focus is shown once the keyboard is used, unless
    // the user wants keyboard cues all the time.
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS), 0);
    ShowWindow(hwnd_, SW_SHOW);
    const std::vector<Control*> order = TabOrder();
    if (!order.empty()) Focus(*order.front());
    UpdateWindow(hwnd_);
    return true;
}

void Form::ShowModal(Form& owner) {
    HWND ownerWindow = owner.hWnd();
    if (!Load(ownerWindow)) return;
    modalOwner_ = ownerWindow;
    if (ownerWindow) EnableWindow(ownerWindow, FALSE);
    Show();
    MSG msg;
    while (hwnd_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {   // the program is ending: leave the quit for the outer loop
            PostQuitMessage(static_cast<int>(msg.wParam));
            Unload();
            break;
        }
        if (got > 0) DispatchWithTab(msg);   // -1: one lost message, as in RunMessageLoop
    }
    if (ownerWindow && IsWindow(ownerWindow)) EnableWindow(ownerWindow, TRUE);
}

bool Form::Unload() {
    if (!hwnd_) return true;
    short cancel = 0;
    Form_Unload(cancel);
    if (cancel) return false;
    if (modalOwner_) {
        // Give the owner its input back before this window goes, so that it,
        // and not some other program, becomes the active window.
        EnableWindow(modalOwner_, TRUE);
        SetActiveWindow(modalOwner_);
        modalOwner_ = nullptr;
    }
    DestroyWindow(hwnd_);
    return true;
}

Control* Form::Find(const std::wstring& name, int index) const {
    for (const auto& control : controls_)
        if (control->Index() == index && control->Name() == name) return control.get();
    return nullptr;
}

Control& Form::Item(const std::wstring& name, int index) const {
    Control* control = Find(name, index);
    if (!control) std::abort();   // a name the layout does not have is a programming error
    return *control;
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> order;
    for (const auto& control : controls_)
        if (control->CanFocus()) order.push_back(control.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    return order;
}

void Form::Tab(HWND from, bool backwards) {
    const std::vector<Control*> order = TabOrder();
    if (order.empty()) return;
    const Control* box = from == hwnd_ ? focusedBox_ : nullptr;   // the form's window holds a box's focus
    auto current = std::find_if(order.begin(), order.end(), [&](const Control* c) {
        return box ? c == box : c->hWnd() && (c->hWnd() == from || IsChild(c->hWnd(), from));
    });
    std::ptrdiff_t at = current == order.end() ? -1 : current - order.begin();
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    at = backwards ? (at <= 0 ? count - 1 : at - 1) : (at + 1) % count;
    Control& next = *order[static_cast<std::size_t>(at)];
    ShowFocusCues();
    Focus(next);
    if (next.kind() == Kind::TextBox) SendMessageW(next.hWnd(), EM_SETSEL, 0, -1);
}

bool Form::ControlKey(HWND window, UINT key) {
    for (const auto& control : controls_)
        if (control->hWnd() && control->hWnd() == window) return OnControlKey(*control, key);
    return false;
}

void Form::Focus(Control& control) {
    if (control.hWnd()) {
        SetFocus(control.hWnd());
    } else if (hwnd_) {
        Control* before = focusedBox_;
        focusedBox_ = &control;
        if (GetFocus() != hwnd_) SetFocus(hwnd_);   // WM_SETFOCUS tells the move
        else if (before != &control) OnBoxFocusMoved(before);
    }
}

void Form::OnBoxFocusMoved(Control* before) {
    if (before) before->Invalidate();
    if (!focusedBox_) return;
    focusedBox_->Invalidate();
    NotifyAccessibleFocus(*this, *focusedBox_);
}

LRESULT Form::OnGetObject(WPARAM wp, LPARAM lp) {
    // Only the client area is the form's own; the rest is the system's.
    if (static_cast<LONG>(lp) == OBJID_CLIENT) {
        if (!accessibility_) accessibility_ = std::make_unique<FormAccessibility>(*this);
        if (const LRESULT answer = accessibility_->Answer(wp)) return answer;
    }
    return DefWindowProcW(hwnd_, WM_GETOBJECT, wp, lp);
}

void Form::OnBoxDefaultAction(WPARAM position) {
    if (position < controls_.size()) OnClick(*controls_[position]);
}

bool Form::FocusCuesShown() const {
    return hwnd_ && !(SendMessageW(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

LRESULT Form::OnChangeUiState(WPARAM wp, LPARAM lp) {
    // A form is a top-level window: the change is its own and its children's.
    WORD action = LOWORD(wp);
    if (action == UIS_INITIALIZE) {   // hidden, unless the user wants the cues all the time
        BOOL alwaysCues = FALSE;
        SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysCues, 0);
        action = alwaysCues ? UIS_CLEAR : UIS_SET;
    }
    const WORD flags = HIWORD(wp);
    const WORD next = action == UIS_SET ? (uiState_ | flags) : action == UIS_CLEAR ? (uiState_ & ~flags) : uiState_;
    if (next != uiState_) SendMessageW(hwnd_, WM_UPDATEUISTATE, MAKEWPARAM(action, flags), lp);
    return 0;
}

void Form::OnUpdateUiState(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) == UIS_SET) uiState_ |= HIWORD(wp);
    else if (LOWORD(wp) == UIS_CLEAR) uiState_ &= static_cast<WORD>(~HIWORD(wp));
    DefWindowProcW(hwnd_, WM_UPDATEUISTATE, wp, lp);   // and on to the child windows
    if (focusedBox_) focusedBox_->Invalidate();
}

void Form::ShowFocusCues() {
    if (hwnd_) SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool Form::OnBoxKey(WPARAM key, LPARAM flags) {
    if (!focusedBox_ || GetFocus() != hwnd_) return false;
    switch (key) {
    case VK_SPACE:
    case VK_RETURN:
        ShowFocusCues();
        if (!(flags & (1 << 30))) OnClick(*focusedBox_);   // a key held down clicks once
        return true;
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
        ShowFocusCues();
        if (Control* next = BoxForKey(*focusedBox_, static_cast<UINT>(key)); next && next->CanFocus()) Focus(*next);
        return true;
    default:
        return false;
    }
}

void Form::ShowBalloon(const Control& at, const std::wstring& title, const std::wstring& text, BalloonIcon icon) {
    if (!hwnd_ || !at.hWnd()) return;
    if (!balloon_) balloon_ = std::make_unique<Balloon>(hwnd_);
    balloonTarget_ = at.hWnd();
    balloon_->Show(at.hWnd(), icon, title, text);
}

void Form::HideBalloon() {
    if (balloon_) balloon_->Hide();
}

HWND Form::BalloonWindow() const { return balloon_ ? balloon_->hWnd() : nullptr; }

HWND Form::TipWindow() const { return tips_ ? tips_->hWnd() : nullptr; }

void Form::OnMouse(UINT msg, WPARAM wp, LPARAM lp) {
    // The tooltip is made at the first move over the form, long after it is painted.
    if (!tips_ && msg == WM_MOUSEMOVE) tips_ = std::make_unique<BoxTips>(*this);
    if (tips_) tips_->Relay(msg, wp, lp);
}

LRESULT Form::OnNotify(LPARAM lp) {
    auto* header = reinterpret_cast<NMHDR*>(lp);
    if (tips_ && header->hwndFrom == tips_->hWnd() && header->code == TTN_GETDISPINFOW)
        tips_->GiveText(*reinterpret_cast<NMTTDISPINFOW*>(lp));
    return 0;
}

void Form::OnCommand(WPARAM wp, LPARAM lp) {
    if (!lp) return;
    const WORD code = HIWORD(wp);
    if (code != BN_CLICKED && code != EN_CHANGE) return;
    for (const auto& control : controls_) {
        if (control->hWnd() != reinterpret_cast<HWND>(lp)) continue;
        if (code == BN_CLICKED) OnClick(*control);
        else OnChange(*control);
        return;
    }
}

void Form::OnParentNotify(WPARAM wp) {
    // A press on a child window; a press on the form's own surface comes as WM_LBUTTONDOWN.
    const WORD event = LOWORD(wp);
    if (event != WM_LBUTTONDOWN && event != WM_RBUTTONDOWN && event != WM_MBUTTONDOWN) return;
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(hwnd_, &at);
    if (ChildWindowFromPointEx(hwnd_, at, CWP_SKIPINVISIBLE) != balloonTarget_) HideBalloon();
}

void Form::PaintFocusCue(HDC dc) const {
    if (!focusedBox_ || GetFocus() != hwnd_ || !focusedBox_->Shown() || !FocusCuesShown()) return;
    RECT inside = focusedBox_->FormClientRect();
    SetTextColor(dc, RGB(0, 0, 0));   // the dotted rectangle inverts what it lies on
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &inside);
}

Control* Form::ActiveControl() const {
    const HWND focus = GetFocus();
    if (!hwnd_ || !focus) return nullptr;
    if (focus == hwnd_) return focusedBox_;
    for (const auto& control : controls_)
        if (control->hWnd() && (control->hWnd() == focus || IsChild(control->hWnd(), focus))) return control.get();
    return nullptr;
}

Control* Form::BoxAt(POINT pixel) const { return BoxAt(pixel, nullptr); }

Control* Form::BoxAt(POINT pixel, const Control* container) const {
    if (container && !container->ClientHolds(pixel)) return nullptr;   // what a box holds is cut off there
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* box = it->get();
        if (box->Container() != container || box->kind() != Kind::PictureBox || !box->Visible() || !box->Enabled())
            continue;
        const RECT r = box->FormRect();
        if (!PtInRect(&r, pixel)) continue;
        Control* inner = BoxAt(pixel, box);
        return inner ? inner : box;
    }
    return nullptr;
}

void Form::ClickAt(Control* container, POINT pixel) {
    // Labels lie on their container's surface: a click on one is its own.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        if ((*it)->Container() == container && (*it)->HitTest(pixel)) {
            OnClick(**it);
            return;
        }
    }
    if (container) OnClick(*container);
}

void Form::PaintGraphics(HDC dc, const Control* container) const {
    RECT update{};
    GetClipBox(dc, &update);
    for (const auto& control : controls_) {
        if (control->Container() != container || (control->kind() != Kind::Label && control->kind() != Kind::Line))
            continue;
        RECT r = control->PixelRect();
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
        const RECT box = control->FormRect();
        if (RectVisible(dc, &box)) control->PaintBox(dc);
    }
}

void Form::PaintSurface(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    Brush back(CreateSolidBrush(ToColorRef(def_.back)));
    FillRect(dc, &client, back.get());
    PaintGraphics(dc, nullptr);
    PaintBoxes(dc, nullptr);
    PaintFocusCue(dc);
}

void Form::Paint() {
    PaintDC paint(hwnd_);
    const RECT& update = paint.update();
    const int width = update.right - update.left, height = update.bottom - update.top;
    if (width <= 0 || height <= 0) return;
    // Drawn off screen first: a band is painted over its drawing, and the
    // drawing must never show through on the screen.
    MemoryDC memory(paint.get());
    Bitmap bitmap(CreateCompatibleBitmap(paint.get(), width, height));
    {
        Select selected(memory.get(), bitmap.get());
        SetViewportOrgEx(memory.get(), -update.left, -update.top, nullptr);
        PaintSurface(memory.get());
        SetViewportOrgEx(memory.get(), 0, 0, nullptr);
        BitBlt(paint.get(), update.left, update.top, width, height, memory.get(), 0, 0, SRCCOPY);
    }
}

void Form::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0) return;
    dpi_ = dpi;
    logFont_ = MakeLogFont(def_.font, dpi_);
    Font font(CreateFontIndirectW(&logFont_));
    for (const auto& control : controls_) control->Rescale(font.get());   // off the old font before it goes
    font_ = std::move(font);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT CALLBACK Form::FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = WindowObject<Form>(hwnd, msg, lp);
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCCREATE) self->hwnd_ = hwnd;
    return self->Handle(msg, wp, lp);
}

POINT Form::PointOf(LPARAM lp) { return {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))}; }

void Form::OnPress(POINT at) {
    // A box's border is not its client area: a press there is nobody's.
    Control* box = BoxAt(at);
    if (box && !box->ClientHolds(at)) return;
    pressedBox_ = box;
    if (box && box->CanFocus()) Focus(*box);
    SetCapture(hwnd_);
    pressed_ = true;
}

void Form::OnRelease(POINT at) {
    if (!pressed_) return;
    Control* box = pressedBox_;
    pressed_ = false;
    pressedBox_ = nullptr;
    ReleaseCapture();
    if (!box) {
        ClickAt(nullptr, at);
        return;
    }
    // A box's click is a press and release both on it, as for a button.
    const RECT client = box->FormClientRect();
    if (box->ClientHolds(at)) ClickAt(box, POINT{at.x - client.left, at.y - client.top});
}

bool Form::OnActivate(bool active) {
    // Keep the focused control across a switch to another window and back.
    if (!active) {
        HideBalloon();
        HWND focus = GetFocus();
        if (focus && (focus == hwnd_ || IsChild(hwnd_, focus))) lastFocus_ = focus;
        return false;
    }
    if (!lastFocus_ || (lastFocus_ != hwnd_ && !(IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_)))) return false;
    SetFocus(lastFocus_);
    return true;
}

void Form::OnDestroy() {
    focusedBox_ = pressedBox_ = nullptr;
    balloon_.reset();
    balloonTarget_ = nullptr;
    tips_.reset();
    accessibility_.reset();
    for (const auto& control : controls_) control->Detach();
    if (quitOnDestroy_) PostQuitMessage(0);
}

void Form::OnNcDestroy() {
    const HWND gone = hwnd_;
    hwnd_ = nullptr;
    lastFocus_ = nullptr;
    font_.reset();
    SetWindowLongPtrW(gone, GWLP_USERDATA, 0);
}

LRESULT Form::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_PRINTCLIENT:
        PaintSurface(reinterpret_cast<HDC>(wp));
        return 0;
    case WM_COMMAND:
        OnCommand(wp, lp);
        return 0;
    case WM_PARENTNOTIFY:
        OnParentNotify(wp);
        return 0;
    case WM_MOVE:
        HideBalloon();
        break;
    case WM_NOTIFY:
        return OnNotify(lp);
    case WM_GETOBJECT:
        return OnGetObject(wp, lp);
    case kBoxDefaultAction:
        OnBoxDefaultAction(wp);
        return 0;
    case WM_MOUSEMOVE:
        OnMouse(msg, wp, lp);
        return 0;
    case WM_RBUTTONDOWN:
        HideBalloon();
        break;
    case WM_LBUTTONDOWN:
        HideBalloon();
        OnMouse(msg, wp, lp);
        OnPress(PointOf(lp));
        return 0;
    case WM_LBUTTONUP:
        OnMouse(msg, wp, lp);
        OnRelease(PointOf(lp));   // may unload the form: nothing of it is used after
        return 0;
    case WM_KEYDOWN:
        if (OnBoxKey(wp, lp)) return 0;
        break;
    case WM_SETFOCUS:
        OnBoxFocusMoved(nullptr);
        return 0;
    case WM_KILLFOCUS:
        if (focusedBox_) focusedBox_->Invalidate();
        return 0;
    case WM_CHANGEUISTATE:
        return OnChangeUiState(wp, lp);
    case WM_UPDATEUISTATE:
        OnUpdateUiState(wp, lp);
        return 0;
    case WM_QUERYUISTATE:
        return uiState_;
    case WM_CAPTURECHANGED:
        pressed_ = false;
        pressedBox_ = nullptr;
        return 0;
    case WM_ACTIVATE:
        if (OnActivate(LOWORD(wp) != WA_INACTIVE)) return 0;
        break;
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY: {
        const HWND gone = hwnd_;
        OnNcDestroy();
        return DefWindowProcW(gone, msg, wp, lp);
    }
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void DispatchWithTab(MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 &&
        GetKeyState(VK_MENU) >= 0) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (IsFormWindow(root)) {
            if (auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(root, GWLP_USERDATA))) {
                form->Tab(msg.hwnd, GetKeyState(VK_SHIFT) < 0);
                return;
            }
        }
    }
    // The form's own keys on its controls, before the control sees them.
    if (msg.message == WM_KEYDOWN) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        auto* form = IsFormWindow(root) ? reinterpret_cast<Form*>(GetWindowLongPtrW(root, GWLP_USERDATA)) : nullptr;
        if (form && form->ControlKey(msg.hwnd, static_cast<UINT>(msg.wParam))) return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunMessageLoop() {
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        // -1 is one message that could not be received, not the end of the
        // program: under Wine a text sent from another process that does not
        // fit on this thread's stack fails this way, and the next one is fine.
        if (got > 0) DispatchWithTab(msg);
    }
}

void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        DispatchWithTab(msg);
    }
}

}  // namespace platform

// A form's life (load, show, modal showing, unload), its controls, its
// window procedure and the message loop. Input is in form_input.cpp, painting
// in form_paint.cpp.
#include "platform/form.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "base/insertion_sort.h"
#include "base/number_text.h"
#include "platform/units.h"
#include "services/topmost.h"

namespace platform {
namespace {

constexpr wchar_t kFormClass[] = L"BandoraForm";

// One window class per icon: the window has its icon from its creation on,
// with no WM_SETICON afterwards (WINE.md, 2).
std::wstring FormClassName(int icon) {
    return icon ? std::wstring(kFormClass) + L"#" + base::IntegerText(icon) : std::wstring(kFormClass);
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

// A key for a form that is disabled, under a modal window of its own: it
// takes no input at all, even when it has been brought to the front.
bool IsKeyForDisabledForm(const MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    return IsFormWindow(root) && !IsWindowEnabled(root);
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

FormExtension::FormExtension(Form& form) : form_(form) { form_.extensions_.push_back(this); }

FormExtension::~FormExtension() {
    auto& joined = form_.extensions_;
    joined.erase(std::remove(joined.begin(), joined.end(), this), joined.end());
}

Form::Form(FormDef def, std::vector<ControlDef> layout) : def_(std::move(def)), layout_(std::move(layout)) {}

Form::~Form() {
    tabOrdered_.clear();
    controls_.clear();
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Form::Load(HWND owner) {
    if (hwnd_) return true;
    loadError_ = refused_;
    loading_ = true;
    bool loaded = false;
    if (!loadError_ && CreateWindowAt(owner)) {
        CreateControls();
        loaded = !loadError_;
        if (loaded) Form_Load();
    }
    loading_ = false;
    if (loadError_) UndoLoad(loaded);
    return hwnd_ != nullptr;
}

void Form::UndoLoad(bool loaded) {
    // What Form_Load set up is taken down as on closing, which nothing
    // cancels here: the window goes whatever the handler says.
    short cancel = 0;
    if (loaded) Form_Unload(cancel);
    if (hwnd_) DestroyWindow(hwnd_);
    DropControls();
    font_.reset();
}

void Form::DropControls() {
    BeforeControlsDropped();
    tabOrdered_.clear();
    controls_.clear();
}

void Form::FailLoad() const {
    // A failure that leaves no error code is still one of resources.
    const DWORD error = GetLastError();
    if (loading_ && !loadError_) loadError_ = error ? error : ERROR_NO_SYSTEM_RESOURCES;
}

void Form::RefuseLoad(DWORD error) { refused_ = error ? error : ERROR_NO_SYSTEM_RESOURCES; }

bool Form::CreateWindowAt(HWND owner) {
    if (!RegisterFormClass(FormProc, def_.icon)) return FailLoad(), false;
    // The owner's dpi for a window shown over it, else the system's: the
    // monitor the window opens on tells its own dpi by WM_DPICHANGED.
    displayDpi_ = owner ? WindowDpi(owner) : SystemDpi();
    // Larger text makes it larger, as far as it fits where it opens.
    RECT where{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) GetWindowRect(owner, &where);
    dpi_ = LayoutDpi(where);
    highContrast_ = HighContrastOn();
    logFont_ = MakeLogFont(def_.font, dpi_);
    font_.reset(CreateFontIndirectW(&logFont_));
    if (!font_) return FailLoad(), false;
    // Made in its place at once, not moved there afterwards.
    const SIZE size = WindowSize(dpi_);
    const POINT corner = StartCorner(owner, size);
    // Over an owner kept above other windows, the form must stay above it.
    const DWORD exStyle = owner && services::IsTopmost(owner) ? WS_EX_TOPMOST : 0;
    CreateWindowExW(exStyle, FormClassName(def_.icon).c_str(), def_.caption.c_str(), def_.style, corner.x, corner.y,
                    size.cx, size.cy, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_) FailLoad();
    return hwnd_ != nullptr;
}

// Text is measured on a memory DC: it has the screen's dpi, and it is this
// thread's own, unlike the screen's DC (WINE.md, 1).
SIZE Form::MeasureText(HFONT font, const std::wstring& text, TEXTMETRICW* metrics) const {
    if (!measuring_ || !measuring_->get()) measuring_ = std::make_unique<MemoryDC>(nullptr);
    if (!measuring_->get()) FailLoad();
    Select selected(measuring_->get(), font);
    SIZE extent{};
    GetTextExtentPoint32W(measuring_->get(), text.c_str(), static_cast<int>(text.size()), &extent);
    if (metrics) GetTextMetricsW(measuring_->get(), metrics);
    return extent;
}

POINT Form::StartCorner(HWND owner, SIZE size) const {
    RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (def_.start == StartPosition::CenterOwner && owner) GetWindowRect(owner, &around);
    return {around.left + (around.right - around.left - size.cx) / 2,
            around.top + (around.bottom - around.top - size.cy) / 2};
}

void Form::CreateControls() {
    DropControls();
    controls_.reserve(layout_.size());
    for (const ControlDef& def : layout_) {
        Control* container = def.container ? Find(def.container) : nullptr;
        controls_.push_back(std::make_unique<Control>(*this, def, container));
    }
    // Stacking follows the table, a later row above an earlier one. A new
    // child window goes beneath its siblings, so the windows are made from
    // the last row up rather than restacked one by one afterwards.
    for (auto it = controls_.rbegin(); it != controls_.rend() && !loadError_; ++it) (*it)->Create();
    // Tab indexes never change: sorted once, not at every Tab or focus move.
    for (const auto& control : controls_) tabOrdered_.push_back(control.get());
    base::InsertionSort(tabOrdered_.begin(), tabOrdered_.end(),
                  [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
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
    owner.modalOver_ = hwnd_;
    if (ownerWindow) EnableWindow(ownerWindow, FALSE);
    Show();
    RunMessageLoop(hwnd_);
    Unload();   // still there only when the program is ending
    owner.modalOver_ = nullptr;
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

Control* Form::ControlOf(HWND window) const {
    if (!window || window == hwnd_) return nullptr;
    for (const auto& control : controls_)
        if (control->hWnd() == window) return control.get();
    return nullptr;
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> order;
    for (Control* control : tabOrdered_)
        if (control->CanFocus()) order.push_back(control);
    return order;
}

bool Form::KeyDown(HWND window, UINT key) {
    Control* control = ControlOf(window);
    if (!control) return false;
    if (key != VK_RETURN || control->kind() != Kind::CommandButton) return OnKey(*control, key);
    OnClick(*control);
    return true;
}

void Form::Rescale(int dpi, const RECT& window) {
    dpi_ = dpi;
    logFont_ = MakeLogFont(def_.font, dpi_);
    Font font(CreateFontIndirectW(&logFont_));
    for (const auto& control : controls_) control->Rescale(font.get());   // off the old font before it goes
    font_ = std::move(font);
    SetWindowPos(hwnd_, nullptr, window.left, window.top, window.right - window.left, window.bottom - window.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (FormExtension* extension : extensions_) extension->OnRescaled();
    OnRescaled();
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form::OnDestroy() {
    focusedBox_ = pressedBox_ = nullptr;
    for (const auto& control : controls_) control->Detach();
    if (quitOnDestroy_) PostQuitMessage(0);
}

void Form::OnNcDestroy() {
    const HWND gone = hwnd_;
    hwnd_ = nullptr;
    lastFocus_ = nullptr;
    hasFocus_ = false;
    font_.reset();
    measuring_.reset();
    SetWindowLongPtrW(gone, GWLP_USERDATA, 0);
}

LRESULT CALLBACK Form::FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // The form given to CreateWindowEx, kept in the window's user data from the first message on.
    if (msg == WM_NCCREATE) {
        auto* created = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

bool Form::OfferToExtensions(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    for (FormExtension* extension : extensions_)
        if (extension->OnMessage(window, msg, wp, lp, result)) return true;
    return false;
}

LRESULT Form::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (OfferToExtensions(hwnd_, msg, wp, lp, result) || OnPaintMessage(msg, wp, result) ||
        OnInputMessage(msg, wp, lp) || OnFocusMessage(msg, wp, lp, result) || OnLifeMessage(msg, wp, lp, result))
        return result;
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

bool Form::OnPaintMessage(UINT msg, WPARAM wp, LRESULT& result) {
    switch (msg) {
    case WM_ERASEBKGND: result = 1; return true;   // the paint covers every pixel
    case WM_PAINT: Paint(); return true;
    case WM_PRINTCLIENT: PaintSurface(reinterpret_cast<HDC>(wp)); return true;
    default: return false;
    }
}

bool Form::OnInputMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND: OnCommand(wp, lp); return true;
    case WM_LBUTTONDOWN: OnPress(PointOf(lp)); return true;
    case WM_LBUTTONUP: OnRelease(PointOf(lp)); return true;   // may unload the form: nothing of it is used after
    case WM_CAPTURECHANGED:
        pressed_ = false;
        pressedBox_ = nullptr;
        return true;
    case WM_KEYDOWN: return OnBoxKey(wp, lp);
    case WM_CONTEXTMENU: return OnContextMenuMessage(lp);
    // The low four bits are the system's own.
    case WM_SYSCOMMAND: return OnSystemCommand(static_cast<UINT>(wp & 0xFFF0));
    default: return false;
    }
}

bool Form::OnFocusMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_SETFOCUS:
        hasFocus_ = true;
        OnBoxFocusMoved(nullptr);
        return true;
    case WM_KILLFOCUS:
        hasFocus_ = false;
        if (focusedBox_) focusedBox_->Invalidate();
        return true;
    case WM_CHANGEUISTATE: result = OnChangeUiState(wp, lp); return true;
    case WM_UPDATEUISTATE: OnUpdateUiState(wp, lp); return true;
    case WM_QUERYUISTATE: result = uiState_; return true;
    case WM_ACTIVATE: return OnActivate(LOWORD(wp) != WA_INACTIVE);
    default: return false;
    }
}

bool Form::OnLifeMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
    case WM_CLOSE: Unload(); return true;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp)); return true;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED: OnUserSettings(msg); return false;   // and to the system's own handling
    case WM_DESTROY: OnDestroy(); return true;
    case WM_NCDESTROY: {
        const HWND gone = hwnd_;
        OnNcDestroy();
        result = DefWindowProcW(gone, msg, wp, lp);
        return true;
    }
    default: return false;
    }
}

void DispatchWithTab(MSG& msg) {
    if (IsKeyForDisabledForm(msg)) return;
    if (msg.message == WM_KEYDOWN) {
        const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (auto* form = IsFormWindow(root) ? reinterpret_cast<Form*>(GetWindowLongPtrW(root, GWLP_USERDATA)) : nullptr) {
            if (msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
                form->Tab(msg.hwnd, GetKeyState(VK_SHIFT) < 0);
                return;
            }
            // The form's own keys on its controls, before the control sees them.
            if (form->KeyDown(msg.hwnd, static_cast<UINT>(msg.wParam))) return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunMessageLoop(HWND modal) {
    MSG msg;
    while (!modal || IsWindow(modal)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            if (!modal) return static_cast<int>(msg.wParam);
            PostQuitMessage(static_cast<int>(msg.wParam));   // the program is ending: the outer loop ends it
            return 0;
        }
        // -1 is one message that could not be received, not the end of the
        // program (WINE.md, 5): the next one is fine.
        if (got > 0) DispatchWithTab(msg);
    }
    return 0;
}

}  // namespace platform

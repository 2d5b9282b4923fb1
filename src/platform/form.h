// A form: a top-level window whose controls come from a layout table, with the
// life of a form object (Initialize in the constructor, then Load, Show,
// Unload), modal showing and click events routed to one virtual handler.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/units.h"

namespace platform {

enum class StartPosition { CenterScreen, CenterOwner };

class Form;

// Something a program adds to a form beyond the forms themselves (tooltips,
// balloons, a screen reader's objects): it sees every message of the form's
// window and of its control windows before the form does, from its making
// to its end.
class FormExtension {
public:
    FormExtension(const FormExtension&) = delete;
    FormExtension& operator=(const FormExtension&) = delete;

    // True when it answered the message, with `result`: the form then leaves
    // it alone. False to let the form, or the control window, go on with it.
    virtual bool OnMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) = 0;
    // The keyboard focus has moved to a box the form draws.
    virtual void OnBoxFocus(const Control& /*box*/) {}
    // The form has been laid out again at another dpi.
    virtual void OnRescaled() {}

protected:
    // Joins the form's extensions, and leaves them when it ends, so that the
    // form never offers a message to an extension that is gone. An extension
    // lives within its form's life: it is a member of the form, or its own.
    explicit FormExtension(Form& form);
    ~FormExtension();

private:
    Form& form_;
};

struct FormDef {
    std::wstring caption;
    int clientWidth, clientHeight;   // twips
    DWORD style;                     // WS_ styles of the top-level window
    OleColour back;
    FontDef font;
    int icon;                        // icon resource, 0 for none
    StartPosition start;
    PictureDrawer pictures{};   // draws the pictures its controls show
};

class Form {
public:
    Form(FormDef def, std::vector<ControlDef> layout);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window and its controls in their design state, then runs
    // Form_Load. Nothing happens if the form is loaded already. False when
    // any of it could not be made (LoadError says why): the window, its
    // controls and what Form_Load did are gone (Form_Unload undid that).
    bool Load(HWND owner = nullptr);
    // Why the last Load failed, as a system error code; 0 after one that did not.
    DWORD LoadError() const { return loadError_; }
    // Something the form cannot be without (a window, a font, a picture, a
    // DC to measure its captions) could not be made: while it loads, Load
    // then fails with the last error, having destroyed what it made.
    void FailLoad() const;
    // Loads if needed and shows the window (focus on the first tab stop).
    bool Show();
    // Shows the form over `owner`, which takes no input meanwhile, and returns
    // once the form has been unloaded.
    void ShowModal(Form& owner);
    // Runs Form_Unload; unless it cancels, destroys the window. The form
    // object and its layout stay, so a later Load starts afresh.
    bool Unload();

    bool IsLoaded() const { return hwnd_ != nullptr; }
    HWND hWnd() const { return hwnd_; }
    const FormDef& Def() const { return def_; }
    HFONT FontHandle() const { return font_.get(); }
    // Dots per inch the form lays itself out at: every twips value is
    // converted at it, and the pictures are drawn for it. Its display's dpi
    // times the user's text scale, as far as the window fits its monitor.
    int Dpi() const { return dpi_; }
    // The user has high contrast on: the form's surface, and the labels,
    // lines and borders drawn on it, take the system's colours.
    bool HighContrast() const { return highContrast_; }
    COLORREF SurfaceColour() const;
    const LOGFONTW& LogFont() const { return logFont_; }
    // Size of `text` in `font`, in pixels, with the font's metrics if asked.
    SIZE MeasureText(HFONT font, const std::wstring& text, TEXTMETRICW* metrics = nullptr) const;

    // The control of that name (and array index); nullptr when there is none.
    Control* Find(const std::wstring& name, int index = -1) const;
    Control& Item(const std::wstring& name, int index = -1) const;
    // The control whose window is `window`; nullptr for the form's window
    // and for windows not of this form. (The tolerance list is a drop-down
    // list: it has no edit box of its own inside it.)
    Control* ControlOf(HWND window) const;
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    // Every control in tab order (those that take no focus first): the order
    // of Tab and of what a screen reader finds in the window.
    const std::vector<Control*>& TabOrdered() const { return tabOrdered_; }

    // The program ends when this form's window is gone.
    void SetQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }

    // Moves the focus along the tab order; used by the message loop.
    void Tab(HWND from, bool backwards);
    // A key going down on `window`, before the window sees it; used by the
    // message loop. True when one of the form's controls has that window and
    // the form took the key: Enter presses a button, as in a dialog box;
    // other keys go to OnKey.
    bool KeyDown(HWND window, UINT key);
    // Gives `control` the keyboard focus. A picture box holds it through the
    // form's own window, which then takes the keys.
    void Focus(Control& control);
    // The same as Tab gives it: the focus shown from now on, a text box's
    // text selected.
    void FocusByKey(Control& control);
    // The control that has the focus; nullptr when none of this form's has it.
    Control* ActiveControl() const;

    // The picture box on top at `pixel` of the form's client area; nullptr
    // for the form's own surface.
    Control* BoxAt(POINT pixel) const;
    // Delivers a click on `control` (or on a label or the container itself at
    // `pixel` of a container's client area).
    void ClickAt(Control* container, POINT pixel);
    // Draws the labels and lines of a container (nullptr: the form), and its picture boxes.
    void PaintGraphics(HDC dc, const Control* container) const;
    void PaintBoxes(HDC dc, const Control* container) const;

    // A message of the form's window or of one of its control windows, to the
    // extensions first; true when one of them answered it, with `result`.
    bool OfferToExtensions(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Delivers a click on `control`, as a click with the mouse does.
    void Click(Control& control) { OnClick(control); }

    // Whether the focus is to be shown: after the keyboard has been used, or
    // always when the user asks for keyboard cues (the window's UI state).
    bool FocusCuesShown() const;

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(short& /*cancel*/) {}
    virtual void OnClick(Control& /*control*/) {}
    // The text of a text box has changed.
    virtual void OnChange(Control& /*control*/) {}
    // A key going down on `target`: a control window (a text box, list or
    // button), before the window sees it, or the box that has the focus, for
    // any key but Space and Enter, which click it. True: the form took it.
    virtual bool OnKey(Control& /*target*/, UINT /*key*/) { return false; }
    // The form has been laid out again at a new dpi.
    virtual void OnRescaled() {}
    // The user asks for a context menu (a right click, Shift+F10, the Menu
    // key) on `target`, the box under the pointer or the one with the focus
    // (nullptr: the form's surface), to be shown at `screen`. True: it was.
    virtual bool OnContextMenu(Control* /*target*/, POINT /*screen*/) { return false; }
    // A command of the window's system menu; true when the form took it.
    virtual bool OnSystemCommand(UINT /*command*/) { return false; }
    // Before Load: the form cannot be shown, for the system's reason `error`.
    void RefuseLoad(DWORD error);
    // The controls are about to go (a failed load, or a later Load making
    // them afresh): whatever the form keeps of them is to be dropped now.
    virtual void BeforeControlsDropped() {}

private:
    static LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    // The form's own handling of one group of messages; true when handled.
    bool OnPaintMessage(UINT msg, WPARAM wp, LRESULT& result);
    bool OnInputMessage(UINT msg, WPARAM wp, LPARAM lp);
    bool OnFocusMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    bool OnLifeMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    bool CreateWindowAt(HWND owner);
    void CreateControls();
    // A load failed: undoes what it did (Form_Load too, if it ran), so that
    // no window, subclass or GDI object of it is left.
    void UndoLoad(bool loaded);
    // The controls go, with whatever the form keeps of them.
    void DropControls();
    // Top-left corner of a window of `size` at the form's start position.
    POINT StartCorner(HWND owner, SIZE size) const;
    void Paint();
    // Lays the form out again for a display of `dpi`, in `suggested` (screen
    // coordinates), as the system asks when the window moves to a monitor
    // of another dpi.
    void OnDpiChanged(int dpi, const RECT& suggested);
    // Lays the form out again at `dpi`, its window at `window`.
    void Rescale(int dpi, const RECT& window);
    // The dpi to lay out at on the display's: times the user's text scale,
    // no more than lets the window fit the work area of the monitor
    // nearest `where` (screen coordinates).
    int LayoutDpi(const RECT& where) const;
    // The window's size for its client area at `dpi` (0: the frame alone).
    SIZE WindowSize(int dpi) const;
    // The window at `dpi` with its corner at `corner`, moved back into its
    // monitor's work area where it would run past it.
    RECT WindowAt(int dpi, POINT corner) const;
    // Where the window's corner goes when it is laid out again at `dpi`: a
    // form that opens centred over its owner is centred over it again, any
    // other keeps its corner (`now`, screen coordinates).
    POINT CornerAt(int dpi, const RECT& now) const;
    // Centred over its owner again, as the owner has been laid out anew.
    void Recentre();
    // The user's colours, contrast or text size may have changed (`msg`
    // says how): read afresh, laid out again if the scale changed, repainted.
    void OnUserSettings(UINT msg);
    // The surface with its labels, lines and boxes, and the focus rectangle.
    void PaintSurface(HDC dc) const;
    Control* BoxAt(POINT pixel, const Control* container) const;
    // The controls that can take the focus now, in tab order.
    std::vector<Control*> TabOrder() const;
    // Keyboard on the focused box: Space and Enter click it, other keys go
    // to OnKey. False when neither took the key.
    bool OnBoxKey(WPARAM key, LPARAM flags);
    // The keyboard is in use: show where the focus is from now on.
    void ShowFocusCues();
    void OnBoxFocusMoved(Control* before);
    // The window's UI state (UISF_ flags), kept here as well (WINE.md, 3).
    LRESULT OnChangeUiState(WPARAM wp, LPARAM lp);
    void OnUpdateUiState(WPARAM wp, LPARAM lp);
    void PaintFocusCue(HDC dc) const;
    void OnCommand(WPARAM wp, LPARAM lp);
    bool OnContextMenuMessage(LPARAM lp);
    static POINT PointOf(LPARAM lp);
    void OnPress(POINT at);
    void OnRelease(POINT at);
    // Gives the focus back on activation; true when it did.
    bool OnActivate(bool active);
    // Activated while disabled: activates the form shown modally over it
    // instead; true when there was one.
    bool BringModalAlong();
    void OnDestroy();
    void OnNcDestroy();

    FormDef def_;
    std::vector<ControlDef> layout_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<Control*> tabOrdered_;
    LOGFONTW logFont_{};
    Font font_;
    // One DC measures every caption while the window lives, rather than one
    // made and freed per measurement: a glyph button's caption is measured
    // once for each space it is padded with.
    mutable std::unique_ptr<MemoryDC> measuring_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    int displayDpi_ = 96;   // the display's own, without the text scale
    bool highContrast_ = false;
    HWND modalOwner_ = nullptr;
    HWND modalOver_ = nullptr;   // the form shown modally over this one, while it is
    HWND lastFocus_ = nullptr;
    Control* focusedBox_ = nullptr;   // the picture box with the focus while the form's window has it
    Control* pressedBox_ = nullptr;   // where the left button went down
    bool quitOnDestroy_ = false;
    bool pressed_ = false;
    // The form's own window has the keyboard focus (for a box): kept from
    // WM_SETFOCUS and WM_KILLFOCUS rather than asked (WINE.md, 1).
    bool hasFocus_ = false;
    WORD uiState_ = 0;
    bool loading_ = false;
    DWORD refused_ = 0;
    mutable DWORD loadError_ = 0;   // also from measuring, which changes nothing else
    // Joined and left by the extensions themselves (FormExtension).
    std::vector<FormExtension*> extensions_;
    friend class FormExtension;
};

// Runs the message loop until WM_QUIT, and returns its exit code; with a
// `modal` window, only until that window is gone (a WM_QUIT then is left in
// the queue for the outer loop, and 0 returned).
int RunMessageLoop(HWND modal = nullptr);
// Dispatches one message, with Tab moving the focus along the form's tab order.
void DispatchWithTab(MSG& msg);

// LOGFONT of a face at a size in points at `dpi`.
LOGFONTW MakeLogFont(const FontDef& def, int dpi);

}  // namespace platform

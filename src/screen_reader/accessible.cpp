#include "screen_reader/accessible.h"

#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <string>

#include "services/system_library.h"

namespace screen_reader {

using platform::Control;
using platform::Form;
using platform::Kind;
using words::ControlWords;
using words::Teller;

namespace {

// Posted to the form by a screen reader's default action on a box, so that
// the click runs after the call, not inside it: wParam is the box's position
// in the form's controls.
constexpr UINT kBoxDefaultAction = WM_APP + 0x2A1;

// oleacc, and the little of OLE it needs, loaded at the first request from a
// screen reader: most runs of the program never see one.
struct Libraries {
    decltype(&::LresultFromObject) lresultFromObject = nullptr;
    decltype(&::CreateStdAccessibleObject) createStdObject = nullptr;
    decltype(&::SysAllocString) allocString = nullptr;

    static const Libraries* Get() {
        static const Libraries loaded = Load();
        return loaded.lresultFromObject && loaded.createStdObject && loaded.allocString ? &loaded : nullptr;
    }

private:
    static Libraries Load() {
        Libraries api;
        // From the system folder only, never a DLL of that name beside the program.
        const HMODULE com = services::LoadSystemLibrary(L"ole32.dll");
        decltype(&::CoInitializeEx) initialize = nullptr;
        services::FindProc(com, "CoInitializeEx", initialize);
        // The object is handed over through COM: this thread joins it, once.
        if (!initialize || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED))) return api;
        const HMODULE oleacc = services::LoadSystemLibrary(L"oleacc.dll");
        services::FindProc(oleacc, "LresultFromObject", api.lresultFromObject);
        services::FindProc(oleacc, "CreateStdAccessibleObject", api.createStdObject);
        services::FindProc(services::LoadSystemLibrary(L"oleaut32.dll"), "SysAllocString", api.allocString);
        return api;
    }
};

// The form a screen reader reads, with the words it tells of its controls.
struct Reading {
    Form& form;
    const Teller& teller;
};

HRESULT GiveText(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    const Libraries* api = Libraries::Get();
    if (!api) return E_FAIL;
    *out = api->allocString(text.c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

VARIANT Int(long value) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

// Whether a screen reader finds `control`: a control window while it is
// visible, a box while it is shown and has a name. Its words are not built.
// The window's own style bit, not IsWindowVisible, which looks at every
// parent (WINE.md, 1): this runs at every focus move.
bool Told(const Reading& reading, const Control& control) {
    if (control.hWnd()) return (GetWindowLongW(control.hWnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    return control.kind() == Kind::PictureBox && control.Shown() && reading.teller.Named(control);
}

// Child k is the k-th control told, in tab order; nullptr for no such child.
Control* ChildAt(const Reading& reading, long id) {
    if (id < 1) return nullptr;
    for (Control* control : reading.form.TabOrdered())
        if (Told(reading, *control) && --id == 0) return control;
    return nullptr;
}

long ChildIdOf(const Reading& reading, const Control* control) {
    long id = 0;
    for (const Control* c : reading.form.TabOrdered()) {
        if (!Told(reading, *c)) continue;
        ++id;
        if (c == control) return id;
    }
    return CHILDID_SELF;
}

long ChildCount(const Reading& reading) {
    long count = 0;
    for (const Control* control : reading.form.TabOrdered()) count += Told(reading, *control) ? 1 : 0;
    return count;
}

// A choice among others is a radio button: one of its set is checked.
long RoleOf(const ControlWords& words) {
    if (words.choice) return ROLE_SYSTEM_RADIOBUTTON;
    return words.button ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_GRAPHIC;
}

HRESULT NotFound(BSTR* out) {
    if (out) *out = nullptr;
    return DISP_E_MEMBERNOTFOUND;
}


// An accessible object that hands every call to another one; the objects
// below answer some calls themselves.
class Forwarding : public IAccessible {
public:
    explicit Forwarding(IAccessible* inner) : inner_(inner) {}   // takes over its reference
    virtual ~Forwarding() {
        if (inner_) inner_->Release();
    }
    Forwarding(const Forwarding&) = delete;
    Forwarding& operator=(const Forwarding&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // The window it stands for (WindowFromAccessibleObject).
        if (riid == __uuidof(IOleWindow) && inner_) return inner_->QueryInterface(riid, out);
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (!left) delete this;
        return left;
    }

    // Clients call IAccessible directly; late binding is not offered.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    STDMETHODIMP get_accParent(IDispatch** parent) override { return Inner()->get_accParent(parent); }
    STDMETHODIMP get_accChildCount(long* count) override { return Inner()->get_accChildCount(count); }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override { return Inner()->get_accChild(child, out); }
    STDMETHODIMP get_accName(VARIANT child, BSTR* out) override { return Inner()->get_accName(child, out); }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* out) override { return Inner()->get_accValue(child, out); }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override {
        return Inner()->get_accDescription(child, out);
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* out) override { return Inner()->get_accRole(child, out); }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* out) override { return Inner()->get_accState(child, out); }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* out) override { return Inner()->get_accHelp(child, out); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return Inner()->get_accHelpTopic(file, child, topic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return Inner()->get_accKeyboardShortcut(child, out);
    }
    STDMETHODIMP get_accFocus(VARIANT* out) override { return Inner()->get_accFocus(out); }
    STDMETHODIMP get_accSelection(VARIANT* out) override { return Inner()->get_accSelection(out); }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* out) override {
        return Inner()->get_accDefaultAction(child, out);
    }
    STDMETHODIMP accSelect(long flags, VARIANT child) override { return Inner()->accSelect(flags, child); }
    STDMETHODIMP accLocation(long* x, long* y, long* w, long* h, VARIANT child) override {
        return Inner()->accLocation(x, y, w, h, child);
    }
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return Inner()->accNavigate(direction, start, end);
    }
    STDMETHODIMP accHitTest(long x, long y, VARIANT* out) override { return Inner()->accHitTest(x, y, out); }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override { return Inner()->accDoDefaultAction(child); }
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

protected:
    IAccessible* Inner() const { return inner_; }

private:
    IAccessible* inner_;
    ULONG references_ = 1;
};

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// A control window as the system tells it, under the name and description
// the form gives it. They are copied: a client may keep the object after the
// control is gone.
class NamedWindow : public Forwarding {
public:
    NamedWindow(IAccessible* inner, const ControlWords& words)
        : Forwarding(inner), name_(words.name), description_(words.description), help_(words.help) {}
    STDMETHODIMP get_accName(VARIANT child, BSTR* out) override {
        return IsSelf(child) ? GiveText(name_, out) : Forwarding::get_accName(child, out);
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override {
        return IsSelf(child) && !description_.empty() ? GiveText(description_, out)
                                                      : Forwarding::get_accDescription(child, out);
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* out) override {
        return IsSelf(child) && !help_.empty() ? GiveText(help_, out) : Forwarding::get_accHelp(child, out);
    }

private:
    std::wstring name_;
    std::wstring description_;
    std::wstring help_;
};

// The system's object for a control window's client area, named by the form.
IAccessible* WindowObject(const Reading& reading, const Control& control) {
    const Libraries* api = Libraries::Get();
    IAccessible* inner = nullptr;
    if (!api || FAILED(api->createStdObject(control.hWnd(), OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&inner))) || !inner)
        return nullptr;
    const ControlWords words = reading.teller.Words(control);
    if (words.name.empty()) return inner;
    return new NamedWindow(inner, words);
}

}  // namespace

// The form's client area: its own properties are the system's for the
// window; its children are the form's.
struct Accessibility::Object : Forwarding {
    Object(IAccessible* inner, const Reading& reading) : Forwarding(inner), reading_(reading), form_(&reading_) {}
    Reading reading_;
    const Reading* form_;   // nullptr once the window is gone

    // One call about the area itself, a control window or a box: `call`
    // answers for the area and for a control window (each the system's
    // object, given the id to ask about), `box` for a box.
    template <typename Call, typename Box>
    HRESULT OnChild(const VARIANT& child, Call call, Box box) const {
        if (!form_) return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        if (child.lVal == CHILDID_SELF) return call(Inner(), child);
        const Control* control = ChildAt(*form_, child.lVal);
        if (!control) return E_INVALIDARG;
        if (!control->hWnd()) return box(*control);
        IAccessible* window = WindowObject(*form_, *control);
        if (!window) return E_FAIL;
        const HRESULT result = call(window, Int(CHILDID_SELF));
        window->Release();
        return result;
    }
    // A child as a VARIANT: a control window as its own object, a box as its id.
    void GiveChild(const Control* control, VARIANT* out) const {
        if (control && control->hWnd()) {
            out->vt = VT_DISPATCH;
            out->pdispVal = WindowObject(*form_, *control);
            if (out->pdispVal) return;
        }
        *out = Int(ChildIdOf(*form_, control));
    }

    STDMETHODIMP get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        if (!form_) return CO_E_OBJNOTCONNECTED;
        *count = ChildCount(*form_);
        return S_OK;
    }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!form_) return CO_E_OBJNOTCONNECTED;
        const Control* control = child.vt == VT_I4 ? ChildAt(*form_, child.lVal) : nullptr;
        if (!control) return E_INVALIDARG;
        if (!control->hWnd()) return S_FALSE;   // a box is a simple element
        *out = WindowObject(*form_, *control);
        return *out ? S_OK : E_FAIL;
    }
    STDMETHODIMP get_accName(VARIANT child, BSTR* out) override {
        return OnChild(child, [&](IAccessible* a, VARIANT id) { return a->get_accName(id, out); },
                       [&](const Control& box) { return GiveText(form_->teller.Words(box).name, out); });
    }
    // A text a box does not have: value, help, shortcut key.
    using TextCall = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    HRESULT NoTextForBoxes(VARIANT child, BSTR* out, TextCall call) const {
        return OnChild(child, [&](IAccessible* a, VARIANT id) { return (a->*call)(id, out); },
                       [&](const Control&) { return NotFound(out); });
    }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* out) override {
        return NoTextForBoxes(child, out, &IAccessible::get_accValue);
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override {
        return OnChild(child, [&](IAccessible* a, VARIANT id) { return a->get_accDescription(id, out); },
                       [&](const Control& box) { return GiveText(form_->teller.Words(box).description, out); });
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* out) override {
        return OnChild(child, [&](IAccessible* a, VARIANT id) { return a->get_accRole(id, out); },
                       [&](const Control& box) {
                           if (!out) return E_POINTER;
                           *out = Int(RoleOf(form_->teller.Words(box)));
                           return S_OK;
                       });
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* out) override {
        return OnChild(child, [&](IAccessible* a, VARIANT id) { return a->get_accState(id, out); },
                       [&](const Control& box) {
                           if (!out) return E_POINTER;
                           long state = box.CanFocus() ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
                           if (form_->form.ActiveControl() == &box) state |= STATE_SYSTEM_FOCUSED;
                           if (form_->teller.Words(box).chosen) state |= STATE_SYSTEM_CHECKED;
                           *out = Int(state);
                           return S_OK;
                       });
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* out) override {
        return NoTextForBoxes(child, out, &IAccessible::get_accHelp);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return NoTextForBoxes(child, out, &IAccessible::get_accKeyboardShortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT* out) override {
        if (!out) return E_POINTER;
        if (!form_) return CO_E_OBJNOTCONNECTED;
        out->vt = VT_EMPTY;
        const HWND focus = GetFocus();
        if (!focus || (focus != form_->form.hWnd() && !IsChild(form_->form.hWnd(), focus))) return S_FALSE;
        GiveChild(form_->form.ActiveControl(), out);
        return S_OK;
    }
    STDMETHODIMP get_accSelection(VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        return S_FALSE;
    }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* out) override {
        return OnChild(child, [&](IAccessible* a, VARIANT id) { return a->get_accDefaultAction(id, out); },
                       [&](const Control& box) {
                           return form_->teller.Words(box).button ? GiveText(L"Click", out) : NotFound(out);
                       });
    }
    STDMETHODIMP accSelect(long flags, VARIANT child) override {
        if (!form_) return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        if (child.lVal == CHILDID_SELF) return Forwarding::accSelect(flags, child);
        Control* control = ChildAt(*form_, child.lVal);
        if (!control || !(flags & SELFLAG_TAKEFOCUS) || !control->CanFocus()) return E_INVALIDARG;
        form_->form.Focus(*control);
        return S_OK;
    }
    STDMETHODIMP accLocation(long* x, long* y, long* w, long* h, VARIANT child) override {
        if (!form_) return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        if (child.lVal == CHILDID_SELF) return Forwarding::accLocation(x, y, w, h, child);
        const Control* control = ChildAt(*form_, child.lVal);
        if (!control) return E_INVALIDARG;
        if (!x || !y || !w || !h) return E_POINTER;
        RECT r{};
        if (control->hWnd()) {
            GetWindowRect(control->hWnd(), &r);
        } else {
            r = control->OuterInForm();
            MapWindowPoints(form_->form.hWnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
        }
        *x = r.left;
        *y = r.top;
        *w = r.right - r.left;
        *h = r.bottom - r.top;
        return S_OK;
    }
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (!form_) return CO_E_OBJNOTCONNECTED;
        if (start.vt != VT_I4) return E_INVALIDARG;
        const bool self = start.lVal == CHILDID_SELF;
        if (!self && !ChildAt(*form_, start.lVal)) return E_INVALIDARG;
        if (!end) return E_POINTER;
        end->vt = VT_EMPTY;
        long to = 0;
        if (self) {
            if (direction == NAVDIR_FIRSTCHILD) to = 1;
            else if (direction == NAVDIR_LASTCHILD) to = ChildCount(*form_);
            else return Forwarding::accNavigate(direction, start, end);   // the window among its siblings
        } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT) {
            to = start.lVal + 1;
        } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT) {
            to = start.lVal - 1;
        }
        const Control* control = ChildAt(*form_, to);
        if (!control) return S_FALSE;
        GiveChild(control, end);
        return S_OK;
    }
    STDMETHODIMP accHitTest(long x, long y, VARIANT* out) override {
        if (!out) return E_POINTER;
        if (!form_) return CO_E_OBJNOTCONNECTED;
        out->vt = VT_EMPTY;
        const HWND window = form_->form.hWnd();
        POINT at{x, y};
        ScreenToClient(window, &at);
        RECT client{};
        GetClientRect(window, &client);
        if (!PtInRect(&client, at)) return S_FALSE;
        const HWND child = ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE);
        if (const Control* control = form_->form.ControlOf(child)) {
            GiveChild(control, out);
            return S_OK;
        }
        // The innermost named box there: a drawing's band, else the drawing.
        const Control* box = form_->form.BoxAt(at);
        while (box && ChildIdOf(*form_, box) == CHILDID_SELF) box = box->Container();
        *out = Int(box ? ChildIdOf(*form_, box) : CHILDID_SELF);
        return S_OK;
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override {
        return OnChild(child, [&](IAccessible* a, VARIANT id) { return a->accDoDefaultAction(id); },
                       [&](const Control& box) {
                           if (!form_->teller.Words(box).button) return HRESULT(DISP_E_MEMBERNOTFOUND);
                           // Posted: the click runs after this call has returned to the client.
                           const auto& controls = form_->form.Controls();
                           for (std::size_t i = 0; i < controls.size(); ++i)
                               if (controls[i].get() == &box) PostMessageW(form_->form.hWnd(), kBoxDefaultAction, i, 0);
                           return HRESULT(S_OK);
                       });
    }
};

Accessibility::Accessibility(Form& form, const Teller& teller)
    : FormExtension(form), form_(form), teller_(teller) {}

Accessibility::~Accessibility() { Disconnect(); }

void Accessibility::Disconnect() {
    if (!object_) return;
    object_->form_ = nullptr;
    object_->Release();
    object_ = nullptr;
}

bool Accessibility::OnMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    const bool form = window == form_.hWnd();
    if (form && msg == kBoxDefaultAction) {
        if (wp < form_.Controls().size()) form_.Click(*form_.Controls()[wp]);
        return true;
    }
    if (form && msg == WM_DESTROY) Disconnect();
    // Only the client area is the form's own; the rest is the system's.
    if (msg != WM_GETOBJECT || static_cast<LONG>(lp) != OBJID_CLIENT) return false;
    const Control* control = form ? nullptr : form_.ControlOf(window);
    result = form ? AnswerForForm(wp) : control ? AnswerForControl(*control, wp) : 0;
    return result != 0;
}

LRESULT Accessibility::AnswerForForm(WPARAM wp) {
    const Libraries* api = Libraries::Get();
    if (!api) return 0;
    if (!object_) {
        IAccessible* inner = nullptr;
        if (FAILED(api->createStdObject(form_.hWnd(), OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&inner))) || !inner)
            return 0;
        object_ = new Object(inner, Reading{form_, teller_});
    }
    return api->lresultFromObject(__uuidof(IAccessible), wp, static_cast<IAccessible*>(object_));
}

LRESULT Accessibility::AnswerForControl(const Control& control, WPARAM wp) const {
    // Text boxes and lists; a button is told by its caption.
    if (control.kind() != Kind::TextBox && control.kind() != Kind::ComboBox) return 0;
    if (!teller_.Named(control)) return 0;
    const Libraries* api = Libraries::Get();
    IAccessible* object = api ? WindowObject(Reading{form_, teller_}, control) : nullptr;
    if (!object) return 0;
    const LRESULT answer = api->lresultFromObject(__uuidof(IAccessible), wp, object);
    object->Release();
    return answer;
}

void Accessibility::OnBoxFocus(const Control& box) {
    // Nothing to work out while no screen reader listens; and for one, only
    // the child's id: its words are built when the screen reader asks.
    if (!IsWinEventHookInstalled(EVENT_OBJECT_FOCUS)) return;
    const long id = ChildIdOf(Reading{form_, teller_}, &box);
    if (id != CHILDID_SELF) NotifyWinEvent(EVENT_OBJECT_FOCUS, form_.hWnd(), OBJID_CLIENT, id);
}

void Accessibility::Tell(DWORD event, const Control* box) const {
    if (!box || !IsWinEventHookInstalled(event)) return;
    const long id = ChildIdOf(Reading{form_, teller_}, box);
    if (id != CHILDID_SELF) NotifyWinEvent(event, form_.hWnd(), OBJID_CLIENT, id);
}

void Accessibility::OnBandRecoloured(const Control& band, const Control* unchosen, const Control* chosen) {
    // A band's name says its colour; a swatch's state, whether it is its column's choice.
    Tell(EVENT_OBJECT_NAMECHANGE, &band);
    Tell(EVENT_OBJECT_STATECHANGE, unchosen);
    Tell(EVENT_OBJECT_STATECHANGE, chosen);
}

}  // namespace screen_reader

#include "platform/accessible.h"

#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <string>

#include "platform/form.h"
#include "platform/system_library.h"

namespace platform {
namespace {

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
        const HMODULE com = LoadSystemLibrary(L"ole32.dll");
        decltype(&::CoInitializeEx) initialize = nullptr;
        FindProc(com, "CoInitializeEx", initialize);
        // The object is handed over through COM: this thread joins it, once.
        if (!initialize || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED))) return api;
        const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
        FindProc(oleacc, "LresultFromObject", api.lresultFromObject);
        FindProc(oleacc, "CreateStdAccessibleObject", api.createStdObject);
        FindProc(LoadSystemLibrary(L"oleaut32.dll"), "SysAllocString", api.allocString);
        return api;
    }
};

HRESULT GiveText(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = Libraries::Get()->allocString(text.c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

VARIANT Int(long value) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
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
        : Forwarding(inner), name_(words.name), description_(words.description) {}
    STDMETHODIMP get_accName(VARIANT child, BSTR* out) override {
        return IsSelf(child) ? GiveText(name_, out) : Forwarding::get_accName(child, out);
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override {
        return IsSelf(child) && !description_.empty() ? GiveText(description_, out)
                                                      : Forwarding::get_accDescription(child, out);
    }

private:
    std::wstring name_;
    std::wstring description_;
};

// The system's object for a control window's client area, named by the form.
IAccessible* WindowObject(const Form& form, const Control& control) {
    IAccessible* inner = nullptr;
    if (FAILED(Libraries::Get()->createStdObject(control.hWnd(), OBJID_CLIENT, __uuidof(IAccessible),
                                                  reinterpret_cast<void**>(&inner))) || !inner)
        return nullptr;
    const ControlWords words = form.Words(control);
    if (words.name.empty()) return inner;
    return new NamedWindow(inner, words);
}

LRESULT CALLBACK NamedWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, NamedWindowProc, id);
    if (msg == WM_GETOBJECT && static_cast<LONG>(lp) == OBJID_CLIENT) {
        const auto* control = reinterpret_cast<const Control*>(data);
        if (const Libraries* api = Libraries::Get()) {
            if (IAccessible* object = WindowObject(control->form(), *control)) {
                const LRESULT answer = api->lresultFromObject(__uuidof(IAccessible), wp, object);
                object->Release();
                if (answer) return answer;
            }
        }
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void NameControlWindow(const Form& form, Control& control) {
    if (!control.hWnd() || (control.kind() != Kind::TextBox && control.kind() != Kind::ComboBox)) return;
    if (form.Words(control).name.empty()) return;
    SetWindowSubclass(control.hWnd(), NamedWindowProc, 1, reinterpret_cast<DWORD_PTR>(&control));
}

std::vector<Control*> AccessibleChildren(const Form& form) {
    std::vector<Control*> children;
    for (const auto& control : form.Controls()) {
        const bool told = control->hWnd() ? IsWindowVisible(control->hWnd()) != FALSE
                                          : control->kind() == Kind::PictureBox && control->Shown() &&
                                                !form.Words(*control).name.empty();
        if (told) children.push_back(control.get());
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    return children;
}

void NotifyAccessibleFocus(const Form& form, const Control& control) {
    const std::vector<Control*> children = AccessibleChildren(form);
    const auto at = std::find(children.begin(), children.end(), &control);
    if (at != children.end())
        NotifyWinEvent(EVENT_OBJECT_FOCUS, form.hWnd(), OBJID_CLIENT, static_cast<LONG>(at - children.begin()) + 1);
}

// The form's client area: its own properties are the system's for the
// window; its children are the form's.
struct FormAccessibility::Object : Forwarding {
    Object(IAccessible* inner, Form* form) : Forwarding(inner), form_(form) {}
    Form* form_;   // nullptr once the window is gone

    // The control a child id stands for; nullptr for the area itself.
    HRESULT ChildOf(const VARIANT& child, Control*& control) const {
        control = nullptr;
        if (!form_) return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        if (child.lVal == CHILDID_SELF) return S_OK;
        const std::vector<Control*> children = AccessibleChildren(*form_);
        if (child.lVal < 1 || child.lVal > static_cast<long>(children.size())) return E_INVALIDARG;
        control = children[static_cast<std::size_t>(child.lVal - 1)];
        return S_OK;
    }
    long IdOf(const Control* control) const {
        const std::vector<Control*> children = AccessibleChildren(*form_);
        const auto at = std::find(children.begin(), children.end(), control);
        return at == children.end() ? CHILDID_SELF : static_cast<long>(at - children.begin()) + 1;
    }
    // A child as a VARIANT: a control window as its own object, a box as its id.
    void GiveChild(const Control* control, VARIANT* out) const {
        if (control && control->hWnd()) {
            out->vt = VT_DISPATCH;
            out->pdispVal = WindowObject(*form_, *control);
            if (out->pdispVal) return;
        }
        *out = Int(IdOf(control));
    }
    // Calls about a control window go to its own object.
    template <typename Call>
    HRESULT OnWindow(const Control& control, Call call) const {
        IAccessible* window = WindowObject(*form_, control);
        if (!window) return E_FAIL;
        const HRESULT result = call(window);
        window->Release();
        return result;
    }

    STDMETHODIMP get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        if (!form_) return CO_E_OBJNOTCONNECTED;
        *count = static_cast<long>(AccessibleChildren(*form_).size());
        return S_OK;
    }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return E_INVALIDARG;
        if (!control->hWnd()) return S_FALSE;   // a box is a simple element
        *out = WindowObject(*form_, *control);
        return *out ? S_OK : E_FAIL;
    }
    STDMETHODIMP get_accName(VARIANT child, BSTR* out) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return Forwarding::get_accName(child, out);
        if (control->hWnd()) return OnWindow(*control, [&](IAccessible* w) { return w->get_accName(Int(CHILDID_SELF), out); });
        return GiveText(form_->Words(*control).name, out);
    }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* out) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return Forwarding::get_accValue(child, out);
        if (control->hWnd()) return OnWindow(*control, [&](IAccessible* w) { return w->get_accValue(Int(CHILDID_SELF), out); });
        if (out) *out = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* out) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return Forwarding::get_accDescription(child, out);
        return GiveText(form_->Words(*control).description, out);
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* out) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return Forwarding::get_accRole(child, out);
        if (control->hWnd()) return OnWindow(*control, [&](IAccessible* w) { return w->get_accRole(Int(CHILDID_SELF), out); });
        if (!out) return E_POINTER;
        *out = Int(form_->Words(*control).button ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_GRAPHIC);
        return S_OK;
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* out) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return Forwarding::get_accState(child, out);
        if (control->hWnd()) return OnWindow(*control, [&](IAccessible* w) { return w->get_accState(Int(CHILDID_SELF), out); });
        if (!out) return E_POINTER;
        long state = control->CanFocus() ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
        if (GetFocus() == form_->hWnd() && form_->ActiveControl() == control) state |= STATE_SYSTEM_FOCUSED;
        *out = Int(state);
        return S_OK;
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* out) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return Forwarding::get_accHelp(child, out);
        if (out) *out = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return Forwarding::get_accKeyboardShortcut(child, out);
        if (out) *out = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    STDMETHODIMP get_accFocus(VARIANT* out) override {
        if (!out) return E_POINTER;
        if (!form_) return CO_E_OBJNOTCONNECTED;
        out->vt = VT_EMPTY;
        const HWND focus = GetFocus();
        if (!focus || (focus != form_->hWnd() && !IsChild(form_->hWnd(), focus))) return S_FALSE;
        GiveChild(form_->ActiveControl(), out);
        return S_OK;
    }
    STDMETHODIMP get_accSelection(VARIANT* out) override {
        if (!out) return E_POINTER;
        out->vt = VT_EMPTY;
        return S_FALSE;
    }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* out) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return Forwarding::get_accDefaultAction(child, out);
        if (control->hWnd())
            return OnWindow(*control, [&](IAccessible* w) { return w->get_accDefaultAction(Int(CHILDID_SELF), out); });
        if (form_->Words(*control).button) return GiveText(L"Click", out);
        if (out) *out = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    STDMETHODIMP accSelect(long flags, VARIANT child) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return Forwarding::accSelect(flags, child);
        if (!(flags & SELFLAG_TAKEFOCUS) || !control->CanFocus()) return E_INVALIDARG;
        form_->Focus(*control);
        return S_OK;
    }
    STDMETHODIMP accLocation(long* x, long* y, long* w, long* h, VARIANT child) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return Forwarding::accLocation(x, y, w, h, child);
        if (!x || !y || !w || !h) return E_POINTER;
        RECT r{};
        if (control->hWnd()) {
            GetWindowRect(control->hWnd(), &r);
        } else {
            r = control->FormRect();
            MapWindowPoints(form_->hWnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
        }
        *x = r.left;
        *y = r.top;
        *w = r.right - r.left;
        *h = r.bottom - r.top;
        return S_OK;
    }
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(start, control); FAILED(hr)) return hr;
        if (!end) return E_POINTER;
        end->vt = VT_EMPTY;
        const std::vector<Control*> children = AccessibleChildren(*form_);
        const long count = static_cast<long>(children.size());
        long to = 0;
        if (!control) {
            if (direction == NAVDIR_FIRSTCHILD) to = 1;
            else if (direction == NAVDIR_LASTCHILD) to = count;
            else return Forwarding::accNavigate(direction, start, end);   // the window among its siblings
        } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT) {
            to = start.lVal + 1;
        } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT) {
            to = start.lVal - 1;
        }
        if (to < 1 || to > count) return S_FALSE;
        GiveChild(children[static_cast<std::size_t>(to - 1)], end);
        return S_OK;
    }
    STDMETHODIMP accHitTest(long x, long y, VARIANT* out) override {
        if (!out) return E_POINTER;
        if (!form_) return CO_E_OBJNOTCONNECTED;
        out->vt = VT_EMPTY;
        const HWND window = form_->hWnd();
        POINT at{x, y};
        ScreenToClient(window, &at);
        RECT client{};
        GetClientRect(window, &client);
        if (!PtInRect(&client, at)) return S_FALSE;
        const HWND child = ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE);
        if (child && child != window) {
            for (const auto& control : form_->Controls()) {
                if (control->hWnd() == child) {
                    GiveChild(control.get(), out);
                    return S_OK;
                }
            }
        }
        // The innermost named box there: a drawing's band, else the drawing.
        Control* box = form_->BoxAt(at);
        while (box && IdOf(box) == CHILDID_SELF) box = box->Container();
        *out = Int(box ? IdOf(box) : CHILDID_SELF);
        return S_OK;
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override {
        Control* control = nullptr;
        if (const HRESULT hr = ChildOf(child, control); FAILED(hr)) return hr;
        if (!control) return Forwarding::accDoDefaultAction(child);
        if (control->hWnd()) return OnWindow(*control, [&](IAccessible* w) { return w->accDoDefaultAction(Int(CHILDID_SELF)); });
        if (!form_->Words(*control).button) return DISP_E_MEMBERNOTFOUND;
        // Posted: the click runs after this call has returned to the client.
        const auto& controls = form_->Controls();
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (controls[i].get() == control) PostMessageW(form_->hWnd(), kBoxDefaultAction, i, 0);
        return S_OK;
    }
};

FormAccessibility::~FormAccessibility() {
    if (!object_) return;
    object_->form_ = nullptr;
    object_->Release();
}

LRESULT FormAccessibility::Answer(WPARAM wp) {
    const Libraries* api = Libraries::Get();
    if (!api) return 0;
    if (!object_) {
        IAccessible* inner = nullptr;
        if (FAILED(api->createStdObject(form_.hWnd(), OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&inner))) || !inner)
            return 0;
        object_ = new Object(inner, &form_);
    }
    return api->lresultFromObject(__uuidof(IAccessible), wp, static_cast<IAccessible*>(object_));
}

}  // namespace platform

// The main window as a screen reader reads it: the drawn boxes are simple
// children of the client area, beside the control windows.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "model/colour_code.h"
#include "support/colour_table.h"
#include "support/form_fixture.h"
#include "support/input.h"

namespace {

using enum model::ColourIndex;

using testing_gui::ChildId;
using testing_gui::NameOf;
using testing_gui::Take;

class AccessibleTest : public Form1Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        Form1Test::SetUp();
        ASSERT_EQ(AccessibleObjectFromWindow(form->hWnd(), OBJID_CLIENT, IID_IAccessible,
                                             reinterpret_cast<void**>(&acc)),
                  S_OK);
    }
    void TearDown() override {
        if (acc) acc->Release();
        Form1Test::TearDown();
        CoUninitialize();
    }
    // The child that stands where the control is on the screen; 0 for none.
    long IdOf(const platform::Control& control) {
        RECT expected{};
        if (control.hWnd()) {
            GetWindowRect(control.hWnd(), &expected);
        } else {
            expected = control.OuterInForm();
            MapWindowPoints(form->hWnd(), nullptr, reinterpret_cast<POINT*>(&expected), 2);
        }
        long count = 0;
        acc->get_accChildCount(&count);
        for (long id = 1; id <= count; ++id) {
            long x = 0, y = 0, w = 0, h = 0;
            if (acc->accLocation(&x, &y, &w, &h, ChildId(id)) != S_OK) continue;
            const RECT found{x, y, x + w, y + h};
            if (EqualRect(&expected, &found)) return id;
        }
        return 0;
    }
    IAccessible* acc = nullptr;
};

// A box's name says where it is and what its colour stands for there. A
// swatch is a radio button whose action clicks it, checked while its band
// shows its colour (at start its design colour); a band, a legend swatch or
// a drawing is a picture with no action.
const struct {
    const wchar_t* box;
    int index;
    const wchar_t* name;
    long role;
    const wchar_t* action;
    long checked;
} kBoxes[] = {
    {L"D", Green, L"Four-band reader, tolerance, Green: \u00B10.5%", ROLE_SYSTEM_RADIOBUTTON, L"Click",
     STATE_SYSTEM_CHECKED},
    {L"Pict", Brown, L"Four-band reader, first digit, Brown: 1", ROLE_SYSTEM_RADIOBUTTON, L"Click", 0},
    {L"Y", Black, L"Five-band reader, third digit, Black: 0", ROLE_SYSTEM_RADIOBUTTON, L"Click", 0},
    {L"Q", Silver, L"Five-band reader, multiplier, Silver: \u00D7 0.01", ROLE_SYSTEM_RADIOBUTTON, L"Click", 0},
    {L"D", Gold, L"Four-band reader, tolerance, Gold: \u00B15%", ROLE_SYSTEM_RADIOBUTTON, L"Click", 0},
    {L"E", Gold, L"Five-band reader, tolerance, Gold: \u00B15%", ROLE_SYSTEM_RADIOBUTTON, L"Click", 0},
    {L"P", Orange, L"Four-band reader, multiplier, Orange: \u00D7 1K", ROLE_SYSTEM_RADIOBUTTON, L"Click", 0},
    {L"Q", Orange, L"Five-band reader, multiplier, Orange: \u00D7 1K", ROLE_SYSTEM_RADIOBUTTON, L"Click", 0},
    {L"T", Brown, L"Five-band reader, first digit, Brown: 1", ROLE_SYSTEM_RADIOBUTTON, L"Click", 0},
    {L"HT", -1, L"Five-band reader band 2, second digit, White: 9", ROLE_SYSTEM_GRAPHIC, L"", 0},
    {L"Picture11", -1, L"Four-band reader band 4, tolerance, Green: \u00B10.5%", ROLE_SYSTEM_GRAPHIC, L"", 0},
    {L"Picture1", -1, L"Four-band writer band 1, first digit, Yellow: 4", ROLE_SYSTEM_GRAPHIC, L"", 0},
    {L"P3", -1, L"Legend, Red: 2, \u00D7 100, \u00B12%", ROLE_SYSTEM_GRAPHIC, L"", 0},
    {L"Picture7", -1, L"Four-band reader", ROLE_SYSTEM_GRAPHIC, L"", 0},
};

TEST_F(AccessibleTest, BoxesAreNamedChildrenWithRolesPlacesAndActions) {
    long count = 0;
    ASSERT_EQ(acc->get_accChildCount(&count), S_OK);
    // 82 swatches, 13 bands, 12 legend swatches, 3 drawings, the ohm sign, 6 windows.
    EXPECT_EQ(count, 82 + 13 + 12 + 3 + 1 + 6);
    for (const auto& row : kBoxes) {
        SCOPED_TRACE(testing::Message() << row.box << " " << row.index);
        const platform::Control& box = C(row.box, row.index);
        const long id = IdOf(box);
        ASSERT_GT(id, 0);
        EXPECT_EQ(NameOf(acc, id), row.name);
        IDispatch* child = reinterpret_cast<IDispatch*>(1);
        EXPECT_EQ(acc->get_accChild(ChildId(id), &child), S_FALSE) << "a simple element";
        VARIANT role{};
        ASSERT_EQ(acc->get_accRole(ChildId(id), &role), S_OK);
        EXPECT_EQ(role.lVal, row.role);
        VARIANT state{};
        ASSERT_EQ(acc->get_accState(ChildId(id), &state), S_OK);
        EXPECT_TRUE(state.lVal & STATE_SYSTEM_FOCUSABLE);
        EXPECT_EQ(state.lVal & STATE_SYSTEM_CHECKED, row.checked);
        BSTR action = nullptr;
        acc->get_accDefaultAction(ChildId(id), &action);
        EXPECT_EQ(Take(action), row.action);
        // At the box's screen rectangle, and found at its middle.
        RECT expected = box.OuterInForm();
        MapWindowPoints(form->hWnd(), nullptr, reinterpret_cast<POINT*>(&expected), 2);
        long x = 0, y = 0, w = 0, h = 0;
        ASSERT_EQ(acc->accLocation(&x, &y, &w, &h, ChildId(id)), S_OK);
        const RECT found{x, y, x + w, y + h};
        EXPECT_TRUE(EqualRect(&expected, &found));
        VARIANT hit{};
        ASSERT_EQ(acc->accHitTest(x + w / 2, y + h / 2, &hit), S_OK);
        EXPECT_EQ(hit.vt, VT_I4);
        EXPECT_EQ(hit.lVal, id);
    }
}

// Each text box's name, and its description and help once both readers show
// a value.
const wchar_t* const kUse = L"Type a value and press Enter; Up and Down step through standard values";
const struct {
    const wchar_t* control;
    const wchar_t* name;
    const wchar_t* note;
    const wchar_t* help;
} kTextBoxes[] = {
    // The note with the misread hints beneath it, nearest first: E192 holds 198 and 189, E24 18.
    {L"Text3", L"Five-band value",
     L"199 is not a \u00B10.5% standard value (E192 or E24); nearest: 198, 200\n"
     L"If band 3 is Gray, not White: 198\nIf band 2 is Gray, not White: 189", kUse},
    {L"Text4", L"Four-band value",
     L"19 is not a \u00B10.5% standard value (E192 or E24); nearest: 18, 20\nIf band 2 is Gray, not White: 18", kUse},
    {L"Text1", L"Value in ohms", L"Up and Down step through standard values", L""},
};

// The name, description, help and role that a text box's own window gives.
void ExpectTextBoxAsAsked(HWND box, const wchar_t* name, const wchar_t* note, const wchar_t* help) {
    IAccessible* direct = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(box, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&direct)), S_OK);
    EXPECT_EQ(NameOf(direct, CHILDID_SELF), name);
    BSTR text = nullptr;
    direct->get_accDescription(ChildId(CHILDID_SELF), &text);
    EXPECT_EQ(Take(text), note);
    text = nullptr;
    direct->get_accHelp(ChildId(CHILDID_SELF), &text);
    EXPECT_EQ(Take(text), help);
    VARIANT role{};
    direct->get_accRole(ChildId(CHILDID_SELF), &role);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_TEXT);
    direct->Release();
}

TEST_F(AccessibleTest, WindowsStayInTheTreeAndTextBoxesAreFoundByName) {
    testing_gui::Click(C(L"T", Brown));
    testing_gui::Click(C(L"Pict", Brown));
    for (const auto& [control, name, note, help] : kTextBoxes) {
        const long id = IdOf(C(control));
        ASSERT_GT(id, 0);
        IDispatch* child = nullptr;
        ASSERT_EQ(acc->get_accChild(ChildId(id), &child), S_OK);
        IAccessible* window = nullptr;
        ASSERT_EQ(child->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&window)), S_OK);
        EXPECT_EQ(NameOf(window, CHILDID_SELF), name);
        window->Release();
        child->Release();
        // The same name when the window itself is asked, as when its focus is followed.
        ASSERT_NO_FATAL_FAILURE(ExpectTextBoxAsAsked(C(control).hWnd(), name, note, help));
    }
    VARIANT hit{};
    RECT r{};
    GetWindowRect(C(L"CCal").hWnd(), &r);
    ASSERT_EQ(acc->accHitTest((r.left + r.right) / 2, (r.top + r.bottom) / 2, &hit), S_OK);
    ASSERT_EQ(hit.vt, VT_DISPATCH);
    EXPECT_EQ(NameOf(static_cast<IAccessible*>(hit.pdispVal), CHILDID_SELF), L"Calculate")
        << "without the room the glyph's padding makes";
    hit.pdispVal->Release();
}

long focusEvent = 0;
std::vector<std::pair<DWORD, long>> heard;   // the boxes' name and state changes, in order
void CALLBACK OnBoxEvent(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD) {
    if (object != OBJID_CLIENT) return;
    if (event == EVENT_OBJECT_FOCUS) focusEvent = child;
    if (child > 0 && (event == EVENT_OBJECT_NAMECHANGE || event == EVENT_OBJECT_STATECHANGE))
        heard.emplace_back(event, child);
}

ALONE_TEST_F(AccessibleTest, FocusAndTheDefaultActionFollowTheBoxes) {
    platform::Control& swatch = C(L"Pi", Red);
    const long id = IdOf(swatch);
    heard.clear();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, OnBoxEvent,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_EQ(acc->accSelect(SELFLAG_TAKEFOCUS, ChildId(id)), S_OK);
    // The event comes to the hook as a message of this thread.
    testing_gui::PumpUntil([&] { return focusEvent == id; }, 2000);
    EXPECT_EQ(focusEvent, id) << "the focus event names the box";
    VARIANT focus{};
    ASSERT_EQ(acc->get_accFocus(&focus), S_OK);
    EXPECT_EQ(focus.vt, VT_I4);
    EXPECT_EQ(focus.lVal, id);
    VARIANT state{};
    acc->get_accState(ChildId(id), &state);
    EXPECT_TRUE(state.lVal & STATE_SYSTEM_FOCUSED);

    ASSERT_EQ(acc->accDoDefaultAction(ChildId(id)), S_OK);
    EXPECT_NE(C(L"Picture9").BackColor(), testing_gui::kColour[Red]) << "posted, not run inside the call";
    EXPECT_TRUE(testing_gui::PumpUntil([&] { return C(L"Picture9").BackColor() == testing_gui::kColour[Red]; }, 2000));
    // The band's new name, and the check gone from White, the band's design colour, to Red.
    const std::vector<std::pair<DWORD, long>> expected{{EVENT_OBJECT_NAMECHANGE, IdOf(C(L"Picture9"))},
                                                       {EVENT_OBJECT_STATECHANGE, IdOf(C(L"Pi", White))},
                                                       {EVENT_OBJECT_STATECHANGE, id}};
    testing_gui::PumpUntil([&] { return heard.size() >= expected.size(); }, 2000);
    UnhookWinEvent(hook);
    EXPECT_EQ(heard, expected);
    EXPECT_NE(testing_gui::WindowText(C(L"Text4").hWnd()), L"");
    EXPECT_EQ(acc->accDoDefaultAction(ChildId(IdOf(C(L"Picture9")))), DISP_E_MEMBERNOTFOUND) << "a band does nothing";

    VARIANT next{};
    ASSERT_EQ(acc->accNavigate(NAVDIR_NEXT, ChildId(id), &next), S_OK);
    EXPECT_EQ(NameOf(acc, next.lVal), L"Four-band reader, second digit, Orange: 3");
    VARIANT first{};
    ASSERT_EQ(acc->accNavigate(NAVDIR_FIRSTCHILD, ChildId(CHILDID_SELF), &first), S_OK);
    EXPECT_EQ(first.vt, VT_DISPATCH) << "the value box comes first in the tab order";
    if (first.vt == VT_DISPATCH) first.pdispVal->Release();
}

}  // namespace

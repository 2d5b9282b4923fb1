// The four-band writer driven through the real main window: the value is put
// into the text box window, "Calculate" is pressed as a button, and the four
// bands are read back as colours and as pixels on the screen.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>

#include "model/colour_code.h"
#include "support/colour_table.h"
#include "support/form_fixture.h"

namespace {

using testing_gui::kColour;
using testing_gui::kToleranceBand;
using testing_gui::PixelAt;
using testing_gui::WindowText;
using enum model::ColourIndex;

constexpr int kUnchanged = -1;


const wchar_t* const kBands[4] = {L"Picture1", L"Picture2", L"Picture3", L"Picture4"};

// A number written with "." for the decimal and "," for the group separator,
// in the user's own separators.
std::wstring InUserLocale(const std::wstring& text) {
    wchar_t decimal[8] = {}, group[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, group, 8);
    std::wstring out;
    for (wchar_t c : text) out += c == L'.' ? decimal : c == L',' ? group : std::wstring(1, c);
    return out;
}

class WriterTest : public Form1Test {
protected:
    void Type(const std::wstring& text) { SetWindowTextW(C(L"Text1").hWnd(), text.c_str()); }
    void Select(int position) { SendMessageW(C(L"Combo1").hWnd(), CB_SETCURSEL, static_cast<WPARAM>(position), 0); }
    void Press() { SendMessageW(C(L"CCal").hWnd(), BM_CLICK, 0, 0); }
    int Position() { return static_cast<int>(SendMessageW(C(L"Combo1").hWnd(), CB_GETCURSEL, 0, 0)); }
    // The balloon's text while it is shown; "" when it is not.
    std::wstring BalloonText() {
        testing_gui::PumpFor(10);
        HWND balloon = form->BalloonWindow();
        return balloon && IsWindowVisible(balloon) ? WindowText(balloon) : L"";
    }

    // Each band's colour, and the same colour on the screen.
    void ExpectBands(const std::array<int, 4>& expected) {
        for (int b = 0; b < 4; ++b) {
            platform::Control& band = C(kBands[b]);
            EXPECT_EQ(band.BackColor(), kColour[expected[static_cast<std::size_t>(b)]]) << "band " << b + 1;
            EXPECT_EQ(PixelAt(band, 3, 20), kColour[expected[static_cast<std::size_t>(b)]]) << "band " << b + 1;
        }
    }
    // Everything but the writer's four bands.
    std::map<std::wstring, std::wstring> OtherControls() {
        std::map<std::wstring, std::wstring> state;
        for (const auto& c : form->Controls()) {
            if (c->Name() == L"Picture1" || c->Name() == L"Picture2" || c->Name() == L"Picture3" ||
                c->Name() == L"Picture4")
                continue;
            state[c->Name() + L"(" + std::to_wstring(c->Index()) + L")"] =
                std::to_wstring(c->BackColor()) + L"|" + c->Text();
        }
        return state;
    }
};

// What the balloon at the value box says when bands 1 to 3 cannot be written.
constexpr wchar_t kNoNumber[] = L"Type a value in ohms, such as 4700 or 4.7";
constexpr wchar_t kNoResistor[] = L"Four bands carry 0 or 0.01 up to 99 G ohms, such as 0.47 or 4700000";

struct Entry {
    const wchar_t* text;   // "." and "," stand for the user's decimal and group separators
    int first, second, multiplier;   // kUnchanged: bands 1 to 3 keep their colours
    const wchar_t* balloon = nullptr;  // why, when they do
};

const Entry kEntries[] = {
    {L"4700", Yellow, Purple, Red},
    {L"1", Brown, Black, Gold},
    {L"5", Green, Black, Gold},
    {L"10", Brown, Black, Black},
    {L"100", Brown, Black, Brown},
    {L"4.7", Yellow, Purple, Gold},
    {L"0.47", Yellow, Purple, Silver},
    {L"47.5", Yellow, Purple, Black},
    {L"0.05", Black, Green, Silver},
    {L"0.5", Green, Black, Silver},
    {L".5", Green, Black, Silver},
    {L"0.01", Black, Brown, Silver},
    {L"0.0199", Black, Brown, Silver},
    {L"0", Black, Black, Silver},
    {L"475", Yellow, Purple, Brown},
    {L"479", Yellow, Purple, Brown},
    {L"1e3", Brown, Black, Red},
    {L"1,000", Brown, Black, Red},
    {L"2.2E4", Red, Red, Orange},
    {L" 12 ", Brown, Red, Black},
    {L"1e10", Brown, Black, White},
    {L"99999999999", White, White, White},
    {L"99999999999.9", White, White, White},
    // Not a number, or nothing four bands can show.
    {L"", kUnchanged, 0, 0, kNoNumber},
    {L"abc", kUnchanged, 0, 0, kNoNumber},
    {L"4K7", kUnchanged, 0, 0, kNoNumber},
    {L"4.7.1", kUnchanged, 0, 0, kNoNumber},
    {L"-5", kUnchanged, 0, 0, kNoResistor},
    {L"-0.47", kUnchanged, 0, 0, kNoResistor},
    {L"0.009", kUnchanged, 0, 0, kNoResistor},
    {L"1e11", kUnchanged, 0, 0, kNoResistor},
    {L"100000000000", kUnchanged, 0, 0, kNoResistor},
    {L"1E400", kUnchanged, 0, 0, kNoNumber},
};

TEST_F(WriterTest, TypedValuesGiveTheirBands) {
    for (const Entry& e : kEntries) {
        const std::wstring text = InUserLocale(e.text);
        SCOPED_TRACE(testing::Message() << "text \"" << std::string(text.begin(), text.end()) << "\"");
        // Start from Red, Red, Black, Brown, which no entry gives.
        Type(L"22");
        Select(0);
        Press();
        ExpectBands({Red, Red, Black, Brown});

        Type(text);
        Select(7);
        Press();
        if (e.first == kUnchanged) ExpectBands({Red, Red, Black, Silver});
        else ExpectBands({e.first, e.second, e.multiplier, Silver});
        EXPECT_EQ(WindowText(C(L"Text1").hWnd()), text);
        EXPECT_EQ(Position(), 7);
        EXPECT_EQ(BalloonText(), e.balloon ? e.balloon : L"");
    }
}

TEST_F(WriterTest, TheBalloonGoesWhenTypedClickedAwayOrWritten) {
    EXPECT_EQ(form->BalloonWindow(), nullptr) << "made only when first needed";
    const std::function<void()> away[] = {
        [&] { Type(L"abc1"); },
        [&] { testing_gui::Click(C(L"Pi", 3)); },
        [&] { testing_gui::Click(C(L"Label2")); },
        [&] { Type(L"47"); Press(); },
    };
    for (const auto& step : away) {
        Type(L"abc");
        Press();
        ASSERT_EQ(BalloonText(), kNoNumber);
        step();
        EXPECT_EQ(BalloonText(), L"");
    }
}

TEST_F(WriterTest, EveryListPositionPaintsItsToleranceBand) {
    for (int position = 0; position < 8; ++position) {
        Select(position);
        Press();
        ExpectBands({Yellow, Purple, Red, kToleranceBand[position]});
        EXPECT_EQ(Position(), position);
    }
}

TEST_F(WriterTest, PressWithNoSelectionSelectsFivePercent) {
    Select(0);
    Press();
    ExpectBands({Yellow, Purple, Red, Brown});
    Select(-1);
    ASSERT_EQ(Position(), -1);
    Type(L"abc");
    Press();
    EXPECT_EQ(Position(), 6);
    EXPECT_EQ(WindowText(C(L"Combo1").hWnd()), L"\u00B15%");
    ExpectBands({Yellow, Purple, Red, Gold});
}

TEST_F(WriterTest, PressChangesNeitherTheTextNorTheReaders) {
    // Readers with readouts and bands away from their design colours.
    testing_gui::Click(C(L"Pict", 2));
    testing_gui::Click(C(L"D", 6));
    testing_gui::Click(C(L"T", 3));
    testing_gui::Click(C(L"Q", 11));
    ASSERT_NE(C(L"Text4").Text(), L"");
    ASSERT_NE(C(L"Text3").Text(), L"");
    // Texts no band set gives: even a rewrite from the same bands would show.
    C(L"Text4").SetText(L"four");
    C(L"Text3").SetText(L"five");
    for (const wchar_t* text : {L"4.7", L"abc", L"", L"-5", L"99999999999"}) {
        const std::wstring typed = InUserLocale(text);
        Type(typed);
        const auto before = OtherControls();
        Press();
        EXPECT_EQ(OtherControls(), before) << std::string(typed.begin(), typed.end());
        EXPECT_EQ(WindowText(C(L"Text1").hWnd()), typed);
    }
}

TEST_F(WriterTest, TypingOrChoosingAloneChangesNoBand) {
    Type(L"22");
    Press();
    ExpectBands({Red, Red, Black, Gold});
    HWND edit = C(L"Text1").hWnd();
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 2, 2);
    SendMessageW(edit, WM_CHAR, L'0', 0);
    ASSERT_EQ(WindowText(edit), L"220");
    // The arrow key moves the closed list's selection, as a user would.
    HWND list = C(L"Combo1").hWnd();
    SetFocus(list);
    SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(list, WM_KEYUP, VK_DOWN, 0);
    testing_gui::PumpFor(20);
    ASSERT_EQ(Position(), 7);
    ExpectBands({Red, Red, Black, Gold});
    Press();
    ExpectBands({Red, Red, Brown, Silver});
}

TEST_F(WriterTest, MouseClickOnTheButtonCalculates) {
    Type(L"330");
    Select(1);
    testing_gui::Click(C(L"CCal"));
    ExpectBands({Orange, Orange, Brown, Red});
}

TEST_F(WriterTest, PointerClickOnTheButtonCalculates) {
    Type(L"68000");
    Select(4);
    PointerClick(C(L"CCal"));
    if (HasFatalFailure()) return;
    ExpectBands({Blue, Gray, Orange, Purple});
}

// The text box takes any length. The big number is padded with spaces: a
// megabyte of digits takes Wine's own edit control minutes to lay out.
TEST_F(WriterTest, MegabyteTextsAreHandled) {
    const std::size_t size = 1u << 20;
    struct Big {
        std::wstring text;
        std::array<int, 4> bands;
    } cases[] = {
        {std::wstring(size, L'x'), {Red, Red, Black, Gold}},                     // no number
        {std::wstring(size - 4, L' ') + L"4700", {Yellow, Purple, Red, Gold}},   // 4700
    };
    for (const Big& big : cases) {
        Type(L"22");
        Press();
        Type(big.text);
        ASSERT_EQ(SendMessageW(C(L"Text1").hWnd(), WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(size));
        Press();
        ExpectBands(big.bands);
        EXPECT_TRUE(WindowText(C(L"Text1").hWnd()) == big.text);
    }
}

// Typed values under a locale whose decimal separator is a comma and whose
// group separator is a full stop. CTest runs this suite in a German locale.
class CommaLocaleWriterTest : public WriterTest {
protected:
    void SetUp() override {
        RequireCommaLocale();
        if (IsSkipped() || HasFatalFailure()) return;
        WriterTest::SetUp();
    }
};

TEST_F(CommaLocaleWriterTest, CommaIsTheDecimalSeparator) {
    const struct {
        const wchar_t* text;
        std::array<int, 4> bands;
    } cases[] = {
        {L"4,7", {Yellow, Purple, Gold, Gold}},
        {L"0,47", {Yellow, Purple, Silver, Gold}},
        {L"4.7", {Yellow, Purple, Black, Gold}},     // a group separator: 47
        {L"1.000", {Brown, Black, Red, Gold}},
        {L"abc", {Brown, Black, Red, Gold}},         // no number: as before
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.text, c.text + wcslen(c.text)));
        Type(c.text);
        Press();
        ExpectBands(c.bands);
    }
}

}  // namespace

// The four-band writer driven through the real main window: the value is put
// into the text box window, "Calculate" is pressed as a button, and the four
// bands are read back as colours and as pixels on the screen.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/colour_code.h"
#include "platform/form.h"
#include "support/colour_table.h"
#include "support/expected_readout.h"
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
    // The balloon's text while it is shown; "" when it is not. The balloon
    // shows only while the window is the active one.
    std::wstring BalloonText() {
        if (!testing_gui::DeclaredAlone()) ADD_FAILURE() << "a test that reads the balloon is an ALONE_TEST_F";
        testing_gui::PumpUntilIdle(form->hWnd());
        HWND balloon = form->BalloonWindow();
        return balloon && IsWindowVisible(balloon) ? WindowText(balloon) : L"";
    }
    // The icon beside its title, told by its colours: the warning's yellow
    // triangle (TTI_WARNING), the information's blue disc (TTI_INFO); 0 for
    // neither. (Wine's tooltips do not answer TTM_GETTITLE.)
    UINT BalloonIcon() {
        HWND balloon = form->BalloonWindow();
        if (!balloon || !IsWindowVisible(balloon)) return 0;
        UpdateWindow(balloon);
        const RECT r = testing_gui::ClientRectOf(balloon);
        HDC dc = GetDC(balloon);
        int yellow = 0, blue = 0;
        for (int y = 0; y < std::min<LONG>(r.bottom, 48); ++y)
            for (int x = 0; x < std::min<LONG>(r.right, 48); ++x) {
                const COLORREF c = GetPixel(dc, x, y);
                yellow += GetRValue(c) > 200 && GetGValue(c) > 150 && GetBValue(c) < 100;
                blue += GetBValue(c) > 150 && GetRValue(c) < 100;
            }
        ReleaseDC(balloon, dc);
        return yellow > 10 && blue < 3 ? TTI_WARNING : blue > 10 && yellow < 3 ? TTI_INFO : 0;
    }
    // A key on a text box as the message loop hands it on: the form sees
    // it before the box does.
    void Key(UINT key, const wchar_t* box = L"Text1") {
        HWND edit = C(box).hWnd();
        SetFocus(edit);
        const LPARAM flags = 1 | static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16 | 1 << 24;
        MSG down{edit, WM_KEYDOWN, key, flags, 0, {}};
        platform::DispatchWithTab(down);
        MSG up{edit, WM_KEYUP, key, flags | static_cast<LPARAM>(3u << 30), 0, {}};
        platform::DispatchWithTab(up);
        testing_gui::PumpUntilIdle(form->hWnd());
    }
    // Where the caret is, when nothing is selected; -1 for a selection.
    int Caret(const wchar_t* box = L"Text1") {
        DWORD start = 0, end = 0;
        SendMessageW(C(box).hWnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return start == end ? static_cast<int>(start) : -1;
    }

    static int IndexOf(COLORREF colour) {
        return static_cast<int>(std::find(std::begin(kColour), std::end(kColour), colour) - std::begin(kColour));
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
        return Snapshot(std::vector<const wchar_t*>(std::begin(kBands), std::end(kBands)), nullptr);
    }
    // Every control's colour and text but those of a drawing's bands and a box.
    std::map<std::wstring, std::wstring> Snapshot(const std::vector<const wchar_t*>& bands, const wchar_t* box) {
        std::map<std::wstring, std::wstring> state;
        for (const auto& c : form->Controls()) {
            if ((box && c->Name() == box) ||
                std::find(bands.begin(), bands.end(), c->Name()) != bands.end())
                continue;
            state[c->Name() + L"(" + std::to_wstring(c->Index()) + L")"] =
                std::to_wstring(c->BackColor()) + L"|" + c->Text();
        }
        return state;
    }
};

// What the balloon at the value box says when bands 1 to 3 cannot be written
// (a warning), or when they cut the value (for information).
constexpr wchar_t kNoNumber[] = L"Type a value in ohms, such as 4700 or 4.7";
constexpr wchar_t kNoResistor[] = L"Four bands carry 0 or 0.01 up to 99 G ohms, such as 0.47 or 4700000";

// What the balloon says of a text with grouping: the text to type instead.
constexpr wchar_t kNoGrouping47[] = L"Type 4.7 with \".\" as the decimal mark";

struct Entry {
    const wchar_t* text;   // "." and "," stand for the user's decimal and group separators
    int first, second, multiplier;   // kUnchanged: bands 1 to 3 keep their colours
    const wchar_t* balloon = nullptr;  // why they do, or what they cut (as in a full-stop locale)
};

const std::wstring kLongest = L"1." + std::wstring(98, L'0'), kTooLong = kLongest + L"0";
const std::wstring kMisread = L"4750." + std::wstring(1021, L'0');

const Entry kEntries[] = {
    {L"4700", Yellow, Purple, Red},
    {L"1", Brown, Black, Gold},
    {L"5", Green, Black, Gold},
    {L"10", Brown, Black, Black},
    {L"100", Brown, Black, Brown},
    {L"4.7", Yellow, Purple, Gold},
    {L"0.47", Yellow, Purple, Silver},
    {L"47.5", Yellow, Purple, Black, L"The bands show 47: four bands carry two digits, and 47.5 needs three. Type 47.5 in the five-band readout and press Enter to see its five bands."},
    {L"0.05", Black, Green, Silver},
    {L"0.5", Green, Black, Silver},
    {L".5", Green, Black, Silver},
    {L"0.01", Black, Brown, Silver},
    {L"0.0199", Black, Brown, Silver, L"The bands show 0.01: four bands carry two digits, and 0.0199 needs four."},
    {L"0", Black, Black, Silver},
    {L"475", Yellow, Purple, Brown, L"The bands show 470: four bands carry two digits, and 475 needs three. Type 475 in the five-band readout and press Enter to see its five bands."},
    {L"479", Yellow, Purple, Brown, L"The bands show 470: four bands carry two digits, and 479 needs three. Type 479 in the five-band readout and press Enter to see its five bands."},
    {L"4750", Yellow, Purple, Red, L"The bands show 4.7K: four bands carry two digits, and 4750 needs three. Type 4750 in the five-band readout and press Enter to see its five bands."},
    {L"1234567", Brown, Red, Green, L"The bands show 1.2M: four bands carry two digits, and 1234567 needs seven."},
    {L"0.475", Yellow, Purple, Silver, L"The bands show 0.47: four bands carry two digits, and 0.475 needs three."},
    {L"1e3", Brown, Black, Red},
    {L"1,000", kUnchanged, 0, 0, L"Type 1000 without the group separator"},
    {L"\uFF11\uFF0C\uFF10\uFF10\uFF10", kUnchanged, 0, 0, L"Type 1000 without the group separator"},
    {L"4,7", kUnchanged, 0, 0, kNoGrouping47},
    {L"2.2E4", Red, Red, Orange},
    {L" 12 ", Brown, Red, Black},
    {L"1e10", Brown, Black, White},
    {L"99999999999", White, White, White,
     L"The bands show 99000M: four bands carry two digits, and 99999999999 needs eleven."},
    {L"99999999999.9", White, White, White,
     L"The bands show 99000M: four bands carry two digits, and 99999999999.9 needs twelve."},
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
    {L"1E400", kUnchanged, 0, 0, kNoResistor},
    {L"-1e-400", kUnchanged, 0, 0, kNoResistor},   // read as 0, but not 0
    // Every keyboard's digits: Persian, Arabic-Indic, Devanagari, full-width.
    {L"\u06F4\u06F7\u06F0\u06F0", Yellow, Purple, Red},
    {L"\u0664\u0667\u0660\u0660", Yellow, Purple, Red},
    {L"\u096A\u096D", Yellow, Purple, Black},
    {L"\uFF14\uFF0E\uFF17", Yellow, Purple, Gold},
    {L"\u06F4\u06F7\u06F5\u06F0", Yellow, Purple, Red,
     L"The bands show 4.7K: four bands carry two digits, and 4750 needs three. Type 4750 in the five-band readout and press Enter to see its five bands."},
    {L"\u06F4K\u06F7", kUnchanged, 0, 0, kNoNumber},
    // At most 100 characters, refused before the system's conversion, which
    // misreads 4750. and 1,021 zeros as 475.
    {kLongest.c_str(), Brown, Black, Gold},
    {kTooLong.c_str(), kUnchanged, 0, 0, L"A value has at most 100 characters"},
    {kMisread.c_str(), kUnchanged, 0, 0, L"A value has at most 100 characters"},
};

ALONE_TEST_F(WriterTest, TypedValuesGiveTheirBands) {
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
        // The rule the random runs check every other typed value by gives the examples too.
        const auto number = testing_gui::TypedNumber(text);
        const auto rule = number ? testing_gui::ExpectedWriterBands(*number) : std::nullopt;
        if (e.first == kUnchanged) EXPECT_EQ(rule, std::nullopt);
        else EXPECT_EQ(rule, (std::array<int, 3>{e.first, e.second, e.multiplier}));
        EXPECT_EQ(WindowText(C(L"Text1").hWnd()), text);
        EXPECT_EQ(Position(), 7);
        EXPECT_EQ(BalloonText(), e.balloon ? e.balloon : L"");
        if (e.balloon) EXPECT_EQ(BalloonIcon(), e.first == kUnchanged ? TTI_WARNING : TTI_INFO);
    }
}

// Keys in a box that writes bands. In the value box Up and Down write the
// next standard value of the selected tolerance's series and paint its bands,
// and Enter calculates. In a readout Enter writes the typed value into that
// reader's bands, Escape puts back what they show, and Up and Down step
// through the values its note calls standard.
struct BoxKeys {
    const wchar_t* box;
    const wchar_t* text;   // typed first; "." stands for the user's decimal separator
    int position;          // of the tolerance list
    std::vector<UINT> keys;   // 0: the text typed again
    const wchar_t* after;  // the box's text then
    std::vector<int> bands;   // the box's drawing, its tolerance band left out for Text1; empty: as they were
    const wchar_t* balloon = nullptr;
};

const std::vector<const wchar_t*> kFourBands = {L"Picture8", L"Picture9", L"Picture10", L"Picture11"};
const std::vector<const wchar_t*> kFiveBands = {L"TT", L"HT", L"YT", L"QT", L"ET"};
constexpr wchar_t kReaderNoValue[] = L"Type a value in ohms, such as 4.7K, 4700 or 4.75K 1%";
constexpr wchar_t kFiveTypeIt[] = L" in the five-band readout and press Enter to see its five bands.";

const BoxKeys kBoxKeys[] = {
    {L"Text1", L"4700", 6, {VK_UP}, L"5100", {Green, Brown, Red}},
    {L"Text1", L"4700", 6, {VK_UP, VK_UP}, L"5600", {Green, Blue, Red}},
    {L"Text1", L"5600", 6, {VK_DOWN, VK_DOWN, VK_DOWN}, L"4300", {Yellow, Orange, Red}},
    {L"Text1", L"9100", 6, {VK_UP}, L"10000", {Brown, Black, Orange}},
    {L"Text1", L"10", 6, {VK_DOWN}, L"9.1", {White, Brown, Gold}},
    {L"Text1", L"4800", 6, {VK_DOWN}, L"4700", {Yellow, Purple, Red}},
    {L"Text1", L"4.7", 6, {VK_UP}, L"5.1", {Green, Brown, Gold}},
    {L"Text1", L"1e3", 6, {VK_UP}, L"1100", {Brown, Brown, Red}},
    {L"Text1", L"0", 6, {VK_UP}, L"0.1", {Brown, Black, Silver}},
    {L"Text1", L"1000", 7, {VK_DOWN}, L"820", {Gray, Red, Brown}},
    {L"Text1", L"4700", 1, {VK_UP}, L"4870", {Yellow, Gray, Red},
     L"The bands show 4.8K: four bands carry two digits, and 4870 needs three. Type 4870"},
    {L"Text1", L"4700", 0, {VK_DOWN}, L"4640", {Yellow, Blue, Red},
     L"The bands show 4.6K: four bands carry two digits, and 4640 needs three. Type 4640"},
    {L"Text1", L"4700", 0, {VK_UP}, L"4750", {Yellow, Purple, Red},
     L"The bands show 4.7K: four bands carry two digits, and 4750 needs three. Type 4750"},
    {L"Text1", L"4700", 2, {VK_UP}, L"4750", {Yellow, Purple, Red},
     L"The bands show 4.7K: four bands carry two digits, and 4750 needs three. Type 4750"},
    {L"Text1", L"4700", 2, {VK_UP, VK_DOWN}, L"4700", {Yellow, Purple, Red}},
    {L"Text1", L"330", 1, {VK_RETURN}, L"330", {Orange, Orange, Brown}},
    // Another keyboard's digits stay as typed until the program writes its own, in ASCII.
    {L"Text1", L"\u06F4\u06F7\u06F0\u06F0", 6, {VK_RETURN}, L"\u06F4\u06F7\u06F0\u06F0", {Yellow, Purple, Red}},
    {L"Text1", L"\u06F4\u06F7\u06F0\u06F0", 6, {VK_UP}, L"5100", {Green, Brown, Red}},
    {L"Text1", L"\uFF14\uFF0E\uFF17", 6, {VK_DOWN}, L"4.3", {Yellow, Orange, Gold}},
    // The ends of the range: the key calculates what is typed, as "Calculate" does.
    {L"Text1", L"0.1", 6, {VK_DOWN}, L"0.1", {Brown, Black, Silver}},
    {L"Text1", L"91000000000", 6, {VK_UP}, L"91000000000", {White, Brown, White}},
    // What "Calculate" refuses is refused alike.
    {L"Text1", L"4,7", 6, {VK_UP}, L"4,7", {}, kNoGrouping47},
    {L"Text1", L"abc", 6, {VK_UP}, L"abc", {}, kNoNumber},
    {L"Text1", L"-5", 6, {VK_DOWN}, L"-5", {}, kNoResistor},
    {L"Text1", L"1e11", 6, {VK_DOWN}, L"1e11", {}, kNoResistor},
    // The readers write: the readout then shows the bands in its own notation.
    {L"Text4", L"4.7K", 6, {VK_RETURN}, L" 4.7K Ohm   \u00B10.5%", {Yellow, Purple, Red, Green}},
    {L"Text4", L"470 Ohm   \u00B110%", 6, {VK_RETURN}, L"470 Ohm   \u00B110%", {Yellow, Purple, Brown, Silver}},
    {L"Text4", L"4.7", 6, {VK_RETURN}, L"4.7 Ohm   \u00B10.5%", {Yellow, Purple, Gold, Green}},
    {L"Text3", L"4.75k 1%", 6, {VK_RETURN}, L" 4.75K Ohm   \u00B11%", {Yellow, Purple, Green, Brown, Brown}},
    {L"Text3", L"120\u03A9", 6, {VK_RETURN}, L"120 Ohm   \u00B10.5%", {Brown, Red, Black, Black, Green}},
    {L"Text4", L"4750 5%", 6, {VK_RETURN}, L" 4.7K Ohm   \u00B15%", {Yellow, Purple, Red, Gold},
     L"The bands show 4.7K: four bands carry two digits, and 4750 needs three. Type 4750"},
    {L"Text3", L"4751", 6, {VK_RETURN}, L" 4.75K Ohm   \u00B10.5%", {Yellow, Purple, Green, Brown, Green},
     L"The bands show 4.75K: five bands carry three digits, and 4751 needs four."},
    // Every keyboard's digits, full-width forms and SI-style spaces.
    {L"Text4", L"\uFF14\uFF0E\uFF17\uFF2B \uFF0B\uFF0F\uFF0D\uFF15\uFF05", 6, {VK_RETURN}, L" 4.7K Ohm   \u00B15%",
     {Yellow, Purple, Red, Gold}},
    {L"Text3", L"\u0664\u0667\u0665\u0660", 6, {VK_RETURN}, L" 4.75K Ohm   \u00B10.5%", {Yellow, Purple, Green, Brown, Green}},
    {L"Text3", L"\u06F1\u06F2\u06F0\u2009\u03A9 \u00B1\u06F1%", 6, {VK_RETURN}, L"120 Ohm   \u00B11%",
     {Brown, Red, Black, Black, Brown}},
    {L"Text4", L"\u096A.\u096D\u202Fk\u2126", 6, {VK_RETURN}, L" 4.7K Ohm   \u00B10.5%", {Yellow, Purple, Red, Green}},
    {L"Text4", L"\uFF11\uFF0C\uFF10\uFF10\uFF10", 6, {VK_RETURN}, L"\uFF11\uFF0C\uFF10\uFF10\uFF10", {}, kReaderNoValue},
    {L"Text4", L"abc", 6, {VK_RETURN}, L"abc", {}, kReaderNoValue},
    {L"Text3", L"4K7", 6, {VK_RETURN}, L" 4.7K Ohm   \u00B10.5%", {Yellow, Purple, Black, Brown, Green}},
    {L"Text4", L"\uFF14\uFF2B\uFF17 \uFF11\uFF05", 6, {VK_RETURN}, L" 4.7K Ohm   \u00B11%", {Yellow, Purple, Red, Brown}},
    {L"Text4", L"4.7K7", 6, {VK_RETURN}, L"4.7K7", {}, kReaderNoValue},
    {L"Text4", L"100M", 6, {VK_RETURN}, L"100M", {},
     L"The four-band reader shows 0.1 up to 99M ohms, such as 0.47 or 4.7K"},
    {L"Text3", L"0.5", 6, {VK_RETURN}, L"0.5", {},
     L"The five-band reader shows 1 up to 999M ohms, such as 4.75K or 100K"},
    {L"Text3", L"4.7K \u00B120%", 6, {VK_RETURN}, L"4.7K \u00B120%", {},
     L"Tolerance bands carry \u00B11%, \u00B12%, \u00B10.5%, \u00B10.25%, \u00B10.1%, \u00B10.05%, \u00B15% or \u00B110%"},
    // Escape: what the bands show, nothing before the reader's first reading.
    {L"Text4", L"4.7K", 6, {VK_ESCAPE}, L"", {}},
    {L"Text3", L"1K", 6, {VK_RETURN, 0, VK_ESCAPE}, L" 1K Ohm   \u00B10.5%", {Brown, Black, Black, Brown, Green}},
    // Up and Down from the bands, through the values their note calls standard, cut by none.
    {L"Text4", L"", 6, {VK_UP}, L"100 Ohm   \u00B10.5%", {Brown, Black, Brown, Green}},
    {L"Text3", L"", 6, {VK_DOWN}, L"988 Ohm   \u00B10.5%", {White, Gray, Gray, Black, Green}},
    {L"Text4", L"4.7K 1%", 6, {VK_RETURN, VK_UP}, L" 5.1K Ohm   \u00B11%", {Green, Brown, Red, Brown}},
    {L"Text3", L"1 5%", 6, {VK_RETURN, VK_DOWN}, L"1 Ohm   \u00B15%", {Brown, Black, Black, Silver, Gold}},
    {L"Text4", L"91M 5%", 6, {VK_RETURN, VK_UP}, L" 91M Ohm   \u00B15%", {White, Brown, Blue, Gold}},
};

ALONE_TEST_F(WriterTest, KeysInTheValueBoxAndTheReadouts) {
    for (const BoxKeys& k : kBoxKeys) {
        SetUp();
        const std::wstring text = InUserLocale(k.text);
        const std::wstring after = k.box == std::wstring(L"Text1") ? InUserLocale(k.after) : k.after;
        SCOPED_TRACE(testing::Message() << std::string(k.box, k.box + wcslen(k.box)) << " \""
                                        << std::string(text.begin(), text.end()) << "\" at " << k.position);
        const bool valueBox = k.box == std::wstring(L"Text1");
        // The writer from Red, Red, Black, which no row gives; the readers from their design colours.
        Type(L"22");
        Select(k.position);
        Press();
        const std::vector<const wchar_t*> drawing = valueBox ? std::vector<const wchar_t*>(kBands, kBands + 3)
                                                    : k.box == std::wstring(L"Text4") ? kFourBands : kFiveBands;
        std::vector<int> before;
        for (const wchar_t* band : drawing) before.push_back(IndexOf(C(band).BackColor()));
        const auto others = Snapshot(drawing, k.box);
        SetWindowTextW(C(k.box).hWnd(), text.c_str());
        for (UINT key : k.keys)
            if (key) Key(key, k.box);
            else SetWindowTextW(C(k.box).hWnd(), text.c_str());
        EXPECT_EQ(WindowText(C(k.box).hWnd()), after);
        if (after != text && !after.empty()) EXPECT_EQ(Caret(k.box), static_cast<int>(after.size())) << "the caret at the end";
        for (std::size_t b = 0; b < drawing.size(); ++b)
            EXPECT_EQ(C(drawing[b]).BackColor(), kColour[(k.bands.empty() ? before : k.bands)[b]]) << "band " << b + 1;
        if (valueBox) EXPECT_EQ(C(L"Picture4").BackColor(), kColour[kToleranceBand[k.position]]);
        EXPECT_EQ(Snapshot(drawing, k.box), others) << "nothing else changes";
        const std::wstring balloon = BalloonText();
        EXPECT_EQ(balloon.substr(0, k.balloon ? wcslen(k.balloon) : 0), k.balloon ? k.balloon : L"");
        if (k.balloon) {
            const std::wstring cut = balloon.substr(wcslen(k.balloon));
            EXPECT_TRUE(cut.empty() || cut == kFiveTypeIt) << "the balloon's last words";
            EXPECT_EQ(BalloonIcon(), k.bands.empty() ? TTI_WARNING : TTI_INFO);
        } else {
            EXPECT_EQ(balloon, L"");
        }
        TearDown();
    }
}

ALONE_TEST_F(WriterTest, TheBalloonGoesWhenTypedClickedAwayMovedWrittenOrMinimised) {
    EXPECT_EQ(form->BalloonWindow(), nullptr) << "made only when first needed";
    const std::function<void()> away[] = {
        [&] { Type(L"abc1"); },
        [&] { testing_gui::Click(C(L"Pi", 3)); },
        [&] { testing_gui::Click(C(L"Label2")); },
        [&] {
            RECT r{};
            GetWindowRect(form->hWnd(), &r);
            SetWindowPos(form->hWnd(), nullptr, r.left + 8, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        },
        [&] { Type(L"47"); Press(); },
        [&] {   // as the caption's buttons do
            SendMessageW(form->hWnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
            SendMessageW(form->hWnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
        },
    };
    const struct {
        const wchar_t* text;
        const wchar_t* balloon;
    } shown[] = {
        {L"abc", kNoNumber},
        {L"4750", L"The bands show 4.7K: four bands carry two digits, and 4750 needs three. Type 4750 in the five-band readout and press Enter to see its five bands."},
    };
    for (const auto& [text, balloon] : shown) {
        for (const auto& step : away) {
            Type(text);
            Press();
            ASSERT_EQ(BalloonText(), balloon);
            step();
            EXPECT_EQ(BalloonText(), L"");
        }
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
    ASSERT_TRUE(testing_gui::PumpUntilIdle(form->hWnd()));
    ASSERT_EQ(Position(), 7);
    ExpectBands({Red, Red, Black, Gold});
    Press();
    ExpectBands({Red, Red, Brown, Silver});
}

TEST_F(WriterTest, MouseClickOrEnterOnTheButtonCalculates) {
    Type(L"330");
    Select(1);
    testing_gui::Click(C(L"CCal"));
    ExpectBands({Orange, Orange, Brown, Red});
    Type(L"22");
    Key(VK_RETURN, L"CCal");   // on the focused button, as in a dialog box
    ExpectBands({Red, Red, Black, Red});
}

ALONE_TEST_F(WriterTest, PointerClickOnTheButtonCalculates) {
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

ALONE_TEST_F(CommaLocaleWriterTest, CommaIsTheDecimalSeparator) {
    const struct {
        const wchar_t* text;
        std::array<int, 4> bands;
        const wchar_t* balloon = L"";
        UINT key = 0;                 // Up or Down instead of "Calculate"
        const wchar_t* after = nullptr;   // the text the key wrote
    } cases[] = {
        {L"4,7", {Yellow, Purple, Gold, Gold}},
        {L"0,47", {Yellow, Purple, Silver, Gold}},
        // A group separator: refused, the bands as before.
        {L"4.7", {Yellow, Purple, Silver, Gold}, L"Type 4,7 with \",\" as the decimal mark"},
        {L"1.000", {Yellow, Purple, Silver, Gold}, L"Type 1000 without the group separator"},
        {L"\uFF11\uFF0C\uFF15", {Brown, Green, Gold, Gold}},   // the full-width comma is a comma
        {L"abc", {Brown, Green, Gold, Gold}, kNoNumber},   // no number: as before
        {L"0,475", {Yellow, Purple, Silver, Gold},
         L"The bands show 0,47: four bands carry two digits, and 0,475 needs three."},
        {L"4,7", {Green, Brown, Gold, Gold}, L"", VK_UP, L"5,1"},
        {L"1", {White, Brown, Silver, Gold}, L"", VK_DOWN, L"0,91"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.text, c.text + wcslen(c.text)));
        Type(c.text);
        if (c.key) Key(c.key);
        else Press();
        ExpectBands(c.bands);
        EXPECT_EQ(WindowText(C(L"Text1").hWnd()), c.after ? c.after : c.text);
        EXPECT_EQ(BalloonText(), c.balloon);
    }
}

}  // namespace

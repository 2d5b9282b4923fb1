// The two readers driven through the real main window: every band is set by a
// mouse click on a palette swatch, and the readout is read back from the text
// box window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "model/colour_code.h"
#include "reader/readout.h"
#include "services/conversions.h"
#include "support/colour_table.h"
#include "support/expected_readout.h"
#include "support/form_fixture.h"
#include "ui/palettes.h"

namespace {

using testing_gui::ExpectedReadout;
using testing_gui::kColour;
using testing_gui::PixelAt;
using testing_gui::WindowText;
using enum model::ColourIndex;

// A reader's palettes and bands, digits first, then multiplier and tolerance.
struct ReaderUnderTest {
    const wchar_t* readout;
    const wchar_t* otherReadout;
    std::vector<const wchar_t*> palettes;
    std::vector<const wchar_t*> bands;
};
const ReaderUnderTest kFour{L"Text4", L"Text3", {L"Pict", L"Pi", L"P", L"D"},
                            {L"Picture8", L"Picture9", L"Picture10", L"Picture11"}};
const ReaderUnderTest kFive{L"Text3", L"Text4", {L"T", L"H", L"Y", L"Q", L"E"},
                            {L"TT", L"HT", L"YT", L"QT", L"ET"}};

const ReaderUnderTest& ReaderOfPalette(const std::wstring& palette) {
    for (const wchar_t* p : kFour.palettes)
        if (palette == p) return kFour;
    return kFive;
}
const wchar_t* BandOfPalette(const std::wstring& palette) {
    for (const ReaderUnderTest* r : {&kFour, &kFive})
        for (std::size_t i = 0; i < r->palettes.size(); ++i)
            if (palette == r->palettes[i]) return r->bands[i];
    return nullptr;
}

// The examples of the value readout. `localeSeparator`: the value is written
// with the user's decimal separator where the row has a full stop.
struct Example {
    const ReaderUnderTest* reader;
    std::vector<int> colours;   // one per band, in the reader's band order
    const wchar_t* readout;
    bool localeSeparator;
};
const Example kExamples[] = {
    {&kFour, {Brown, Black, Red, Gold}, L" 1K Ohm   \u00B15%", false},
    {&kFour, {Yellow, Purple, Red, Gold}, L" 4.7K Ohm   \u00B15%", false},
    {&kFour, {Brown, Green, Red, Brown}, L" 1.5K Ohm   \u00B11%", false},
    {&kFour, {Yellow, Purple, Brown, Silver}, L"470 Ohm   \u00B110%", false},
    {&kFour, {Yellow, Purple, Gold, Gold}, L"4.7 Ohm   \u00B15%", true},
    {&kFour, {Brown, Black, Silver, Brown}, L"0.1 Ohm   \u00B11%", true},
    {&kFour, {Brown, Black, Green, Red}, L" 1M Ohm   \u00B12%", false},
    {&kFour, {Brown, Black, Blue, Red}, L" 10M Ohm   \u00B12%", false},
    {&kFive, {Brown, Black, Black, Brown, Brown}, L" 1K Ohm   \u00B11%", false},
    {&kFive, {Red, Red, Black, Black, Brown}, L"220 Ohm   \u00B11%", false},
    {&kFive, {White, White, White, Black, Gray}, L"999 Ohm   \u00B10.05%", false},
    {&kFive, {White, White, White, Blue, Gray}, L" 999M Ohm   \u00B10.05%", false},
    {&kFive, {Brown, Black, Black, Silver, Gold}, L"1 Ohm   \u00B15%", false},
    // Around the bounds and the other tolerance colours.
    {&kFour, {Brown, Black, Black, Green}, L"10 Ohm   \u00B10.5%", false},
    {&kFour, {White, White, Brown, Blue}, L"990 Ohm   \u00B10.25%", false},
    {&kFour, {White, White, Silver, Purple}, L"0.99 Ohm   \u00B10.1%", true},
    {&kFour, {Brown, Green, Green, Gray}, L" 1.5M Ohm   \u00B10.05%", false},
    {&kFive, {White, White, White, Brown, Silver}, L" 9.99K Ohm   \u00B110%", false},
    {&kFive, {White, White, White, Gold, Silver}, L"99.9 Ohm   \u00B110%", true},
    {&kFive, {White, White, White, Silver, Red}, L"9.99 Ohm   \u00B12%", true},
    {&kFive, {Brown, Black, Black, Orange, Blue}, L" 100K Ohm   \u00B10.25%", false},
    {&kFive, {Yellow, Purple, Black, Yellow, Purple}, L" 4.7M Ohm   \u00B10.1%", false},
};

std::string Describe(const Example& e) {
    std::string s = e.reader == &kFour ? "four-band" : "five-band";
    for (int c : e.colours) s += " " + std::to_string(c);
    return s;
}

class ReaderTest : public Form1Test {
protected:
    const wchar_t separator_ = testing_gui::UserDecimalSeparator();
    void ClickSwatch(const wchar_t* palette, int index) {
        platform::Control* swatch = form->Find(palette, index);
        ASSERT_NE(swatch, nullptr) << "no swatch " << index;
        testing_gui::Click(*swatch);
    }
    void ClickBands(const Example& e) {
        for (std::size_t i = 0; i < e.colours.size(); ++i) ClickSwatch(e.reader->palettes[i], e.colours[i]);
    }
    std::wstring Readout(const wchar_t* name) { return WindowText(C(name).hWnd()); }
    // Band colours as colour indexes; -1 for a colour outside the colour code.
    std::vector<int> BandRowOf(const ReaderUnderTest& reader) {
        std::vector<int> indexes;
        for (const wchar_t* band : reader.bands) {
            int found = -1;
            for (int i = 0; i < 12; ++i)
                if (C(band).BackColor() == kColour[i]) found = i;
            indexes.push_back(found);
        }
        return indexes;
    }
    // Every band holds a colour of the code, and the readout says what the
    // bands stand for (or is still empty before the reader's first click).
    void CheckReader(const ReaderUnderTest& reader, bool clicked, const std::string& context) {
        const std::vector<int> bands = BandRowOf(reader);
        for (std::size_t i = 0; i < bands.size(); ++i)
            ASSERT_GE(bands[i], 0) << context << ": band " << i << " holds a colour outside the code";
        const std::wstring expected = clicked ? ExpectedReadout(bands, separator_) : L"";
        ASSERT_EQ(Readout(reader.readout), expected) << context;
    }
    // A right click at a client point of a box, as the window gets it.
    void RightClick(const platform::Control& box, POINT at) {
        const testing_gui::WindowPoint p = testing_gui::WindowPointOf(box, at);
        SendMessageW(p.hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(p.at.x, p.at.y));
        SendMessageW(p.hwnd, WM_RBUTTONUP, 0, MAKELPARAM(p.at.x, p.at.y));
    }
    std::map<std::wstring, std::wstring> Snapshot() {
        std::map<std::wstring, std::wstring> state;
        for (const auto& c : form->Controls())
            state[c->Name() + L"(" + std::to_wstring(c->Index()) + L")"] =
                std::to_wstring(c->BackColor()) + L"|" + c->Text();
        return state;
    }
};

TEST_F(ReaderTest, ExamplesReadOutExactly) {
    for (const Example& e : kExamples) {
        SCOPED_TRACE(Describe(e));
        ClickBands(e);
        std::wstring expected = e.readout;
        if (e.localeSeparator)   // in the value part only; tolerance texts keep their full stop
            std::replace(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(expected.find(L" Ohm")),
                         L'.', separator_);
        EXPECT_EQ(Readout(e.reader->readout), expected);
        EXPECT_EQ(C(e.reader->readout).Text(), expected);
        // The rule the sweeps below check every other value by gives the examples too.
        EXPECT_EQ(ExpectedReadout(e.colours, separator_), expected);
    }
}

TEST_F(ReaderTest, ReadoutsAreEmptyUntilTheirReadersFirstClick) {
    EXPECT_EQ(Readout(L"Text4"), L"");
    EXPECT_EQ(Readout(L"Text3"), L"");
    ClickSwatch(L"Pict", Brown);
    // The other bands still have their design colours: White, Black, Green.
    EXPECT_EQ(Readout(L"Text4"), L"19 Ohm   \u00B10.5%");
    EXPECT_EQ(Readout(L"Text3"), L"");
    ClickSwatch(L"T", Brown);
    EXPECT_EQ(Readout(L"Text3"), L"199 Ohm   \u00B10.5%");
}

TEST_F(ReaderTest, BrownAndWhiteSwatchesPaintTheTableColours) {
    for (const ui::Palette& palette : ui::kPalettes) {
        SCOPED_TRACE(testing::Message() << "palette " << std::string(palette.name, palette.name + wcslen(palette.name)));
        platform::Control& band = C(BandOfPalette(palette.name));
        for (int index : {Brown, White}) {
            platform::Control* swatch = form->Find(palette.name, index);
            if (!swatch) continue;   // multiplier and tolerance palettes offer no White
            testing_gui::Click(*swatch);
            EXPECT_EQ(band.BackColor(), kColour[index]) << index;
            EXPECT_EQ(PixelAt(band, 3, 20), kColour[index]) << index;
            // The swatch keeps its own colour: a lighter brown than the
            // band's, and true white whatever the system's colours.
            const COLORREF own = index == Brown ? 0x0040C0u : 0xFFFFFFu;
            EXPECT_EQ(swatch->BackColor(), own) << index;
            EXPECT_EQ(PixelAt(*swatch, 7, 7), own) << index;
        }
    }
}

ALONE_TEST_F(ReaderTest, PointerClickOnASwatchPaintsItsBand) {
    PointerClick(C(L"Pi", Orange));
    if (HasFatalFailure()) return;
    EXPECT_EQ(C(L"Picture9").BackColor(), kColour[Orange]);
    EXPECT_EQ(PixelAt(C(L"Picture9"), 3, 20), kColour[Orange]);
    EXPECT_EQ(Readout(L"Text4"), L"93 Ohm   \u00B10.5%");
    EXPECT_EQ(Readout(L"Text3"), L"");
}

TEST_F(ReaderTest, ClicksInOneReaderLeaveTheOtherReadoutAlone) {
    for (const ui::Palette& palette : ui::kPalettes) {
        // A text no band set gives: even a rewrite with the same bands would show.
        const ReaderUnderTest& reader = ReaderOfPalette(palette.name);
        C(reader.otherReadout).SetText(L"untouched");
        for (int i = 0; i < palette.count; ++i) ClickSwatch(palette.name, palette.indexes[static_cast<std::size_t>(i)]);
        EXPECT_NE(Readout(reader.readout), L"");
        EXPECT_EQ(Readout(reader.otherReadout), L"untouched") << palette.name;
    }
}

TEST_F(ReaderTest, RepeatedClickGivesTheSameReadout) {
    for (const ui::Palette& palette : ui::kPalettes) {
        const ReaderUnderTest& reader = ReaderOfPalette(palette.name);
        const int index = palette.indexes[static_cast<std::size_t>(palette.count / 2)];
        ClickSwatch(palette.name, index);
        const auto once = Snapshot();
        ClickSwatch(palette.name, index);
        EXPECT_EQ(Snapshot(), once) << palette.name;
        EXPECT_NE(Readout(reader.readout), L"");
    }
}

TEST_F(ReaderTest, ClickChangesOneBandAndOneReadoutOnly) {
    for (const ui::Palette& palette : ui::kPalettes) {
        const std::wstring name = palette.name;
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        const wchar_t* band = BandOfPalette(name);
        const ReaderUnderTest& reader = ReaderOfPalette(name);
        // A swatch of another colour than the band has now.
        int index = -1;
        for (int i = 0; i < palette.count && index < 0; ++i)
            if (kColour[palette.indexes[static_cast<std::size_t>(i)]] != C(band).BackColor())
                index = palette.indexes[static_cast<std::size_t>(i)];
        ASSERT_GE(index, 0);

        const auto before = Snapshot();
        ClickSwatch(palette.name, index);
        const auto after = Snapshot();
        std::vector<std::wstring> changed;
        for (const auto& [control, state] : after)
            if (before.at(control) != state) changed.push_back(control);
        std::vector<std::wstring> expected = {std::wstring(band) + L"(-1)", std::wstring(reader.readout) + L"(-1)"};
        std::sort(expected.begin(), expected.end());   // the snapshot's order
        EXPECT_EQ(changed, expected);
    }
}

// Every swatch of every palette in turn: after each click every band of both
// readers holds a colour of the code and each readout says what its bands stand for.
TEST_F(ReaderTest, SweepOverEverySwatchKeepsBandsAndReadoutsConsistent) {
    std::map<const ReaderUnderTest*, bool> clicked;
    for (const ui::Palette& palette : ui::kPalettes) {
        for (int i = 0; i < palette.count; ++i) {
            const int index = palette.indexes[static_cast<std::size_t>(i)];
            ClickSwatch(palette.name, index);
            clicked[&ReaderOfPalette(palette.name)] = true;
            EXPECT_EQ(C(BandOfPalette(palette.name)).BackColor(), kColour[index]);
            const std::string after =
                "after " + std::string(palette.name, palette.name + wcslen(palette.name)) + " " + std::to_string(index);
            for (const ReaderUnderTest* reader : {&kFour, &kFive}) CheckReader(*reader, clicked[reader], after);
            if (HasFatalFailure()) return;
        }
    }
}

// Every value each reader can show: all digit and multiplier combinations.
TEST_F(ReaderTest, EveryDigitAndMultiplierCombinationReadsOutItsValue) {
    for (const ReaderUnderTest* reader : {&kFour, &kFive}) {
        const std::size_t digitBands = reader->bands.size() - 2;
        std::vector<std::vector<int>> offered;
        for (std::size_t b = 0; b <= digitBands; ++b) {
            const std::wstring name = reader->palettes[b];
            for (const ui::Palette& palette : ui::kPalettes)
                if (name == palette.name)
                    offered.emplace_back(palette.indexes.begin(), palette.indexes.begin() + palette.count);
        }
        ASSERT_EQ(offered.size(), digitBands + 1);
        std::vector<std::size_t> at(offered.size(), 0);
        std::vector<int> shown(offered.size(), -1);
        for (bool more = true; more;) {
            // The five-band reader takes 90 of its 900 digit triples, every
            // digit in every position: third = (first + second) mod 10.
            const std::vector<std::size_t> now = at;
            const bool taken = digitBands < 3 || offered[2][now[2]] == (offered[0][now[0]] + offered[1][now[1]]) % 10;
            std::size_t next = 0;
            while (next < at.size() && ++at[next] == offered[next].size()) at[next++] = 0;
            more = next < at.size();
            if (!taken) continue;
            std::string where;
            for (std::size_t b = 0; b < offered.size(); ++b) {
                const int index = offered[b][now[b]];
                if (shown[b] != index) ClickSwatch(reader->palettes[b], index);   // only bands that change
                shown[b] = index;
                where += std::to_string(index) + " ";
            }
            CheckReader(*reader, true, "bands " + where);
            if (HasFatalFailure()) return;
        }
    }
}

// A reader's context menu: its last item reads the bands from the other end,
// greyed where the palettes cannot show them reversed. The menu opens on a
// right click, here by the window's own messages, and is read and chosen from
// within its loop.
TEST_F(ReaderTest, ContextMenuReadsTheBandsFromTheOtherEnd) {
    using testing_gui::WhileMenuOpen;
    // 11.1K at 2% is no standard value; read from its Red end, 2.21K at 1% is.
    ClickBands({&kFive, {Brown, Brown, Brown, Red, Red}, nullptr, false});
    auto items = WhileMenuOpen([&] { RightClick(C(L"Picture12"), POINT{5, 5}); }, L'r', 0);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].text + L"|" + items[1].text + L"|" + items[2].text, L"&Copy value|Copy &colours|&Read from the other end");
    EXPECT_EQ(items[2].state & MF_GRAYED, 0u);
    EXPECT_EQ(BandRowOf(kFive), (std::vector<int>{Red, Red, Brown, Brown, Brown}));
    EXPECT_EQ(Readout(L"Text3"), L" 2.21K Ohm   \u00B11%");
    // Again, from a band: the first bands come back.
    items = WhileMenuOpen([&] { RightClick(C(L"QT"), POINT{2, 2}); }, L'r', 0);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(BandRowOf(kFive), (std::vector<int>{Brown, Brown, Brown, Red, Red}));
    EXPECT_EQ(Readout(L"Text3"), L" 11.1K Ohm   \u00B12%");

    // A Gold tolerance band is never a first digit: greyed, and choosing it changes nothing.
    ClickBands({&kFour, {Yellow, Gray, Red, Gold}, nullptr, false});
    const auto before = Snapshot();
    items = WhileMenuOpen([&] { RightClick(C(L"Picture9"), POINT{2, 2}); }, L'r', 0);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_NE(items[2].state & MF_GRAYED, 0u);
    EXPECT_EQ(Snapshot(), before);
    // The writer's drawing has its copies only.
    items = WhileMenuOpen([&] { RightClick(C(L"Picture6"), POINT{5, 5}); }, L'r', 0);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text + L"|" + items[1].text, L"Copy &colours|Copy &value");
    EXPECT_EQ(Snapshot(), before);
}

// From the keyboard the menu opens on the swatch with the focus: Shift+F10 or
// the Menu key, pressed as a keyboard does.
ALONE_TEST_F(ReaderTest, ShiftF10AndTheMenuKeyOpenTheMenuOnAFocusedSwatch) {
    using testing_gui::WhileMenuOpen;
    auto press = [](std::vector<WORD> keys) {
        std::vector<INPUT> inputs;
        for (int up = 0; up < 2; ++up)
            for (std::size_t i = 0; i < keys.size(); ++i) {
                INPUT input{};
                input.type = INPUT_KEYBOARD;
                input.ki.wVk = keys[up ? keys.size() - 1 - i : i];
                input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(input.ki.wVk, MAPVK_VK_TO_VSC));
                input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (input.ki.wVk == VK_APPS ? KEYEVENTF_EXTENDEDKEY : 0);
                inputs.push_back(input);
            }
        ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
    };
    ClickBands({&kFive, {Brown, Brown, Brown, Red, Red}, nullptr, false});
    ASSERT_TRUE(SetForegroundWindow(form->hWnd()));
    form->Focus(C(L"Y", Brown));
    EXPECT_EQ(WhileMenuOpen([&] { press({VK_SHIFT, VK_F10}); }, L'r').size(), 3u);
    EXPECT_EQ(BandRowOf(kFive), (std::vector<int>{Red, Red, Brown, Brown, Brown}));
    EXPECT_EQ(WhileMenuOpen([&] { press({VK_APPS}); }, L'r').size(), 3u);
    EXPECT_EQ(BandRowOf(kFive), (std::vector<int>{Brown, Brown, Brown, Red, Red}));
    EXPECT_EQ(Readout(L"Text3"), L" 11.1K Ohm   \u00B12%");
}

// A reading copied from a drawing's menu, or by Ctrl+C on a reader's focused box, read back from
// the clipboard; a reader that has read nothing greys its copies and copies nothing.
TEST_F(ReaderTest, ReadingsAreCopiedWithoutPaddingAndColoursByName) {
    const struct { const wchar_t* box; int index; int item; const wchar_t* copied; } rows[] = {
        {L"Picture12", -1, 0, L""}, {L"TT", -1, 1, L""}, {L"T", Red, -1, L""},
        {L"Picture7", -1, 0, L"4.7K Ohm \u00B15%"}, {L"Picture10", -1, 1, L"Yellow, Purple, Red, Gold"},
        {L"Pi", Red, -1, L"4.7K Ohm \u00B15%"}, {L"Picture12", -1, -1, L"199 Ohm \u00B10.5%"},
        {L"Picture6", -1, 0, L"Yellow, Purple, Red, Gold"}, {L"Picture2", -1, 1, L"4.7K Ohm \u00B15%"},
    };
    for (const auto& row : rows) {
        if (row.box == std::wstring(L"Picture7")) {   // the readers' first readings
            ClickBands({&kFive, {Brown, White, White, Black, Green}, nullptr, false});
            ClickBands({&kFour, {Yellow, Purple, Red, Gold}, nullptr, false});
        }
        ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
        std::vector<testing_gui::MenuItemSeen> items;
        if (row.item < 0) { form->Focus(C(row.box, row.index)); testing_gui::PressKey('C', VK_CONTROL); }
        else items = testing_gui::WhileMenuOpen([&] { RightClick(C(row.box, row.index), POINT{2, 2}); }, 0, 3000, row.item);
        const HANDLE text = OpenClipboard(nullptr) ? GetClipboardData(CF_UNICODETEXT) : nullptr;
        const auto* copied = text ? static_cast<const wchar_t*>(GlobalLock(text)) : nullptr;
        EXPECT_EQ(std::wstring(copied ? copied : L""), row.copied) << testing::PrintToString(row.box);
        if (text) GlobalUnlock(text);
        CloseClipboard();
        if (row.item >= 0) EXPECT_EQ((items.at(static_cast<std::size_t>(row.item)).state & MF_GRAYED) != 0, !*row.copied);
    }
}

TEST_F(ReaderTest, SelectorsOtherThanOneAndTwoChangeNothing) {
    ClickSwatch(L"Pi", Red);
    ClickSwatch(L"Y", Red);
    // Readouts that no band set would give: a rewrite of either would show.
    C(L"Text4").SetText(L"four");
    C(L"Text3").SetText(L"five");
    const auto before = Snapshot();
    for (int selector : {0, 3, -1, 12}) {
        form->RRang(selector);
        EXPECT_EQ(Snapshot(), before) << selector;
    }
    form->RRang(1);
    EXPECT_EQ(Readout(L"Text4"), L"92 Ohm   \u00B10.5%");
    EXPECT_EQ(Readout(L"Text3"), L"five");
    form->RRang(2);
    EXPECT_EQ(Readout(L"Text3"), L"992 Ohm   \u00B10.5%");
}

// The unscaled Gold and Silver values under a locale whose decimal separator
// is a comma. CTest runs this suite in a German locale of its own.
class CommaLocaleReaderTest : public ReaderTest {
protected:
    void SetUp() override {
        RequireCommaLocale();
        if (IsSkipped() || HasFatalFailure()) return;
        ReaderTest::SetUp();
    }
};

TEST_F(CommaLocaleReaderTest, UnscaledValuesUseTheCommaScaledOnesAFullStop) {
    const Example rows[] = {
        {&kFour, {Yellow, Purple, Gold, Gold}, L"4,7 Ohm   \u00B15%", false},
        {&kFour, {Brown, Black, Silver, Brown}, L"0,1 Ohm   \u00B11%", false},
        {&kFour, {White, White, Silver, Purple}, L"0,99 Ohm   \u00B10.1%", false},
        {&kFour, {Yellow, Purple, Red, Gold}, L" 4.7K Ohm   \u00B15%", false},
        {&kFour, {Brown, Green, Green, Silver}, L" 1.5M Ohm   \u00B110%", false},
        {&kFive, {White, White, White, Gold, Gray}, L"99,9 Ohm   \u00B10.05%", false},
        {&kFive, {White, White, White, Silver, Red}, L"9,99 Ohm   \u00B12%", false},
        {&kFive, {Brown, Black, Black, Silver, Gold}, L"1 Ohm   \u00B15%", false},
        {&kFive, {White, White, White, Brown, Silver}, L" 9.99K Ohm   \u00B110%", false},
    };
    for (const Example& e : rows) {
        SCOPED_TRACE(Describe(e));
        ClickBands(e);
        EXPECT_EQ(Readout(e.reader->readout), e.readout);
    }
}

// Without OLE Automation the readouts are written by the readout's own
// formatter, with the user's decimal separator: it must give the same text
// as OLE Automation for every value a reader's bands can stand for (two or
// three digit bands, leading zeros included, and every multiplier colour).
void ExpectOwnNumbersAsOleAutomation() {
    constexpr reader::NumberTexts kOle{services::PaddedNumberText, services::PlainNumberText};
    constexpr reader::NumberTexts kOwn{nullptr,
                                       [](double v) { return base::DecimalText(v, services::DecimalSeparator()); }};
    int differ = 0;
    for (int count : {2, 3})
        for (int n = 0; n < (count == 2 ? 100 : 1000); ++n)
            for (int colour = 0; colour < model::kColourCount; ++colour) {
                std::wstring digits = std::to_wstring(n);
                digits.insert(0, static_cast<std::size_t>(count) - digits.size(), L'0');
                const int power = model::MultiplierPower(colour);
                const std::wstring ole = reader::ValueText(digits, power, kOle);
                ASSERT_EQ(ole.find(L"  "), std::wstring::npos) << "OLE Automation gave no text";
                if (reader::ValueText(digits, power, kOwn) != ole && ++differ <= 5)
                    ADD_FAILURE() << std::string(digits.begin(), digits.end()) << " x 10^" << power;
            }
    EXPECT_EQ(differ, 0);
}

TEST(ReadoutNumbers, OwnFormatterWritesWhatOleAutomationWrites) { ExpectOwnNumbersAsOleAutomation(); }

using CommaLocaleReadoutNumbers = Form1Test;
TEST_F(CommaLocaleReadoutNumbers, OwnFormatterWritesWhatOleAutomationWrites) {
    RequireCommaLocale();
    ExpectOwnNumbersAsOleAutomation();
}

}  // namespace

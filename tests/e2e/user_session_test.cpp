// The built bandora.exe used as a user uses it: started as its own process,
// clicked with the real mouse, values typed in with window messages, and the
// results read back from the screen and from its windows' texts.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "model/colour_code.h"
#include "support/colour_table.h"
#include "support/input.h"
#include "support/process.h"

namespace {

using namespace testing_gui;

constexpr COLORREF kAboutGrey = RGB(56, 56, 56);

COLORREF BandColour(int index) { return kColour[index]; }

// Twips of the layout to a client point in pixels.
POINT At(int leftTwips, int topTwips) { return {TwipsToPx(leftTwips), TwipsToPx(topTwips)}; }

// Waits until the band shows the colour of `index` on the screen.
bool Shows(const DrawnBox& band, int index) {
    return WaitUntil([&] { return OnScreen(band) == BandColour(index); });
}
std::string Seen(const DrawnBox& band) {
    char text[32];
    std::snprintf(text, sizeof text, ": shows 0x%06lX", static_cast<unsigned long>(OnScreen(band)));
    return text;
}

// The palettes the session clicks, by name; a name no palette has does not compile.
constexpr const PaletteColumn& Column(std::wstring_view name) {
    for (const PaletteColumn& column : kPaletteColumns)
        if (name == column.name) return column;
    throw "no palette of that name";
}
constexpr const PaletteColumn &kPict = Column(L"Pict"), &kPi = Column(L"Pi"), &kP = Column(L"P"),
                              &kD = Column(L"D"), &kT = Column(L"T"), &kH = Column(L"H"), &kY = Column(L"Y"),
                              &kQ = Column(L"Q"), &kE = Column(L"E");

class UserSession : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program_.Started());
        main_ = program_.FindMainWindow();
        ASSERT_NE(main_, nullptr) << "no window captioned \"Bandora  --  ...\"";
        text1_ = FindChild(main_, L"Edit", At(240, 6300));
        text3_ = FindChild(main_, L"Edit", At(120, 3960));
        text4_ = FindChild(main_, L"Edit", At(4680, 3960));
        combo_ = FindChild(main_, L"ComboBox", At(1920, 6300));
        calculate_ = FindChildByText(main_, L"Button", L"Calculate");
        about_ = FindChild(main_, L"Button", At(7920, 6480));
        for (HWND found : {text1_, text3_, text4_, combo_, calculate_, about_}) ASSERT_NE(found, nullptr);

        // The drawings' places, and their bands' places in them (twips).
        const POINT fiveBand{0, 120}, fourBand{4570, 120}, writer{15, 4560};
        auto band = [this](POINT drawing, int left, int top, int height) {
            return BoxIn(main_, drawing.x + left, drawing.y + top, 100, height);
        };
        readerBands_[0] = {band(fourBand, 1800, 240, 875), band(fourBand, 2040, 240, 875),
                           band(fourBand, 2280, 240, 875), band(fourBand, 3315, 90, 1190)};
        readerBands_[1] = {band(fiveBand, 1800, 240, 875), band(fiveBand, 2040, 240, 875),
                           band(fiveBand, 2280, 240, 875), band(fiveBand, 2520, 240, 875),
                           band(fiveBand, 3315, 80, 1190)};
        writerBands_ = {band(writer, 1800, 220, 875), band(writer, 2040, 240, 875), band(writer, 2280, 220, 875),
                        band(writer, 3320, 80, 1190)};
        // Shown and painted: the writer's first band is Yellow from the start.
        ASSERT_TRUE(Shows(writerBands_[0], model::Yellow)) << "the window was not painted";
    }

    void TearDown() override {
        if (main_) {
            EXPECT_EQ(program_.CloseAndWait(main_), 0) << "the program did not end cleanly";
        }
    }

    DrawnBox Swatch(const PaletteColumn& palette, int index) const {
        return BoxIn(main_, SwatchLeft(palette, index), SwatchTop(index), kSwatchTwips, kSwatchTwips);
    }

    // Picks a tolerance the way a user does: opens the list and clicks the entry.
    void ChooseTolerance(int position) {
        ASSERT_TRUE(RealClickMiddle(combo_));
        HWND list = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            for (HWND w : VisibleTopLevelWindows(program_.Id())) {
                wchar_t name[32] = {};
                GetClassNameW(w, name, 32);
                if (lstrcmpiW(name, L"ComboLBox") == 0) list = w;
            }
            return list != nullptr;
        })) << "the list did not drop down";
        const auto itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        const auto topIndex = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
        RECT client{};
        GetClientRect(list, &client);
        ASSERT_TRUE(RealClick(list, POINT{client.right / 2, (position - topIndex) * itemHeight + itemHeight / 2}));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); })) << "the list did not close";
        ASSERT_TRUE(WaitUntil([&] { return SendMessageW(combo_, CB_GETCURSEL, 0, 0) == position; }));
    }

    // Brings a reader's bands to `wanted` by clicking the swatches of those
    // that show another colour.
    void SetBands(int reader, const std::vector<int>& wanted) {
        for (const PaletteColumn& palette : kPaletteColumns) {
            if (palette.reader != reader) continue;
            const int index = wanted[static_cast<std::size_t>(palette.band)];
            const DrawnBox& band = readerBands_[reader][static_cast<std::size_t>(palette.band)];
            if (OnScreen(band) == BandColour(index)) continue;
            ASSERT_TRUE(RealClickMiddle(Swatch(palette, index)));
            ASSERT_TRUE(Shows(band, index)) << "setting up: " << Seen(band);
        }
    }

    // Visible top-level windows of the program other than its main window
    // that show the About picture's dark grey.
    std::vector<HWND> AboutWindows() const {
        std::vector<HWND> found;
        for (HWND w : VisibleTopLevelWindows(program_.Id()))
            if (w != main_ && ScreenPixel(w, 10, 300) == kAboutGrey) found.push_back(w);
        return found;
    }

    RunningProgram program_;
    HWND main_ = nullptr;
    HWND text1_ = nullptr, text3_ = nullptr, text4_ = nullptr, combo_ = nullptr;
    HWND calculate_ = nullptr, about_ = nullptr;
    std::vector<DrawnBox> readerBands_[2];   // four-band, five-band
    std::vector<DrawnBox> writerBands_;
};

TEST_F(UserSession, OpensWithTheWriterPaintedAndTheReadoutsEmpty) {
    EXPECT_EQ(WindowText(text1_), L"4700");
    EXPECT_EQ(WindowText(combo_), L"\u00B15%");
    EXPECT_EQ(SendMessageW(combo_, CB_GETCURSEL, 0, 0), 6);
    EXPECT_EQ(WindowText(text3_), L"");
    EXPECT_EQ(WindowText(text4_), L"");
    const int writer[] = {model::Yellow, model::Purple, model::Red, model::Gold};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Shows(writerBands_[i], writer[i])) << "writer band " << i + 1 << Seen(writerBands_[i]);
    const int fourBand[] = {model::White, model::White, model::Black, model::Green};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Shows(readerBands_[0][i], fourBand[i])) << "four-band " << i + 1 << Seen(readerBands_[0][i]);
    const int fiveBand[] = {model::White, model::White, model::White, model::Black, model::Green};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(Shows(readerBands_[1][i], fiveBand[i])) << "five-band " << i + 1 << Seen(readerBands_[1][i]);
    EXPECT_TRUE(IsWindowEnabled(main_));
}

TEST_F(UserSession, EachReaderShowsTheSwatchesClicked) {
    HWND readouts[2] = {text4_, text3_};
    // The bands each row starts from, as the rows before meant to leave them;
    // each click, and what its reader's readout shows after it.
    std::vector<int> bands[2] = {{model::White, model::White, model::Black, model::Green},
                                 {model::White, model::White, model::White, model::Black, model::Green}};
    const struct { const PaletteColumn& palette; int index; const wchar_t* readout; } kClicks[] = {
        {kPict, model::Brown, L"19 Ohm   \u00B10.5%"},      {kPi, model::Black, L"10 Ohm   \u00B10.5%"},
        {kP, model::Red, L" 1K Ohm   \u00B10.5%"},          {kD, model::Gold, L" 1K Ohm   \u00B15%"},
        {kPict, model::Yellow, L" 4K Ohm   \u00B15%"},      {kPi, model::Purple, L" 4.7K Ohm   \u00B15%"},
        {kP, model::Gold, L"4.7 Ohm   \u00B15%"},           {kD, model::Silver, L"4.7 Ohm   \u00B110%"},
        {kP, model::Silver, L"0.47 Ohm   \u00B110%"},       {kP, model::Blue, L" 47M Ohm   \u00B110%"},
        {kPi, model::White, L" 49M Ohm   \u00B110%"},       {kD, model::Brown, L" 49M Ohm   \u00B11%"},
        {kT, model::Red, L"299 Ohm   \u00B10.5%"},          {kH, model::Red, L"229 Ohm   \u00B10.5%"},
        {kY, model::Black, L"220 Ohm   \u00B10.5%"},        {kQ, model::Black, L"220 Ohm   \u00B10.5%"},
        {kE, model::Brown, L"220 Ohm   \u00B11%"},          {kT, model::White, L"920 Ohm   \u00B11%"},
        {kH, model::White, L"990 Ohm   \u00B11%"},          {kY, model::White, L"999 Ohm   \u00B11%"},
        {kQ, model::Blue, L" 999M Ohm   \u00B11%"},         {kE, model::Gray, L" 999M Ohm   \u00B10.05%"},
        {kQ, model::Gold, L"99.9 Ohm   \u00B10.05%"},       {kE, model::Gold, L"99.9 Ohm   \u00B15%"},
    };
    for (const auto& click : kClicks) {
        const PaletteColumn& p = click.palette;
        SCOPED_TRACE(std::string(p.name, p.name + wcslen(p.name)) + " swatch " + std::to_string(click.index));
        // A click an earlier row lost is made good here, so that it fails that row alone.
        SetBands(p.reader, bands[p.reader]);
        if (HasFatalFailure()) return;
        bands[p.reader][static_cast<std::size_t>(p.band)] = click.index;
        const std::wstring other = WindowText(readouts[1 - p.reader]);
        EXPECT_TRUE(RealClickMiddle(Swatch(p, click.index)));
        EXPECT_TRUE(WaitUntil([&] { return WindowText(readouts[p.reader]) == click.readout; }))
            << "shows " << testing::PrintToString(WindowText(readouts[p.reader]));
        const DrawnBox& band = readerBands_[p.reader][static_cast<std::size_t>(p.band)];
        EXPECT_TRUE(Shows(band, click.index)) << Seen(band);
        EXPECT_EQ(WindowText(readouts[1 - p.reader]), other) << "the other reader changed";
    }
    // The readers never touch the writer.
    const int writer[] = {model::Yellow, model::Purple, model::Red, model::Gold};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(OnScreen(writerBands_[i]), BandColour(writer[i])) << "writer band " << i + 1;
    EXPECT_EQ(WindowText(text1_), L"4700");
}

TEST_F(UserSession, CalculateWritesTheTypedValueWithTheChosenTolerance) {
    // The first three bands each text gives, from the colour code by hand;
    // none: what four bands cannot show leaves them as they were.
    const struct {
        const wchar_t* text;
        int tolerance;
        std::vector<int> bands;
    } kEntries[] = {
        {L"33000", 0, {model::Orange, model::Orange, model::Orange}},
        {L"4.7", 7, {model::Yellow, model::Purple, model::Gold}},
        {L"0.47", 5, {model::Yellow, model::Purple, model::Silver}},
        {L"not a value", 2, {}},
        {L"", 3, {}},
        {L"1e12", 4, {}},
        {L"120", 1, {model::Brown, model::Red, model::Brown}},
    };
    for (const auto& entry : kEntries) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(entry.text)));
        // From the bands shown, not those the rows before meant to leave.
        COLORREF before[4];
        for (int i = 0; i < 4; ++i) before[i] = OnScreen(writerBands_[i]);
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutW(text1_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(entry.text), SMTO_ABORTIFHUNG,
                                        5000, &result));
        ChooseTolerance(entry.tolerance);
        if (HasFatalFailure()) return;
        // Typing and choosing paint nothing; only Calculate does.
        ASSERT_TRUE(Settle(main_));
        for (int i = 0; i < 4; ++i) EXPECT_EQ(OnScreen(writerBands_[i]), before[i]) << "after typing, band " << i + 1;

        EXPECT_TRUE(RealClickMiddle(calculate_));
        COLORREF after[4] = {before[0], before[1], before[2], BandColour(kToleranceBand[entry.tolerance])};
        for (std::size_t i = 0; i < entry.bands.size(); ++i) after[i] = BandColour(entry.bands[i]);
        for (int i = 0; i < 4; ++i) EXPECT_TRUE(WaitUntil([&] { return OnScreen(writerBands_[i]) == after[i]; }))
            << "band " << i + 1 << Seen(writerBands_[i]);
        EXPECT_EQ(WindowText(text1_), entry.text);
        EXPECT_EQ(WindowText(text3_), L"");
        EXPECT_EQ(WindowText(text4_), L"");
    }
}

// Typed with the real keyboard into the readouts and the value box: Enter
// writes a reader's bands and rewrites its readout, and calculates in the
// value box. Expected bands from the colour code by hand.
TEST_F(UserSession, EnterWritesWhatWasTypedIntoTheReadersAndTheWriter) {
    const struct {
        HWND* box;
        const wchar_t* typed;
        const wchar_t* after;
        int reader;   // 0 four-band, 1 five-band, 2 the writer
        std::vector<int> bands;
    } kTyped[] = {
        {&text3_, L"4.75K 1%", L" 4.75K Ohm   \u00B11%", 1,
         {model::Yellow, model::Purple, model::Green, model::Brown, model::Brown}},
        {&text4_, L"22", L"22 Ohm   \u00B10.5%", 0, {model::Red, model::Red, model::Black, model::Green}},
        {&text1_, L"68000", L"68000", 2, {model::Blue, model::Gray, model::Orange, model::Gold}},
    };
    for (const auto& t : kTyped) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(t.typed)));
        ASSERT_TRUE(RealClickMiddle(*t.box));
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutW(*t.box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_ABORTIFHUNG, 5000,
                                        &result));
        ASSERT_TRUE(RealType(t.typed, VK_RETURN));
        const std::vector<DrawnBox>& bands = t.reader == 2 ? writerBands_ : readerBands_[t.reader];
        for (std::size_t i = 0; i < bands.size(); ++i)
            EXPECT_TRUE(Shows(bands[i], t.bands[i])) << "band " << i + 1 << Seen(bands[i]);
        EXPECT_TRUE(WaitUntil([&] { return WindowText(*t.box) == t.after; })) << testing::PrintToString(WindowText(*t.box));
    }
}

TEST_F(UserSession, AboutOpensModallyAndClosesOnItsPictureTwice) {
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE("opening " + std::to_string(round));
        ASSERT_TRUE(AboutWindows().empty());
        ASSERT_TRUE(RealClickMiddle(about_));
        std::vector<HWND> open;
        ASSERT_TRUE(WaitUntil([&] { return (open = AboutWindows()).size() == 1; })) << "no About window";
        const HWND box = open.front();
        RECT client{};
        GetClientRect(box, &client);
        EXPECT_EQ(client.right, 474);
        EXPECT_EQ(client.bottom, 336);
        EXPECT_FALSE(IsWindowEnabled(main_)) << "the main window takes input under the About window";

        // A click on the disabled main window's About button, and one on a
        // label, leave exactly this one About window open. In that order: on
        // a busy machine Wine can hold the release of a click on a disabled
        // window until another window of the thread takes the mouse, and the
        // press on the label, not the one on the picture below, takes it.
        RECT aboutButton{};
        GetClientRect(about_, &aboutButton);
        ASSERT_TRUE(RealClick(about_, POINT{aboutButton.right - 8, aboutButton.bottom / 2}));
        ASSERT_TRUE(RealClick(box, At(480 + 150, 3120 + 120)));
        ASSERT_TRUE(Settle(main_));
        EXPECT_EQ(AboutWindows(), std::vector<HWND>{box});
        EXPECT_FALSE(IsWindowEnabled(main_));

        // The click on the main window may raise it for a moment; About
        // comes back above it, and only then is its picture under the pointer.
        POINT picture{10, 300};
        ClientToScreen(box, &picture);
        ASSERT_TRUE(WaitUntil([&] { return WindowFromPoint(picture) == box && GetForegroundWindow() == box; }))
            << "About is not in front";
        ASSERT_TRUE(RealClick(box, POINT{10, 300}));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); })) << "the About window stayed, "
            << (GetForegroundWindow() == box ? "active" : "inactive");
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main_) != FALSE; })) << "the main window stayed disabled";
        EXPECT_TRUE(AboutWindows().empty());
    }
    // The main window takes clicks again.
    ASSERT_TRUE(RealClickMiddle(Swatch(kPict, model::Brown)));
    const std::wstring readout = L"19 Ohm   \u00B10.5%";
    EXPECT_TRUE(WaitUntil([&] { return WindowText(text4_) == readout; }))
        << "shows " << testing::PrintToString(WindowText(text4_));
}

// Whether one of the first `count` children of the window's client is a window
// of its own named `name`, as a screen reader finds a text box.
bool HasChildWindowNamed(IAccessible* client, long count, const wchar_t* name) {
    bool found = false;
    for (long child = 1; child <= count && !found; ++child) {
        IDispatch* window = nullptr;
        if (client->get_accChild(ChildId(child), &window) != S_OK || !window) continue;
        IAccessible* object = nullptr;
        if (SUCCEEDED(window->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object)))) {
            found = NameOf(object, CHILDID_SELF) == name;
            object->Release();
        }
        window->Release();
    }
    return found;
}

TEST_F(UserSession, AScreenReaderInAnotherProcessFindsNamesAndPressesASwatch) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    IAccessible* acc = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(main_, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&acc)), S_OK);
    // The swatch a hit test finds at its middle is named by its reader, place and colour.
    const DrawnBox brown = Swatch(kPict, model::Brown);
    POINT at = brown.middle;
    ClientToScreen(main_, &at);
    VARIANT hit{};
    ASSERT_EQ(acc->accHitTest(at.x, at.y, &hit), S_OK);
    ASSERT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(NameOf(acc, hit.lVal), L"Four-band reader, first digit, Brown: 1");
    // The readout is found among the children by its name.
    long count = 0;
    ASSERT_EQ(acc->get_accChildCount(&count), S_OK);
    EXPECT_TRUE(HasChildWindowNamed(acc, count, L"Four-band value"));
    // Its default action clicks the swatch.
    EXPECT_EQ(acc->accDoDefaultAction(hit), S_OK);
    EXPECT_TRUE(Shows(readerBands_[0][0], model::Brown)) << Seen(readerBands_[0][0]);
    acc->Release();
    CoUninitialize();
}

}  // namespace

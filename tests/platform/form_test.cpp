// The forms layer on a small form of its own: control arrays pass their
// member's index, picture boxes are drawn and hit-tested by the form (nested,
// stacked, clipped, focused), labels lie beneath the boxes and take their own
// clicks, lines are drawn on the container.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/form.h"
#include "support/gui.h"

namespace {

using platform::ControlDef;
using platform::Kind;

const ControlDef kRows[] = {
    {L"Box", 0, Kind::PictureBox, nullptr, 150, 150, 300, 300, 0x0000FF, 0, nullptr, 0, platform::kBorder, 1, nullptr},
    {L"Box", 7, Kind::PictureBox, nullptr, 600, 150, 300, 300, 0x00FF00, 0, nullptr, 0, platform::kBorder, 2, nullptr},
    {L"Plain", -1, Kind::PictureBox, nullptr, 1050, 150, 300, 300, 0xFF0000, 0, nullptr, 0, 0, 3, nullptr},
    {L"Under", -1, Kind::Label, nullptr, 150, 600, 1500, 255, 0xFFFFFF, 0x000000, L"Under a box", 0, 0, -1, nullptr},
    {L"Cover", -1, Kind::PictureBox, nullptr, 150, 600, 300, 255, 0x00FFFF, 0, nullptr, 0, 0, 4, nullptr},
    {L"Rule", -1, Kind::Line, nullptr, 0, 1200, 1500, 1200, 0xFFFFFF, 0x808080, nullptr, 0, 0, -1, nullptr},
    // A box holding a label, a box and a box that reaches beyond it.
    {L"Holder", -1, Kind::PictureBox, nullptr, 1650, 150, 900, 600, 0xC0C0C0, 0, nullptr, 0, 0, 5, nullptr},
    {L"Inside", -1, Kind::Label, L"Holder", 0, 450, 600, 150, 0xC0C0C0, 0x000000, L"label", 0, 0, -1, nullptr},
    {L"Inner", -1, Kind::PictureBox, L"Holder", 150, 150, 300, 300, 0x00FF00, 0, nullptr, 0, 0, 6, nullptr},
    {L"Spill", -1, Kind::PictureBox, L"Holder", 750, 450, 600, 600, 0xFF00FF, 0, nullptr, 0, 0, 7, nullptr},
    {L"Edit", -1, Kind::TextBox, nullptr, 150, 900, 900, 285, 0xFFFFFF, 0, L"", 0, 0, 8, nullptr},
};

// Form pixels of the rows above (15 twips to a pixel at 96 dpi).
constexpr POINT kInBox0{10 + 5, 10 + 5}, kInHolder{110 + 50, 10 + 5}, kInInner{110 + 12, 10 + 12};
constexpr POINT kInSpill{110 + 55, 10 + 35}, kPastHolder{110 + 62, 10 + 45}, kOnInsideLabel{110 + 2, 10 + 32};

class RecordingForm : public platform::Form {
public:
    RecordingForm()
        : Form({L"Test form", 3000, 1500, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0xFFFFFF,
                {L"Tahoma", 8.25, FW_NORMAL, ANSI_CHARSET}, 0, platform::StartPosition::CenterScreen},
               {std::begin(kRows), std::end(kRows)}) {}
    std::vector<std::pair<std::wstring, int>> clicks;
    int loads = 0;
    int unloads = 0;
    short cancelNext = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload(short& cancel) override {
        ++unloads;
        cancel = cancelNext;
    }
    void OnClick(platform::Control& c) override { clicks.emplace_back(c.Name(), c.Index()); }
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(form.Show()); }
    RecordingForm form;
};

TEST_F(FormTest, ControlArrayMembersReportTheirIndex) {
    testing_gui::Click(form.Item(L"Box", 7));
    testing_gui::Click(form.Item(L"Box", 0));
    testing_gui::Click(form.Item(L"Plain"));
    const std::vector<std::pair<std::wstring, int>> expected{{L"Box", 7}, {L"Box", 0}, {L"Plain", -1}};
    EXPECT_EQ(form.clicks, expected);
}

TEST_F(FormTest, AClickNeedsPressAndReleaseInside) {
    HWND window = form.hWnd();
    const LPARAM inBox = MAKELPARAM(kInBox0.x, kInBox0.y);
    SendMessageW(window, WM_LBUTTONUP, 0, inBox);   // release without press
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, inBox);
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(150, 5));   // released outside
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, inBox);
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(kInHolder.x, kInHolder.y));   // on another box
    EXPECT_TRUE(form.clicks.empty());
}

TEST_F(FormTest, PictureBoxesAreDrawnByTheFormWithTheirBorders) {
    EXPECT_EQ(GetWindow(form.hWnd(), GW_CHILD), form.Item(L"Edit").hWnd()) << "the text box is the only window";
    // Box 0: 20 x 20 pixels at (10, 10), a one-pixel frame around its colour.
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), 10, 15), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), 29, 15), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), 11, 11), RGB(255, 0, 0));
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), 30, 15), RGB(255, 255, 255));
    const RECT client = form.Item(L"Box", 0).ClientInForm();
    EXPECT_EQ(client.left, 11);
    EXPECT_EQ(client.right - client.left, 18);
    // "Plain" has no border: its colour reaches its edge.
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), 70, 10), RGB(0, 0, 255));
}

TEST_F(FormTest, BoxesInABoxLieAboveItAndAreCutOffAtItsEdge) {
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), kInHolder.x, kInHolder.y), RGB(192, 192, 192));
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), kInInner.x, kInInner.y), RGB(0, 255, 0));
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), kInSpill.x, kInSpill.y), RGB(255, 0, 255));
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), kPastHolder.x, kPastHolder.y), RGB(255, 255, 255));
    for (POINT at : {kInInner, kInHolder, kInSpill, kPastHolder, kOnInsideLabel})
        testing_gui::Click(form.hWnd(), at);
    const std::vector<std::pair<std::wstring, int>> expected{
        {L"Inner", -1}, {L"Holder", -1}, {L"Spill", -1}, {L"Inside", -1}};
    EXPECT_EQ(form.clicks, expected);
    EXPECT_EQ(form.BoxAt(kPastHolder), nullptr);
}

TEST_F(FormTest, AClickedBoxTakesTheFocusAndTabGoesOnFromIt) {
    ASSERT_EQ(form.ActiveControl(), &form.Item(L"Box", 0)) << "the first tab stop has the focus";
    testing_gui::Click(form.hWnd(), kInInner);
    EXPECT_EQ(form.ActiveControl(), &form.Item(L"Inner"));
    EXPECT_EQ(GetFocus(), form.hWnd()) << "the form's window takes the keys for its boxes";
    // Tab, as the message loop gets it from the keyboard.
    MSG tab{form.hWnd(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    platform::DispatchWithTab(tab);
    EXPECT_EQ(form.ActiveControl(), &form.Item(L"Spill"));
    platform::DispatchWithTab(tab);
    EXPECT_EQ(GetFocus(), form.Item(L"Edit").hWnd());
    form.Tab(GetFocus(), true);
    EXPECT_EQ(form.ActiveControl(), &form.Item(L"Spill"));
    // A hidden box is neither seen, nor clicked, nor tabbed to.
    form.Item(L"Holder").SetVisible(false);
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), kInInner.x, kInInner.y), RGB(255, 255, 255));
    EXPECT_EQ(form.BoxAt(kInInner), nullptr);
    form.Tab(form.Item(L"Edit").hWnd(), true);
    EXPECT_EQ(form.ActiveControl(), &form.Item(L"Cover"));
}

TEST_F(FormTest, LabelsLieBeneathBoxesAndTakeTheirOwnClicks) {
    // Where the box covers the label, the box is seen; beyond it, the label's text.
    EXPECT_EQ(testing_gui::PixelAt(form.Item(L"Cover"), 2, 2), RGB(255, 255, 0));
    testing_gui::Click(form.hWnd(), POINT{40, 45});   // on the label, right of the box
    testing_gui::Click(form.hWnd(), POINT{150, 5});   // on the bare form
    const std::vector<std::pair<std::wstring, int>> expected{{L"Under", -1}};
    EXPECT_EQ(form.clicks, expected);
}

TEST_F(FormTest, LinesAreDrawnOnTheContainer) {
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), 50, 80), RGB(128, 128, 128));
    EXPECT_EQ(testing_gui::PixelAt(form.hWnd(), 50, 81), RGB(255, 255, 255));
}

TEST_F(FormTest, BackColourRepaintsAndReadsBackAsSet) {
    platform::Control& box = form.Item(L"Plain");
    box.SetBackColor(platform::SystemColour(COLOR_BTNFACE));
    EXPECT_EQ(box.BackColor(), 0x8000000Fu);
    EXPECT_EQ(testing_gui::PixelAt(box, 3, 3), GetSysColor(COLOR_BTNFACE));
    box.SetBackColor(0x123456);
    EXPECT_EQ(testing_gui::PixelAt(box, 3, 3), 0x123456u);
}

TEST_F(FormTest, UnloadRunsTheHandlerAndCanBeCancelled) {
    form.cancelNext = 1;
    SendMessageW(form.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.unloads, 1);
    EXPECT_TRUE(form.IsLoaded());
    form.cancelNext = 0;
    SendMessageW(form.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form.unloads, 2);
    EXPECT_FALSE(form.IsLoaded());
    // Loading again starts from the design state.
    ASSERT_TRUE(form.Show());
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(form.Item(L"Plain").BackColor(), 0xFF0000u);
}

TEST_F(FormTest, AutoRedrawImageIsReadableWhileHidden) {
    platform::Control& box = form.Item(L"Box", 7);
    box.SetVisible(false);
    box.SetAutoRedraw(true);
    EXPECT_EQ(GetPixel(box.hDC(), 3, 3), RGB(0, 255, 0));
    box.SetBackColor(0x0000FF);
    EXPECT_EQ(GetPixel(box.hDC(), 3, 3), RGB(255, 0, 0));
}

// Counts a marker message of the form's window, and takes it.
class MarkerCount : public platform::FormExtension {
public:
    MarkerCount(platform::Form& form, int& seen) : FormExtension(form), seen_(seen) {}
    bool OnMessage(HWND, UINT msg, WPARAM, LPARAM, LRESULT& result) override {
        if (msg != kMarker) return false;
        ++seen_;
        result = 1;
        return true;
    }
    static constexpr UINT kMarker = WM_APP + 7;

private:
    int& seen_;
};

TEST_F(FormTest, AnExtensionHearsTheFormUntilItEnds) {
    int first = 0, second = 0;
    auto early = std::make_unique<MarkerCount>(form, first);
    {
        MarkerCount later(form, second);
        EXPECT_EQ(SendMessageW(form.hWnd(), MarkerCount::kMarker, 0, 0), 1);   // the first to join takes it
    }
    early.reset();
    // Both have ended: the form handles the marker itself.
    EXPECT_EQ(SendMessageW(form.hWnd(), MarkerCount::kMarker, 0, 0), 0);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
}

}  // namespace

// The forms layer on a small form of its own: control arrays pass their
// member's index, labels lie beneath child windows and take their own clicks,
// lines are drawn on the container.
#include <gtest/gtest.h>

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
};

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
    HWND box = form.Item(L"Box", 0).hWnd();
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));   // release without press
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(200, 5));  // released outside
    EXPECT_TRUE(form.clicks.empty());
}

TEST_F(FormTest, LabelsLieBeneathChildWindowsAndTakeTheirOwnClicks) {
    // Where the box covers the label, the box is seen; beyond it, the label's text.
    EXPECT_EQ(testing_gui::PixelAt(form.Item(L"Cover").hWnd(), 2, 2), RGB(255, 255, 0));
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
    EXPECT_EQ(testing_gui::PixelAt(box.hWnd(), 3, 3), GetSysColor(COLOR_BTNFACE));
    box.SetBackColor(0x123456);
    EXPECT_EQ(testing_gui::PixelAt(box.hWnd(), 3, 3), 0x123456u);
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

}  // namespace

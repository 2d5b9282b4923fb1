// The glyph procedure between the system and the button's previous procedure:
// what passes through unchanged, what it answers itself, and the button after
// the subclass is removed.
#include <gtest/gtest.h>

#include <vector>

#include "glyph_form.h"
#include "glyph_pixels.h"

namespace glyph_test {
namespace {

constexpr UINT kPrivate = WM_APP + 7;
constexpr LRESULT kPrivateAnswer = 0x5EED;
constexpr LRESULT kPaintAnswer = 0x77;

struct Seen {
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    DWORD dcType;   // GetObjectType of wParam for WM_PAINT, while it is alive
};
std::vector<Seen> seen;
WNDPROC buttonClass = nullptr;

// Stands where the button's procedure was: records every message, answers the
// private one itself and hands the rest on.
LRESULT CALLBACK Recorder(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    seen.push_back({msg, wp, lp, msg == WM_PAINT && wp ? GetObjectType(reinterpret_cast<HGDIOBJ>(wp)) : 0});
    if (msg == kPrivate) return kPrivateAnswer;
    const LRESULT result = CallWindowProcW(buttonClass, hwnd, msg, wp, lp);
    return msg == WM_PAINT ? kPaintAnswer : result;
}

class SubclassTest : public GlyphFormTest {
protected:
    void SetUp() override {
        GlyphFormTest::SetUp();
        if (HasFatalFailure()) return;
        hwnd = form.Item(L"B0").hWnd();
        buttonClass = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder)));
        ASSERT_NE(buttonClass, nullptr);
        Install(kButtonCases[0]);
        seen.clear();
    }
    void TearDown() override {
        GlyphFormTest::TearDown();
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(buttonClass));
    }
    HWND hwnd = nullptr;
};

TEST_F(SubclassTest, InstallKeepsThePreviousProcedureAndTheBox) {
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(glyph::ButtonProcLeft));
    EXPECT_EQ(GetPropW(hwnd, glyph::kPreviousProc), reinterpret_cast<HANDLE>(Recorder));
    EXPECT_EQ(GetPropW(hwnd, glyph::kGlyphBox), reinterpret_cast<HANDLE>(&form.Item(L"G0")));
    EXPECT_TRUE(IsWindowUnicode(hwnd));
}

TEST_F(SubclassTest, OtherMessagesPassUnchangedAndTheirResultComesBack) {
    const std::wstring caption = form.Item(L"B0").Caption();
    const struct { UINT msg; WPARAM wp; LPARAM lp; LRESULT result; } kCases[] = {
        {kPrivate, 0x1234, static_cast<LPARAM>(0x89ABCDEF), kPrivateAnswer},
        {kPrivate, static_cast<WPARAM>(-1), -2, kPrivateAnswer},
        {WM_GETTEXTLENGTH, 0, 0, static_cast<LRESULT>(caption.size())},
    };
    for (const auto& c : kCases) {
        seen.clear();
        EXPECT_EQ(SendMessageW(hwnd, c.msg, c.wp, c.lp), c.result) << c.msg;
        ASSERT_EQ(seen.size(), 1u) << c.msg;
        EXPECT_EQ(seen[0].msg, c.msg);
        EXPECT_EQ(seen[0].wp, c.wp);
        EXPECT_EQ(seen[0].lp, c.lp);
    }
}

std::vector<Seen> Paints() {
    std::vector<Seen> paints;
    for (const Seen& s : seen)
        if (s.msg == WM_PAINT) paints.push_back(s);
    return paints;
}

TEST_F(SubclassTest, PaintHandsTheButtonAMemoryDcAndAnswersZero) {
    Repaint(hwnd);
    auto paints = Paints();
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0].dcType, static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(paints[0].lp, 0);

    seen.clear();
    EXPECT_EQ(SendMessageW(hwnd, WM_PAINT, 0, 0), 0) << "the previous procedure answered " << kPaintAnswer;
    paints = Paints();
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0].dcType, static_cast<DWORD>(OBJ_MEMDC));
}

TEST_F(SubclassTest, RemoveRestoresThePlainButtonAndKeepsTheSpaces) {
    Repaint(hwnd);
    const Pixels withGlyph = ReadClient(hwnd);
    ASSERT_NE(Difference(withGlyph, PaintedBy(buttonClass, hwnd)), "") << "the glyph shows while installed";
    const std::wstring padded = form.Item(L"B0").Caption();
    ASSERT_EQ(padded.front(), L' ');

    glyph::RemoveButtonPic(form.Item(L"B0"));
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(Recorder));
    EXPECT_EQ(GetPropW(hwnd, glyph::kPreviousProc), nullptr);
    EXPECT_EQ(GetPropW(hwnd, glyph::kGlyphBox), nullptr);
    EXPECT_EQ(form.Item(L"B0").Caption(), padded);

    seen.clear();
    Repaint(hwnd);
    const auto paints = Paints();
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0].wp, 0u) << "the button paints on its own again";
    EXPECT_EQ(Difference(ReadClient(hwnd), PaintedBy(buttonClass, hwnd)), "");
    // The box keeps its settings.
    EXPECT_FALSE(form.Item(L"G0").Visible());
    EXPECT_EQ(form.Item(L"G0").ScaleMode(), platform::kPixels);
}

}  // namespace
}  // namespace glyph_test

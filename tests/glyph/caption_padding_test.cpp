// How an install fills the caption out with spaces and sets up the glyph box.
#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <string>

#include "glyph_form.h"
#include "glyph_pixels.h"

namespace glyph_test {
namespace {

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

// Spaces the caption should get, worked out on its own: the width in whole
// pixels from single-precision twips, halves to even; the text measured with
// GetTextExtentPoint32W in `font`.
int SpacesFor(const std::wstring& caption, int widthTwips, bool right, const LOGFONTW& font, int margin) {
    const int wpx = static_cast<int>(std::nearbyint(static_cast<float>(widthTwips) / 15.0f));
    HDC dc = GetDC(nullptr);
    HFONT handle = CreateFontIndirectW(&font);
    HGDIOBJ old = SelectObject(dc, handle);
    std::wstring text = caption;
    int spaces = 0;
    while (spaces < wpx) {
        text = right ? text + L' ' : L' ' + text;
        ++spaces;
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        if (extent.cx >= wpx - margin) break;
    }
    SelectObject(dc, old);
    DeleteObject(handle);
    ReleaseDC(nullptr, dc);
    return spaces;
}

// The glyph box measures in the button's face and size but its own weight,
// which is the form's regular one. The height in pixels is the size in
// points at the screen's dpi, a half rounded to the even neighbour, negative
// for the character height.
LOGFONTW MeasuringFont(const ButtonCase& c, int weight = FW_NORMAL) {
    const platform::FontDef& button = c.font ? *c.font : kFormFont;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::nearbyint(button.points * dpi / 72.0));   // rounds halves to even
    font.lfWeight = weight;
    font.lfCharSet = ANSI_CHARSET;
    wcsncpy(font.lfFaceName, button.face, LF_FACESIZE - 1);
    return font;
}

TEST_F(GlyphFormTest, CaptionIsFilledOutUntilItClearsTheGlyph) {
    for (const ButtonCase& c : kButtonCases) {
        SCOPED_TRACE(c.button);
        const std::wstring caption = c.caption;
        const bool ampersand = caption.find(L'&') != std::wstring::npos;
        const int spaces = SpacesFor(caption, c.widthTwips, c.right, MeasuringFont(c), ampersand ? 5 : 11);
        if (ampersand)   // the table must tell the two margins apart
            ASSERT_NE(spaces, SpacesFor(caption, c.widthTwips, c.right, MeasuringFont(c), 11));
        if (c.font)      // ... and the box's weight from the button's
            ASSERT_NE(spaces, SpacesFor(caption, c.widthTwips, c.right, MeasuringFont(c, c.font->weight), 11));

        Install(c);
        const std::wstring padding(static_cast<std::size_t>(spaces), L' ');
        const std::wstring want = c.right ? caption + padding : padding + caption;
        EXPECT_EQ(form.Item(c.button).Caption(), want)
            << "got \"" << Narrow(form.Item(c.button).Caption()) << "\", want " << spaces << " spaces";
    }
}

TEST_F(GlyphFormTest, ACaptionAlreadyWiderThanItsLimitGetsOneSpace) {
    for (const wchar_t* name : {L"B4", L"B5"}) {
        const ButtonCase* c = nullptr;
        for (const ButtonCase& each : kButtonCases)
            if (std::wstring(each.button) == name) c = &each;
        ASSERT_NE(c, nullptr);
        Install(*c);
        EXPECT_EQ(form.Item(name).Caption(), c->right ? L"Calculate " : L" Calculate") << Narrow(name);
    }
}

TEST_F(GlyphFormTest, PersianCaptionStaysExactAndUnicode) {
    Install(kButtonCases[8]);
    HWND hwnd = form.Item(L"B8").hWnd();
    EXPECT_TRUE(IsWindowUnicode(hwnd));
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    const std::wstring caption = text;
    ASSERT_GT(caption.size(), std::wstring(kPersianAbout).size());
    EXPECT_EQ(caption.substr(0, 6), kPersianAbout);
    EXPECT_EQ(caption.find_first_not_of(L' ', 6), std::wstring::npos);
}

TEST_F(GlyphFormTest, GlyphBoxTakesItsSettings) {
    for (const ButtonCase& c : kButtonCases) {
        SCOPED_TRACE(c.button);
        Install(c);
        platform::Control& button = form.Item(c.button);
        platform::Control& box = form.Item(c.box);
        EXPECT_EQ(box.ScaleMode(), platform::kPixels);
        EXPECT_EQ(box.FontName(), button.FontName());
        EXPECT_EQ(box.FontSize(), button.FontSize());
        LOGFONTW font{};
        GetObjectW(box.FontHandle(), sizeof font, &font);
        EXPECT_EQ(font.lfWeight, FW_NORMAL) << "only face and size come from the button";
        EXPECT_TRUE(box.AutoRedraw());
        EXPECT_FALSE(box.Visible());
        EXPECT_EQ(box.BackColor(), 0x8000000Fu);

        // Picture-sized, and its persistent image holds the picture while hidden.
        const Pixels picture = Resource(c.picture);
        const RECT client = box.ClientInSelf();
        EXPECT_EQ(client.right, picture.width);
        EXPECT_EQ(client.bottom, picture.height);
        EXPECT_EQ(Difference(ReadDC(box.hDC(), picture.width, picture.height), picture), "");
    }
}

}  // namespace
}  // namespace glyph_test

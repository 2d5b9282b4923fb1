// Glyph buttons: a command button that shows a small picture beside its
// caption and paints without flicker. The button's window procedure is
// replaced by one that lets the button draw itself off-screen, ANDs the glyph
// onto that image (or draws its ink in a colour that shows on the face, where
// an AND would not) and copies the result to the screen in one go. All state
// lives in two window properties of the button, so any number of buttons can
// be served.
#pragma once
#include <windows.h>

#include "platform/control.h"

namespace glyph {

inline constexpr wchar_t kPreviousProc[] = L"lpPROC";
inline constexpr wchar_t kGlyphBox[] = L"PctOBJ";

// Glyph near the left edge, caption pushed right with leading spaces.
void SetButtonPicLeft(platform::Control& button, platform::Control& glyphBox);
// Glyph near the right edge, caption pushed left with trailing spaces.
void SetButtonPicRight(platform::Control& button, platform::Control& glyphBox);
// Pads the caption of an installed button afresh, after the form's dpi changed.
void RefitButtonPic(platform::Control& button);
// Gives the button its previous window procedure back; the spaces stay.
void RemoveButtonPic(platform::Control& button);

LRESULT CALLBACK ButtonProcLeft(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK ButtonProcRight(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Where the glyph goes in a client area of W x H for a glyph of t pixels,
// inset from the edge by 5 pixels at 96 dpi, scaled at `dpi`.
int GlyphTop(int clientHeight, int glyphSize);
int GlyphLeft(bool right, int clientWidth, int glyphSize, int dpi = 96);

}  // namespace glyph

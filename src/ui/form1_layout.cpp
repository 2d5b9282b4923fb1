// The main window as data: every control with its place (twips) and design
// state. Rows are in stacking order, later rows above earlier ones; the
// palettes' swatches are added last, above the drawings they overlap.
#include <iterator>
#include <string>

#include "art/art.h"
#include "model/colour_code.h"
#include "ui/palettes.h"
#include "ui/pictures.h"
#include "ui/form1.h"
#include "ui/resource_ids.h"

namespace ui {
namespace {

static_assert(IDB_RESISTOR == static_cast<int>(art::Picture::Resistor) &&
              IDB_ABOUT == static_cast<int>(art::Picture::About), "picture numbers are art::Picture's");

using platform::ControlDef;
using platform::Kind;
using platform::kAutoSize;
using platform::kBorder;
using platform::kDisabled;
using platform::kButtonFace;
using platform::kWindowBack;
using platform::kWindowText;

constexpr auto Pic = Kind::PictureBox;
constexpr auto Lbl = Kind::Label;
constexpr auto Ln = Kind::Line;
constexpr platform::OleColour kWhite = 0xFFFFFF, kBlack = 0x000000, kGreen = 0x00FF00;
constexpr platform::OleColour kGrey = 0x808080, kLightGrey = 0xE0E0E0;

// The tolerance list's entries, one a line, in the colour code's order.
const wchar_t* ToleranceEntries() {
    static const std::wstring entries = [] {
        std::wstring text;
        for (const model::ToleranceRow& row : model::kTolerances)
            text += (text.empty() ? L"" : L"\n") + std::wstring(row.text);
        return text;
    }();
    return entries.c_str();
}
constexpr wchar_t kAboutCaption[] = L"\u062F\u0631\u0628\u0627\u0631\u0647";   // "About" in Persian

// Tab order runs: writer, legend, four-band reader, five-band reader, readouts, About.
const ControlDef kRows[] = {
    // name        idx kind container      left  top   width height back         fore         text  picture      flags      tab
    {L"Picture12", -1, Pic, nullptr,       0,    120,  4530, 1395, kWhite,      kWindowText, nullptr, IDB_RESISTOR, kAutoSize, 100, nullptr},
    {L"TT",        -1, Pic, L"Picture12",  1800, 240,  100,  875,  kWhite,      kWindowText, nullptr, 0,            0,         101, nullptr},
    {L"HT",        -1, Pic, L"Picture12",  2040, 240,  100,  875,  kWhite,      kWindowText, nullptr, 0,            0,         102, nullptr},
    {L"YT",        -1, Pic, L"Picture12",  2280, 240,  100,  875,  kWhite,      kWindowText, nullptr, 0,            0,         103, nullptr},
    {L"QT",        -1, Pic, L"Picture12",  2520, 240,  100,  875,  kBlack,      kWindowText, nullptr, 0,            0,         104, nullptr},
    {L"ET",        -1, Pic, L"Picture12",  3315, 80,   100,  1190, kGreen,      kWindowText, nullptr, 0,            0,         105, nullptr},
    {L"Picture7",  -1, Pic, nullptr,       4570, 120,  4530, 1395, kWhite,      kWindowText, nullptr, IDB_RESISTOR, kAutoSize, 30,  nullptr},
    {L"Picture8",  -1, Pic, L"Picture7",   1800, 240,  100,  875,  kWhite,      kWindowText, nullptr, 0,            0,         31,  nullptr},
    {L"Picture9",  -1, Pic, L"Picture7",   2040, 240,  100,  875,  kWhite,      kWindowText, nullptr, 0,            0,         32,  nullptr},
    {L"Picture10", -1, Pic, L"Picture7",   2280, 240,  100,  875,  kBlack,      kWindowText, nullptr, 0,            0,         33,  nullptr},
    {L"Picture11", -1, Pic, L"Picture7",   3315, 90,   100,  1190, kGreen,      kWindowText, nullptr, 0,            0,         34,  nullptr},
    {L"Picture6",  -1, Pic, nullptr,       15,   4560, 4530, 1395, kWhite,      kWindowText, nullptr, IDB_RESISTOR, kAutoSize, 3,   nullptr},
    {L"Picture1",  -1, Pic, L"Picture6",   1800, 220,  100,  875,  kButtonFace, kWindowText, nullptr, 0,            0,         4,   nullptr},
    {L"Picture2",  -1, Pic, L"Picture6",   2040, 240,  100,  875,  kButtonFace, kWindowText, nullptr, 0,            0,         5,   nullptr},
    {L"Picture3",  -1, Pic, L"Picture6",   2280, 220,  100,  875,  kButtonFace, kWindowText, nullptr, 0,            0,         6,   nullptr},
    {L"Picture4",  -1, Pic, L"Picture6",   3320, 80,   100,  1190, kButtonFace, kWindowText, nullptr, 0,            0,         7,   nullptr},
    {L"Text3",     -1, Kind::TextBox, nullptr, 120, 3960, 1815, 285, kWindowBack, kWindowText, L"", 0,               0,         200, nullptr},
    {L"Text4",     -1, Kind::TextBox, nullptr, 4680, 3960, 1935, 285, kWindowBack, kWindowText, L"", 0,              0,         201, nullptr},
    {L"Text1",     -1, Kind::TextBox, nullptr, 240, 6300, 1215, 285, kWindowBack, kWindowText, L"4700", 0,           0,         0,   nullptr},
    {L"Picture5",  -1, Pic, nullptr,       1560, 6255, 255,  330,  kWhite,      kWindowText, nullptr, IDB_OHM,      kAutoSize | platform::kSign, 2, nullptr},
    {L"Combo1",    -1, Kind::ComboBox, nullptr, 1920, 6300, 1095, 315, kWindowBack, kWindowText, ToleranceEntries(), 0, 0,      8,   nullptr},
    {L"CCal",      -1, Kind::CommandButton, nullptr, 3120, 6120, 1365, 600, kWhite, kWindowText, L"Calculate", 0,    0,         1,   nullptr},
    {L"CAb",       -1, Kind::CommandButton, nullptr, 7920, 6480, 975, 375, kWhite, kWindowText, kAboutCaption, 0,    0,         202, nullptr},
    // Legend.
    {L"P1",        -1, Pic, nullptr,       5280, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   9,   nullptr},
    {L"P2",        -1, Pic, nullptr,       5520, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   10,  nullptr},
    {L"P3",        -1, Pic, nullptr,       5760, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   11,  nullptr},
    {L"P4",        -1, Pic, nullptr,       6000, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   12,  nullptr},
    {L"P5",        -1, Pic, nullptr,       6240, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   13,  nullptr},
    {L"P6",        -1, Pic, nullptr,       6480, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   14,  nullptr},
    {L"P7",        -1, Pic, nullptr,       6720, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   15,  nullptr},
    {L"P8",        -1, Pic, nullptr,       6960, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   16,  nullptr},
    {L"P9",        -1, Pic, nullptr,       7200, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   17,  nullptr},
    {L"P10",       -1, Pic, nullptr,       7440, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   18,  nullptr},
    {L"P11",       -1, Pic, nullptr,       7800, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   19,  nullptr},
    {L"P12",       -1, Pic, nullptr,       8040, 4920, 255,  255,  kWindowBack, kWindowText, nullptr, 0,            kBorder,   20,  nullptr},
    {L"Label14",   -1, Lbl, nullptr,       4800, 4560, 420,  195,  kWindowBack, kWindowText, L"Help :", 0,          kAutoSize, -1,  nullptr},
    {L"Label1",    -1, Lbl, nullptr,       5280, 5160, 3015, 255,  kWindowBack, kWindowText,
        L"  0   1    2    3   4    5   6   7   8   9     10 11", 0,                                kDisabled, -1,  nullptr},
    {L"Label2",    -1, Lbl, nullptr,       5280, 5520, 855,  255,  kWindowBack, kWindowText, L"0  =   Black", 0,    0,         -1,  nullptr},
    {L"Label3",    -1, Lbl, nullptr,       5280, 5760, 1095, 255,  kWindowBack, kWindowText, L"1  =  Brown", 0,     0,         -1,  nullptr},
    {L"Label4",    -1, Lbl, nullptr,       5280, 6000, 735,  255,  kWindowBack, kWindowText, L"2  =  Red", 0,       0,         -1,  nullptr},
    {L"Label5",    -1, Lbl, nullptr,       5280, 6240, 975,  255,  kWindowBack, kWindowText, L"3  =  Orange", 0,    0,         -1,  nullptr},
    {L"Label6",    -1, Lbl, nullptr,       5280, 6480, 975,  255,  kWindowBack, kWindowText, L"4  =  Yellow", 0,    0,         -1,  nullptr},
    {L"Label7",    -1, Lbl, nullptr,       6360, 5520, 855,  255,  kWindowBack, kWindowText, L"5  =  Green", 0,     0,         -1,  nullptr},
    {L"Label8",    -1, Lbl, nullptr,       6360, 5760, 735,  255,  kWindowBack, kWindowText, L"6  =  Blue", 0,      0,         -1,  nullptr},
    {L"Label9",    -1, Lbl, nullptr,       6360, 6000, 975,  255,  kWindowBack, kWindowText, L"7  =  Purple", 0,    0,         -1,  nullptr},
    {L"Label10",   -1, Lbl, nullptr,       6360, 6240, 855,  255,  kWindowBack, kWindowText, L"8  =  Gray", 0,      0,         -1,  nullptr},
    {L"Label11",   -1, Lbl, nullptr,       6360, 6480, 975,  255,  kWindowBack, kWindowText, L"9  =  White", 0,     0,         -1,  nullptr},
    {L"Label12",   -1, Lbl, nullptr,       7440, 5520, 975,  255,  kWindowBack, kWindowText, L"10  =  Silver", 0,   0,         -1,  nullptr},
    {L"Label13",   -1, Lbl, nullptr,       7440, 5760, 975,  255,  kWindowBack, kWindowText, L"11  = Gold", 0,      0,         -1,  nullptr},
    // Dividers between the four areas, and the etched rule above the entry row (x1, y1, x2, y2).
    {L"Line7",     -1, Ln,  nullptr,       4560, 120,  4560, 6960, kWindowBack, kWindowText, nullptr, 0,            0,         -1,  nullptr},
    {L"Line8",     -1, Ln,  nullptr,       0,    4440, 4560, 4440, kWindowBack, kWindowText, nullptr, 0,            0,         -1,  nullptr},
    {L"Line9",     -1, Ln,  nullptr,       4560, 4440, 9120, 4440, kWindowBack, kWindowText, nullptr, 0,            0,         -1,  nullptr},
    {L"Line2",     -1, Ln,  nullptr,       360,  5985, 4560, 5985, kWindowBack, kGrey,       nullptr, 0,            0,         -1,  nullptr},
    {L"Line1",     -1, Ln,  nullptr,       360,  6000, 4560, 6000, kWindowBack, kLightGrey,  nullptr, 0,            0,         -1,  nullptr},
    // Glyph boxes: below the client area, never seen.
    {L"PicCal",    -1, Pic, nullptr,       8760, 12000, 405, 405,  kButtonFace, kWindowText, nullptr, IDB_GEAR,     kAutoSize, -1,  nullptr},
    {L"Pab",       -1, Pic, nullptr,       8520, 12000, 225, 240,  kButtonFace, kWindowText, nullptr, IDB_ABOUT_GLYPH, kAutoSize, -1, nullptr},
};

// Tab order of the first swatch of each reader's palettes.
constexpr int kFourBandSwatchTab = 40;
constexpr int kFiveBandSwatchTab = 110;

}  // namespace

platform::FormDef Form1Def() {
    return {std::wstring(kCaptionPrefix) + kWebAddress,
            9075, 6915,
            WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
            kWhite,
            {L"Tahoma", 8.25, FW_NORMAL, ANSI_CHARSET},
            IDI_BANDORA,
            platform::StartPosition::CenterScreen,
            kPictures};
}

std::vector<ControlDef> Form1Layout() {
    std::vector<ControlDef> rows(std::begin(kRows), std::end(kRows));
    int fourBandTab = kFourBandSwatchTab, fiveBandTab = kFiveBandSwatchTab;
    for (const Palette& palette : kPalettes) {
        for (int i = 0; i < palette.count; ++i) {
            const int index = palette.indexes[static_cast<std::size_t>(i)];
            int& tab = palette.selector == 1 ? fourBandTab : fiveBandTab;
            rows.push_back({palette.name, index, Pic, nullptr, SwatchLeft(palette, index),
                            SwatchTop(index), kSwatchSize, kSwatchSize,
                            SwatchColour(index), kWindowText, nullptr, 0, kBorder, tab++, nullptr});
        }
    }
    return rows;
}

}  // namespace ui

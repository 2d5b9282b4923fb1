#include "ui/form2.h"

#include <iterator>

#include "ui/form1.h"
#include "ui/pictures.h"
#include "ui/resource_ids.h"

namespace ui {
namespace {

using platform::ControlDef;
using platform::Kind;
using platform::kAutoSize;

constexpr auto Lbl = Kind::Label;
constexpr auto Ln = Kind::Line;
constexpr platform::OleColour kWhite = 0xFFFFFF, kBlack = 0x000000, kGrey = 0x808080;

constexpr platform::FontDef kHeading{L"Tahoma", 9.75, FW_NORMAL, ARABIC_CHARSET};
constexpr platform::FontDef kName{L"Tahoma", 9.75, FW_BOLD, ARABIC_CHARSET};
constexpr platform::FontDef kAddress{L"Tahoma", 14.25, FW_BOLD, ARABIC_CHARSET};

// The picture fills the window; the frame and the labels lie on it. Every
// label is white on the picture and takes its size from its caption.
const ControlDef kRows[] = {
    // name       idx kind            container    left  top   width height back    fore    text            picture    flags      tab font
    {L"Picture1", -1, Kind::PictureBox, nullptr,   0,    0,    7185, 5070, kBlack,  kWhite, nullptr,        IDB_ABOUT, kAutoSize, 0,  nullptr},
    {L"Line1",    -1, Ln,  L"Picture1",            3960, 3000, 3960, 4800, kBlack,  kGrey,  nullptr,        0,         0,         -1, nullptr},
    {L"Line2",    -1, Ln,  L"Picture1",            3960, 3000, 6960, 3000, kBlack,  kGrey,  nullptr,        0,         0,         -1, nullptr},
    {L"Line3",    -1, Ln,  L"Picture1",            6960, 3000, 6960, 4800, kBlack,  kBlack, nullptr,        0,         0,         -1, nullptr},
    {L"Line4",    -1, Ln,  L"Picture1",            3960, 4800, 6960, 4800, kBlack,  kBlack, nullptr,        0,         0,         -1, nullptr},
    {L"Label1",   -1, Lbl, L"Picture1",            480,  3120, 1695, 240,  kBlack,  kWhite, L"Downloaded From :", 0,       kAutoSize, -1, &kHeading},
    {L"Label2",   -1, Lbl, L"Picture1",            480,  3360, 3120, 345,  kBlack,  kWhite, kWebAddress,    0,         kAutoSize, -1, &kAddress},
    {L"Label3",   -1, Lbl, L"Picture1",            480,  3960, 1440, 240,  kBlack,  kWhite, L"Forum Address :", 0,         kAutoSize, -1, &kHeading},
    {L"Label4",   -1, Lbl, L"Picture1",            480,  4200, 3210, 345,  kBlack,  kWhite, kForumAddress,  0,         kAutoSize, -1, &kAddress},
    {L"Label5",   -1, Lbl, L"Picture1",            4320, 3120, 330,  240,  kBlack,  kWhite, L"By :",        0,         kAutoSize, -1, &kHeading},
    {L"Label6",   -1, Lbl, L"Picture1",            4200, 3360, 2010, 240,  kBlack,  kWhite, kFirstAuthor,   0,         kAutoSize, -1, &kName},
    {L"Label9",   -1, Lbl, L"Picture1",            4200, 3600, 1620, 240,  kBlack,  kWhite, kSecondAuthor,  0,         kAutoSize, -1, &kName},
    {L"Label7",   -1, Lbl, L"Picture1",            4320, 3960, 1410, 240,  kBlack,  kWhite, L"E-Mail Address :", 0,        kAutoSize, -1, &kHeading},
    {L"Label8",   -1, Lbl, L"Picture1",            4080, 4200, 2055, 240,  kBlack,  kWhite, kFirstMail,     0,         kAutoSize, -1, &kName},
    {L"Label10",  -1, Lbl, L"Picture1",            4080, 4440, 2535, 240,  kBlack,  kWhite, kSecondMail,    0,         kAutoSize, -1, &kName},
};

}  // namespace

platform::FormDef Form2Def() {
    return {kWebAddress, 7110, 5040, WS_POPUP | WS_CLIPCHILDREN, platform::kButtonFace,
            {L"Tahoma", 8.25, FW_NORMAL, ARABIC_CHARSET}, 0, platform::StartPosition::CenterOwner, kPictures};
}

std::vector<ControlDef> Form2Layout() { return {std::begin(kRows), std::end(kRows)}; }

Form2::Form2() : platform::Form(Form2Def(), Form2Layout()) {}

void Form2::Picture1_Click() { Unload(); }

void Form2::Form_Load() { picture_ = &Item(L"Picture1"); }

void Form2::OnClick(platform::Control& control) {
    // Labels have no handler: a click on one leaves the window open.
    if (&control == picture_) Picture1_Click();
}

bool Form2::OnKey(platform::Control& /*target*/, UINT key) {
    if (key != VK_ESCAPE) return false;
    Picture1_Click();
    return true;
}

}  // namespace ui

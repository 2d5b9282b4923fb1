// The main window's life and its colour code lookups.
#include "ui/form1.h"

#include <commctrl.h>

#include <iterator>

#include "base/number_text.h"
#include "glyph/function.h"
#include "model/colour_code.h"
#include "services/conversions.h"
#include "ui/form2.h"

namespace ui {

Form1::Form1() : platform::Form(Form1Def(), Form1Layout()) { Form_Initialize(); }

Form1::~Form1() { Unload(); }

void Form1::Form_Initialize() {
    // With the manifest's common controls 6, the controls take the current
    // visual style; without the common controls (the tooltips among them)
    // the window is not shown at all.
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
    if (!InitCommonControlsEx(&classes)) RefuseLoad(GetLastError());
}

std::wstring Form1::Rang(const std::wstring& index) const { return model::Rang(index); }
std::wstring Form1::Rang2(const std::wstring& colour) const { return model::Rang2(colour); }
std::wstring Form1::Tolerance(const std::wstring& index) const { return model::Tolerance(index); }
std::wstring Form1::MAs(const std::wstring& position) const { return model::MAs(position); }

bool Form1::PaintBand(platform::Control& band, const std::wstring& index) {
    const auto colour = services::TextToInt32(Rang(index));
    if (!colour) return false;
    const platform::OleColour before = band.BackColor();
    const reader::BandColour was = BandIndex(band);
    band.SetBackColor(static_cast<platform::OleColour>(*colour));
    if (band.BackColor() != before) TellRecoloured(band, was);
    return true;
}

void Form1::TellRecoloured(const platform::Control& band, reader::BandColour was) {
    // The legend's names are its table's, whatever its colour.
    if (!BandAtOf(band)) return;
    const platform::Control* unchosen = nullptr;
    const platform::Control* chosen = nullptr;
    const reader::BandColour now = BandIndex(band);
    for (std::size_t p = 0; p < found_.paletteBands.size(); ++p) {
        if (found_.paletteBands[p] != &band) continue;   // the writer's bands have no palettes
        if (was) unchosen = found_.swatches[p][static_cast<std::size_t>(*was)];
        if (now) chosen = found_.swatches[p][static_cast<std::size_t>(*now)];
    }
    screenReader_.OnBandRecoloured(band, unchosen, chosen);
}

bool Form1::PaintBand(platform::Control& band, int index) { return PaintBand(band, base::IntegerText(index)); }

void Form1::PaintRow(const BandControls& bands, const model::BandRow& row) {
    for (std::size_t i = 0; i < row.digits.size(); ++i)
        if (row.digits[i]) PaintBand(*bands.digits[i], *row.digits[i]);
    if (row.multiplier) PaintBand(*bands.multiplier, *row.multiplier);
    if (row.tolerance) PaintBand(*bands.tolerance, *row.tolerance);
}

void Form1::Form_Load() {
    for (std::size_t r = 0; r < kReaders.size(); ++r) found_.readers[r] = FindBands(kReaders[r]);
    found_.writerBands = FindBands(kWriter);
    found_.valueBox = &Item(L"Text1");
    found_.toleranceList = &Item(L"Combo1");
    for (const BandControls& r : found_.readers) r.readout->SetCueBanner(kReadoutCue);
    for (std::size_t p = 0; p < kPalettes.size(); ++p) {
        found_.paletteBands[p] = &Item(kPalettes[p].band);
        for (int i = 0; i < kPalettes[p].count; ++i) {
            const int index = kPalettes[p].indexes[static_cast<std::size_t>(i)];
            found_.swatches[p][static_cast<std::size_t>(index)] = &Item(kPalettes[p].name, index);
        }
    }
    for (std::size_t k = 0; k < found_.legend.size(); ++k)   // P1 Black .. P12 Gold
        found_.legend[k] = &Item(L"P" + base::IntegerText(static_cast<int>(k) + 1));
    Item(L"Label1").SetWordsUnder({found_.legend.begin(), found_.legend.end()});   // each number under its swatch
    found_.calculate = &Item(L"CCal");
    found_.aboutButton = &Item(L"CAb");
    found_.ohm = &Item(L"Picture5");

    CCal_Click();                       // finds no selection and picks "±5%" itself
    found_.toleranceList->SetListIndex(kFivePercentPosition);
    for (std::size_t k = 0; k < found_.legend.size(); ++k)   // the legend, in the bands' own colours
        PaintBand(*found_.legend[k], static_cast<int>(k));
    glyph::SetButtonPicLeft(*found_.calculate, Item(L"PicCal"));
    glyph::SetButtonPicRight(*found_.aboutButton, Item(L"Pab"));
    AppendAlwaysOnTop();
}

void Form1::Form_Unload(short& cancel) {
    (void)cancel;   // closing is never cancelled
    if (about_ && about_->IsLoaded()) about_->Unload();
    glyph::RemoveButtonPic(*found_.calculate);
    glyph::RemoveButtonPic(*found_.aboutButton);
}

void Form1::OnRescaled() {
    // The glyph buttons' captions were padded for the old dpi's font.
    glyph::RefitButtonPic(*found_.calculate);
    glyph::RefitButtonPic(*found_.aboutButton);
}

void Form1::BeforeControlsDropped() {
    // Nothing is kept of controls that are going; Form_Load finds the new ones.
    found_ = {};
}

BandControls Form1::FindBands(const Drawing& bands) const {
    BandControls found;
    found.shape = &bands;
    found.drawing = &Item(bands.drawing);
    found.digitCount = bands.colours->digitCount;
    for (int i = 0; i < found.digitCount; ++i)
        found.digits[static_cast<std::size_t>(i)] = &Item(bands.digits[static_cast<std::size_t>(i)]);
    found.multiplier = &Item(bands.multiplier);
    found.tolerance = &Item(bands.tolerance);
    found.readout = bands.readout ? &Item(bands.readout) : nullptr;
    return found;
}

void Form1::CAb_Click() {
    if (!about_) about_ = std::make_unique<Form2>();
    about_->ShowModal(*this);
}

std::optional<SwatchAt> Form1::SwatchOf(const platform::Control& control) const {
    const int index = control.Index();
    if (index < 0 || index >= model::kColourCount) return std::nullopt;
    for (std::size_t p = 0; p < found_.swatches.size(); ++p)
        if (found_.swatches[p][static_cast<std::size_t>(index)] == &control) return SwatchAt{static_cast<int>(p), index};
    return std::nullopt;
}

void Form1::OnClick(platform::Control& control) {
    // The click handlers of the palettes, in kPalettes' order.
    using Handler = void (Form1::*)(const short&);
    static constexpr Handler kPaletteHandlers[] = {&Form1::Pict_Click, &Form1::Pi_Click, &Form1::P_Click,
                                                   &Form1::D_Click,    &Form1::T_Click,  &Form1::H_Click,
                                                   &Form1::Y_Click,    &Form1::Q_Click,  &Form1::E_Click};
    static_assert(std::size(kPaletteHandlers) == kPalettes.size());
    if (const auto swatch = SwatchOf(control)) {
        const short index = static_cast<short>(swatch->index);
        (this->*kPaletteHandlers[swatch->palette])(index);
    } else if (&control == found_.calculate) {
        CCal_Click();
    } else if (&control == found_.aboutButton) {
        CAb_Click();
    }
    // Bands, drawings, legend swatches, the ohm sign and labels have no handler.
}

}  // namespace ui

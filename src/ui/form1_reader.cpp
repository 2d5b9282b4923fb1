// Reading bands: the nine palettes paint their band, then the reader's
// readout is rebuilt from all of its bands.
#include <string>
#include <vector>

#include "base/number_text.h"
#include "model/colour_code.h"
#include "reader/misread.h"
#include "reader/readout.h"
#include "reader/series_note.h"
#include "services/conversions.h"
#include "ui/form1.h"
#include "ui/palettes.h"

namespace ui {

std::wstring PlainNumber(double value) {
    std::wstring text = services::PlainNumberText(value);
    return text.empty() ? base::DecimalText(value, services::DecimalSeparator()) : text;
}

void Form1::PaintSwatchBand(PaletteId palette, const short& index) {
    // The band takes the colour code's colour, never the swatch's own.
    PaintBand(*found_.paletteBands[palette], index);
    RRang(kPalettes[palette].selector);
}

void Form1::Pict_Click(const short& index) { PaintSwatchBand(kPict, index); }
void Form1::Pi_Click(const short& index) { PaintSwatchBand(kPi, index); }
void Form1::P_Click(const short& index) { PaintSwatchBand(kP, index); }
void Form1::D_Click(const short& index) { PaintSwatchBand(kD, index); }
void Form1::T_Click(const short& index) { PaintSwatchBand(kT, index); }
void Form1::H_Click(const short& index) { PaintSwatchBand(kH, index); }
void Form1::Y_Click(const short& index) { PaintSwatchBand(kY, index); }
void Form1::Q_Click(const short& index) { PaintSwatchBand(kQ, index); }
void Form1::E_Click(const short& index) { PaintSwatchBand(kE, index); }

reader::BandColour Form1::BandIndex(const platform::Control& band) const {
    return model::IndexOfText(Rang2(base::IntegerText(static_cast<std::int32_t>(band.BackColor()))));
}

model::BandRow Form1::BandRowOf(const BandControls& bands) const {
    model::BandRow indexes;
    for (int i = 0; i < bands.digitCount; ++i) indexes.digits.push_back(BandIndex(*bands.digits[static_cast<std::size_t>(i)]));
    indexes.multiplier = BandIndex(*bands.multiplier);
    indexes.tolerance = BandIndex(*bands.tolerance);
    return indexes;
}

void Form1::RRang(const int& selector) {
    const Drawing* reader = ReaderFor(selector);
    if (!reader) return;
    BandControls& bands = found_.readers[static_cast<std::size_t>(reader - kReaders.data())];
    // Each band's colour to its index (Rang2), the tolerance band's index to
    // its text (Tolerance), then value and tolerance text.
    const model::BandRow row = BandRowOf(bands);
    const std::wstring tolerance = Tolerance(row.tolerance ? base::IntegerText(*row.tolerance) : std::wstring());
    bands.read = true;
    bands.readout->SetText(reader::ReadoutText(row, tolerance, kPlatformNumbers));
    tips_.Refresh();   // a tip showing for this reader, its readout or a band tells what they now show
}

std::optional<std::wstring> Form1::SeriesNoteOf(const platform::Control& control) const {
    if (&control == found_.writerBands.drawing)
        return reader::WriterNote(BandRowOf(found_.writerBands), kPlatformNumbers, cutFrom_);
    for (std::size_t r = 0; r < found_.readers.size(); ++r) {
        if (&control != found_.readers[r].readout) continue;
        if (!found_.readers[r].read) return std::wstring();   // nothing read yet: whatever is typed there stands for no bands
        // Beneath the note, which band may have been misread, one hint a line.
        const model::BandRow indexes = BandRowOf(found_.readers[r]);
        const model::BandSet& palettes = *kReaders[r].colours;
        const std::wstring note = reader::SeriesNote(indexes, palettes, kPlatformNumbers);
        const std::wstring hints = reader::MisreadHints(indexes, palettes, kPlatformNumbers);
        return hints.empty() ? note : note + L"\n" + hints;
    }
    return std::nullopt;
}

}  // namespace ui

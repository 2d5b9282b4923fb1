// Reading bands: the nine palettes paint their band, then the reader's
// readout is rebuilt from all of its bands.
#include <string>
#include <vector>

#include "platform/conversions.h"
#include "ui/palettes.h"
#include "reader/readout.h"
#include "reader/series_note.h"
#include "ui/form1.h"

namespace ui {

void Form1::PaintSwatchBand(const wchar_t* paletteName, const short& index) {
    for (std::size_t p = 0; p < kPalettes.size(); ++p) {
        if (std::wstring_view(kPalettes[p].name) != paletteName) continue;
        // The band takes the colour code's colour, never the swatch's own.
        PaintBand(*paletteBands_[p], platform::IntegerText(index));
        RRang(kPalettes[p].selector);
        return;
    }
}

void Form1::Pict_Click(const short& index) { PaintSwatchBand(L"Pict", index); }
void Form1::Pi_Click(const short& index) { PaintSwatchBand(L"Pi", index); }
void Form1::P_Click(const short& index) { PaintSwatchBand(L"P", index); }
void Form1::D_Click(const short& index) { PaintSwatchBand(L"D", index); }
void Form1::T_Click(const short& index) { PaintSwatchBand(L"T", index); }
void Form1::H_Click(const short& index) { PaintSwatchBand(L"H", index); }
void Form1::Y_Click(const short& index) { PaintSwatchBand(L"Y", index); }
void Form1::Q_Click(const short& index) { PaintSwatchBand(L"Q", index); }
void Form1::E_Click(const short& index) { PaintSwatchBand(L"E", index); }

std::wstring Form1::BandIndex(const platform::Control& band) const {
    return Rang2(platform::IntegerText(static_cast<std::int32_t>(band.BackColor())));
}

reader::BandIndexes Form1::BandIndexes(const BandControls& bands) const {
    reader::BandIndexes indexes;
    for (int i = 0; i < bands.digitCount; ++i) indexes.digits.push_back(BandIndex(*bands.digits[static_cast<std::size_t>(i)]));
    indexes.multiplier = BandIndex(*bands.multiplier);
    indexes.tolerance = BandIndex(*bands.tolerance);
    return indexes;
}

void Form1::RRang(const int& selector) {
    const Reader* reader = ReaderFor(selector);
    if (!reader) return;
    BandControls& bands = BandsOf(*reader);
    // Each band's colour to its index (Rang2), then value and tolerance text.
    bands.read = true;
    bands.readout->SetText(reader::ReadoutText(BandIndexes(bands), kPlatformNumbers));
}

std::optional<std::wstring> Form1::SeriesNoteOf(const platform::Control& control) const {
    if (control.Name() == L"Picture6")
        return reader::WriterNote(BandIndexes(writer_), kPlatformNumbers, cutFrom_);
    for (const BandControls& r : readers_) {
        if (&control != r.readout) continue;
        if (!r.read) return std::wstring();   // nothing read yet: whatever is typed there stands for no bands
        return reader::SeriesNote(BandIndexes(r), kPlatformNumbers);
    }
    return std::nullopt;
}

}  // namespace ui

// Reading bands: the nine palettes paint their band, then the reader's
// readout is rebuilt from all of its bands.
#include <string>
#include <vector>

#include "platform/conversions.h"
#include "ui/palettes.h"
#include "reader/readout.h"
#include "ui/form1.h"

namespace ui {

void Form1::PaintSwatchBand(const wchar_t* paletteName, const short& index) {
    for (const Palette& palette : kPalettes) {
        if (std::wstring_view(palette.name) != paletteName) continue;
        // The band takes the colour code's colour, never the swatch's own.
        PaintBand(palette.band, platform::IntegerText(index));
        RRang(palette.selector);
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

void Form1::RRang(const int& selector) {
    const Reader* reader = ReaderFor(selector);
    if (!reader) return;
    auto colourOf = [this](const wchar_t* band) {
        return platform::IntegerText(static_cast<std::int32_t>(Item(band).BackColor()));
    };
    std::vector<std::wstring> digits;
    for (int i = 0; i < reader->digitCount; ++i) digits.push_back(colourOf(reader->digits[static_cast<std::size_t>(i)]));
    static constexpr reader::NumberTexts kPlatformNumbers{platform::PaddedNumberText, platform::PlainNumberText};
    Item(reader->readout).SetText(reader::ReadoutText(digits, colourOf(reader->multiplier),
                                                      colourOf(reader->tolerance), kPlatformNumbers));
}

}  // namespace ui

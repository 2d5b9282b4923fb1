// The readers write as well as read: a value typed in a readout becomes that
// reader's bands, through the same Rang and RRang as a swatch click, so the
// readout then shows the value in its own notation.
#include <string>

#include "base/number_text.h"
#include "model/band_sets.h"
#include "model/colour_code.h"
#include "reader/readout.h"
#include "reader/series_note.h"
#include "services/conversions.h"
#include "services/folding.h"
#include "ui/form1.h"
#include "writer/cut_note.h"
#include "writer/readout_entry.h"

namespace ui {
namespace {

constexpr wchar_t kNotAValue[] = L"Type a value in ohms, such as 4.7K, 4700 or 4.75K 1%";
// Each reader in the balloon's words, with values it shows, in kReaders' order.
constexpr struct {
    const wchar_t* name;
    const wchar_t* examples;
} kReaderWords[] = {
    {L"The four-band reader", L"0.47 or 4.7K"},
    {L"The five-band reader", L"4.75K or 100K"},
};

// A value as a readout writes it, with a full stop in every locale: "0.1", "99M".
std::wstring ReadoutValue(model::BandsValue value) {
    return reader::QuotedValueText(base::IntegerText(value.digits), value.power, reader::NumberTexts{});
}

// "The four-band reader shows 0.1 up to 99M ohms, such as ...": the values
// its bands show, from the smallest to the largest.
std::wstring RangeOf(std::size_t reader) {
    const model::BandSet& colours = *kReaders[reader].colours;
    std::wstring text = kReaderWords[reader].name;
    text += L" shows ";
    text += ReadoutValue(model::SmallestShown(colours));
    text += L" up to ";
    text += ReadoutValue(model::LargestShown(colours));
    text += L" ohms, such as ";
    text += kReaderWords[reader].examples;
    return text;
}

// "±1%, ±2%, ... or ±10%": the tolerances of the colours the reader's
// tolerance band shows, in the order of the tolerance list.
std::wstring OfferedTolerances(std::size_t reader) {
    const model::Colours shown = kReaders[reader].colours->tolerance;
    int left = 0;
    for (const model::ToleranceRow& row : model::kTolerances) left += model::Holds(shown, row.band);
    std::wstring text = L"Tolerance bands carry ";
    for (const model::ToleranceRow& row : model::kTolerances) {
        if (!model::Holds(shown, row.band)) continue;
        text += row.text;
        --left;
        text += left > 1 ? L", " : left == 1 ? L" or " : L"";
    }
    return text;
}

}  // namespace

bool Form1::OnReadoutKey(std::size_t reader, UINT key) {
    switch (key) {
    case VK_RETURN: WriteReader(reader); return true;
    case VK_ESCAPE: RestoreReadout(reader); return true;
    case VK_UP:
    case VK_DOWN: StepReader(reader, key == VK_UP); return true;
    default: return false;   // typing alone changes no band
    }
}

std::wstring Form1::RefusalOf(std::size_t reader, writer::EntryError error) const {
    switch (error) {
    case writer::EntryError::OutOfRange: return RangeOf(reader);
    case writer::EntryError::NoSuchTolerance: return OfferedTolerances(reader);
    case writer::EntryError::NotAValue: break;
    }
    return kNotAValue;
}

void Form1::WriteReader(std::size_t reader) {
    const BandControls& bands = found_.readers[reader];
    const std::wstring separator = services::DecimalSeparator();
    // Every keyboard's digits, read as the 0 to 9 they stand for; the readout
    // keeps what was typed until RRang rewrites it.
    const writer::ReaderEntry entry =
        writer::ReaderEntryFor(services::FoldedText(bands.readout->Text()), *kReaders[reader].colours, separator);
    if (!entry.bands) {
        ShowNotWritten(*bands.readout, RefusalOf(reader, entry.error));   // the text stays, to be mended
        return;
    }
    PaintReader(reader, *entry.bands);
    if (const std::wstring cut = writer::CutNote(entry, kPlatformNumbers, separator); !cut.empty())
        ShowCut(*bands.readout, cut);
}

void Form1::PaintReader(std::size_t reader, const model::BandRow& written) {
    const BandControls& bands = found_.readers[reader];
    PaintRow(bands, written);   // a row without a tolerance leaves the tolerance band as it is
    RRang(kReaders[reader].selector);
    bands.readout->MoveCaretToEnd();   // the user typed here: on after the rewritten text
}

void Form1::RestoreReadout(std::size_t reader) {
    const BandControls& bands = found_.readers[reader];
    if (bands.read) RRang(kReaders[reader].selector);
    else bands.readout->SetText(std::wstring());
    bands.readout->MoveCaretToEnd();
}

void Form1::StepReader(std::size_t reader, bool up) {
    const BandControls& bands = found_.readers[reader];
    // From the value the bands show, whatever is typed in the readout.
    const model::BandRow indexes = BandRowOf(bands);
    const auto value = reader::ValueOfBands(indexes);
    const auto series = reader::SeriesFor(indexes.tolerance);
    if (!value || series.empty()) return;
    const auto next = writer::SteppedReaderBands(value->digits, value->power, series, *kReaders[reader].colours,
                                                 up ? writer::Step::Up : writer::Step::Down);
    if (!next) return;   // an end of the reader's range
    PaintReader(reader, *next);
}

}  // namespace ui

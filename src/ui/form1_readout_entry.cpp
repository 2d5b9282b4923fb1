// The readers write as well as read: a value typed in a readout becomes that
// reader's bands, through the same Rang and RRang as a swatch click, so the
// readout then shows the value in its own notation.
#include <string>

#include "model/colour_code.h"
#include "platform/conversions.h"
#include "platform/number_text.h"
#include "platform/folding.h"
#include "reader/readout.h"
#include "reader/series_note.h"
#include "ui/form1.h"
#include "writer/cut_note.h"
#include "writer/readout_entry.h"

namespace ui {
namespace {

constexpr wchar_t kNotAValue[] = L"Type a value in ohms, such as 4.7K, 4700 or 4.75K 1%";
// What each reader's palettes carry, in kReaders' order.
constexpr const wchar_t* kRanges[] = {
    L"The four-band reader shows 0.1 up to 99M ohms, such as 0.47 or 4.7K",
    L"The five-band reader shows 1 up to 999M ohms, such as 4.75K or 100K",
};

// "±1%, ±2%, ... or ±10%": the tolerance list's entries, which are the
// tolerance colours the readers' palettes offer.
std::wstring OfferedTolerances() {
    std::wstring list;
    for (std::size_t i = 0; i < model::kTolerances.size(); ++i)
        list += (i == 0 ? L"" : i + 1 == model::kTolerances.size() ? L" or " : L", ") +
                std::wstring(model::kTolerances[i].text);
    return L"Tolerance bands carry " + list;
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
    case writer::EntryError::OutOfRange: return kRanges[reader];
    case writer::EntryError::NoSuchTolerance: return OfferedTolerances();
    case writer::EntryError::NotAValue: break;
    }
    return kNotAValue;
}

void Form1::WriteReader(std::size_t reader) {
    const BandControls& bands = found_.readers[reader];
    const std::wstring separator = platform::DecimalSeparator();
    // Every keyboard's digits, read as the 0 to 9 they stand for; the readout
    // keeps what was typed until RRang rewrites it.
    const writer::ReaderEntry entry =
        writer::ReaderEntryFor(platform::FoldedText(bands.readout->Text()), bands.digitCount, separator);
    if (!entry.bands) {
        ShowNotWritten(*bands.readout, RefusalOf(reader, entry.error));   // the text stays, to be mended
        return;
    }
    PaintReader(reader, *entry.bands);
    if (const std::wstring cut = writer::CutNote(entry, kPlatformNumbers, separator); !cut.empty())
        ShowCut(*bands.readout, cut);
}

void Form1::PaintReader(std::size_t reader, const writer::ReaderBands& written) {
    const BandControls& bands = found_.readers[reader];
    for (std::size_t i = 0; i < written.digits.size(); ++i)
        PaintBand(*bands.digits[i], platform::IntegerText(written.digits[i]));
    PaintBand(*bands.multiplier, platform::IntegerText(written.multiplier));
    if (written.tolerance >= 0) PaintBand(*bands.tolerance, platform::IntegerText(written.tolerance));
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
    const reader::BandIndexes indexes = BandIndexes(bands);
    const auto value = reader::ValueOfBands(indexes);
    const auto series = reader::SeriesFor(indexes.tolerance);
    if (!value || series.empty()) return;
    const auto next = writer::SteppedReaderBands(value->digits, value->power, series.front(), bands.digitCount,
                                                 up ? writer::Step::Up : writer::Step::Down);
    if (!next) return;   // an end of the reader's range
    PaintReader(reader, *next);
}

}  // namespace ui

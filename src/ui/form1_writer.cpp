// Writing bands: "Calculate" paints the four-band writer from the typed value
// and the chosen tolerance, and says why when it cannot, or when the bands
// show less than the value.
#include "base/number_text.h"
#include "model/band_sets.h"
#include "reader/readout.h"
#include "services/conversions.h"
#include "services/folding.h"
#include "ui/form1.h"
#include "writer/band_choice.h"
#include "writer/cut_note.h"
#include "writer/grouping.h"

namespace ui {
namespace {

// Why bands 1 to 3 stayed as they were: a text that is no number, or a
// number that the writer's bands do not carry (negative, between 0 and
// 0.01, 100 G or more, or beyond what a double holds either way), a text
// with grouping, which the system would read as another number, or a text
// too long to be a value.
constexpr wchar_t kNotWrittenTitle[] = L"Bands not changed";
constexpr wchar_t kNoNumber[] = L"Type a value in ohms, such as 4700 or 4.7";

// "Four bands carry 0 or 0.01 up to 99 G ohms, ...": zero, then the values
// above it that the writer's bands show, from the smallest to the largest.
std::wstring NoSuchResistor() {
    constexpr model::BandsValue smallest = model::SmallestShown(model::kFourBandWriter);
    constexpr double largestInGiga = model::ValueOf(model::LargestShown(model::kFourBandWriter)) / 1e9;
    std::wstring text = L"Four bands carry 0 or ";
    text += reader::QuotedValueText(base::IntegerText(smallest.digits), smallest.power, reader::NumberTexts{});
    text += L" up to ";
    text += base::DecimalText(largestInGiga, L'.');
    text += L" G ohms, such as 0.47 or 4700000";
    return text;
}

// "Type 4.7 with "." as the decimal mark", "Type 1000 without the group separator"
std::wstring TypeWithoutGrouping(const writer::Ungrouped& ungrouped, const std::wstring& mark) {
    if (ungrouped.groupSeparator) return L"Type " + ungrouped.example + L" without the group separator";
    return L"Type " + ungrouped.example + L" with \"" + mark + L"\" as the decimal mark";
}

// No value needs more characters than this; a longer text is refused before
// the system's conversion reads it, as that misreads texts of a thousand
// digits and more (as 475 for 4750 followed by 1,021 zeros).
constexpr std::size_t kLongestValue = 100;
std::wstring TooLong() {
    return L"A value has at most " + base::IntegerText(static_cast<long long>(kLongestValue)) + L" characters";
}

// The bands were written, but carry fewer digits than the value has.
constexpr wchar_t kCutTitle[] = L"Value cut";

}  // namespace

void Form1::ShowNotWritten(const platform::Control& box, const std::wstring& why) {
    balloon_.Show(box, kNotWrittenTitle, why);
}

void Form1::ShowCut(const platform::Control& box, const std::wstring& note) {
    balloon_.Show(box, kCutTitle, note, tips::BalloonIcon::Information);
}

std::optional<Form1::Writing> Form1::ReadValueBox(std::wstring& refusal) const {
    const std::wstring typed = found_.valueBox->Text();
    if (typed.size() > kLongestValue) {
        refusal = TooLong();
        return std::nullopt;
    }
    // Every keyboard's digits, read as the 0 to 9 they stand for; the box keeps what was typed.
    const std::wstring text = services::FoldedText(typed);
    const std::wstring mark = services::DecimalSeparator();
    if (const auto ungrouped = writer::UngroupedText(text, mark, services::FoldedText(services::GroupSeparator()))) {
        refusal = TypeWithoutGrouping(*ungrouped, mark);
        return std::nullopt;
    }
    const services::ReadNumber number = services::ReadDouble(text);
    // The system's number becomes digits here, once; the writer works on them.
    const auto ohms = number.value ? writer::WriterDecimal(*number.value) : std::nullopt;
    const auto bands = ohms ? writer::BandsForValue(*ohms) : std::nullopt;
    if (bands) return Writing{*ohms, *bands};
    refusal = number.value || number.outOfRange ? NoSuchResistor() : kNoNumber;
    return std::nullopt;
}

std::optional<Form1::Writing> Form1::ValueToWrite() {
    std::wstring refusal;
    const auto writing = ReadValueBox(refusal);
    if (!writing) ShowNotWritten(*found_.valueBox, refusal);
    return writing;
}

void Form1::CCal_Click() {
    // The bands come from the number the text stands for, not from its
    // characters: "4.7" is Yellow, Purple, Gold. A text that is no number, or
    // a number no four-band code can show, leaves bands 1 to 3 as they are;
    // they change together or not at all.
    const auto writing = ValueToWrite();
    if (writing) PaintRow(found_.writerBands, writing->bands);   // its tolerance band is the list's, below
    if (found_.toleranceList->ListIndex() == -1) found_.toleranceList->SetListIndex(kFivePercentPosition);
    PaintBand(*found_.writerBands.tolerance, MAs(base::IntegerText(found_.toleranceList->ListIndex())));
    if (writing) TellCut(writing->ohms);
    tips_.Refresh();   // a tip showing for the writer or its bands tells the bands as they now are
}

void Form1::TellCut(const base::Decimal& ohms) {
    // Bands that show less than the value are still the right bands to look
    // for, but not the right part to buy: say so rather than cut in silence.
    const std::wstring separator = services::DecimalSeparator();
    const std::wstring cut = writer::CutNote(ohms, kPlatformNumbers, separator);
    cutFrom_ = cut.empty() ? std::wstring() : base::PlainDigitsText(ohms.digits, ohms.exponent, separator);
    if (cut.empty()) balloon_.Hide();
    else ShowCut(*found_.valueBox, cut);
}

void Form1::OnChange(platform::Control& control) {
    // The text the balloon spoke of is being mended or rewritten.
    if (&control == found_.valueBox || IsReadout(control)) balloon_.Hide();
}

}  // namespace ui

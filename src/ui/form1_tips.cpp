// What the main window tells beyond its pixels: each swatch, band and legend
// swatch by its colour's name and meaning there, for the tooltips and for
// screen readers, and the names of the drawings and the boxes.
#include <cwctype>
#include <string>
#include <string_view>

#include "base/number_text.h"
#include "model/band_row.h"
#include "model/colour_code.h"
#include "reader/band_meaning.h"
#include "ui/form1.h"
#include "ui/palettes.h"

namespace ui {
namespace {

using reader::BandRole;

// The controls with a name of their own beyond the drawings and readouts,
// which kReaders names, and what a screen reader is to say of a box's use
// beyond its name.
constexpr struct {
    platform::Control* Form1Controls::*control;
    const wchar_t* name;
    const wchar_t* description = L"";
} kNames[] = {
    {&Form1Controls::ohm, L"Ohm"},
    {&Form1Controls::valueBox, L"Value in ohms", L"Up and Down step through standard values"},
    {&Form1Controls::toleranceList, L"Tolerance"},
    // The glyph buttons pad their captions with spaces; the About caption is Persian.
    {&Form1Controls::calculate, L"Calculate"},
    {&Form1Controls::aboutButton, L"About"},
};

const wchar_t* const kDigitPlaces[] = {L"First digit", L"Second digit", L"Third digit"};

std::wstring PlaceName(model::BandPlace place) {
    switch (place.role) {
    case BandRole::Digit: return kDigitPlaces[place.digit];
    case BandRole::Multiplier: return L"Multiplier";
    case BandRole::Tolerance: return L"Tolerance";
    }
    return std::wstring();
}

// a, then b after `separator`; either may be empty.
std::wstring Joined(const std::wstring& a, const std::wstring& b, const wchar_t* separator = L", ") {
    return a.empty() ? b : b.empty() ? a : a + separator + b;
}

// "First digit, ..." as it reads after a comma: "first digit, ...".
std::wstring Lowered(std::wstring text) {
    if (!text.empty()) text[0] = static_cast<wchar_t>(std::towlower(text[0]));
    return text;
}

}  // namespace

std::optional<Form1::BandAt> Form1::BandAtOf(const platform::Control& control) const {
    for (const BandControls* drawing : {&found_.readers[0], &found_.readers[1], &found_.writerBands}) {
        for (int place = 0; place < drawing->digitCount + 2; ++place)
            if (&control == model::MemberAt(*drawing, drawing->digitCount, place)) return BandAt{drawing, place + 1};
    }
    return std::nullopt;
}

int Form1::LegendIndexOf(const platform::Control& control) const {
    for (std::size_t k = 0; k < found_.legend.size(); ++k)
        if (&control == found_.legend[k]) return static_cast<int>(k);
    return -1;
}

const wchar_t* Form1::OwnNameOf(const platform::Control& control, const wchar_t** description) const {
    if (description) *description = L"";
    for (const BandControls* drawing : {&found_.readers[0], &found_.readers[1], &found_.writerBands}) {
        if (&control == drawing->drawing) return drawing->shape->title;
        if (&control == drawing->readout) return drawing->shape->readoutTitle;
    }
    for (const auto& named : kNames) {
        if (&control != found_.*named.control) continue;
        if (description) *description = named.description;
        return named.name;
    }
    return nullptr;
}

words::ControlWords Form1::Words(const platform::Control& control) const {
    if (const auto swatch = SwatchOf(control)) {
        // The eye sees which reader a swatch stands in; a screen reader says it first.
        const platform::Control& painted = *found_.paletteBands[static_cast<std::size_t>(swatch->palette)];
        const BandAt band = *BandAtOf(painted);
        const wchar_t* resistor = band.drawing->shape->title;
        const model::BandPlace place = model::PlaceOf(band.drawing->digitCount, band.number - 1);
        const BandRole role = place.role;
        const std::wstring meaning = reader::ColourMeaning(static_cast<model::ColourIndex>(swatch->index), role);
        // Chosen while its band shows its colour, however the band came by it.
        const bool chosen = BandIndex(painted) == static_cast<model::ColourIndex>(swatch->index);
        return {meaning, std::wstring(resistor) + L", " + Lowered(Joined(PlaceName(place), meaning)),
                resistor, true, {}, true, chosen};
    }
    if (const auto band = BandAtOf(control)) {
        // The band's colour as the readout reads it; a band not yet painted has none.
        const wchar_t* resistor = band->drawing->shape->title;
        const model::BandPlace place = model::PlaceOf(band->drawing->digitCount, band->number - 1);
        const BandRole role = place.role;
        const std::wstring tip = Joined(PlaceName(place), reader::ColourMeaning(BandIndex(control), role));
        return {tip, std::wstring(resistor) + L" band " + base::IntegerText(band->number) + L", " + Lowered(tip),
                resistor, false, {}};
    }
    if (const int k = LegendIndexOf(control); k >= 0) {
        const std::wstring meaning = reader::LegendMeaning(static_cast<model::ColourIndex>(k));
        return {meaning, L"Legend, " + meaning, L"Legend", false, {}};
    }
    const wchar_t* description = L"";
    if (const wchar_t* name = OwnNameOf(control, &description)) {
        // The readouts and the writer's drawing tell whether their value is a
        // standard one; their words change with every click.
        // A readout is typed in as well: its tip, under the note, and its
        // help say how.
        const std::wstring help = IsReadout(control) ? kReadoutUse : L"";
        const auto note = SeriesNoteOf(control);
        return {Joined(note.value_or(L""), help, L"\n"), name, note ? *note : description, false, help};
    }
    return {};
}

bool Form1::Named(const platform::Control& control) const {
    // Every swatch, band, legend swatch and named control has a name. Asked
    // of every box at each focus move: the swatches, most of them, answer first.
    return SwatchOf(control) || BandAtOf(control) || LegendIndexOf(control) >= 0 || OwnNameOf(control);
}

}  // namespace ui

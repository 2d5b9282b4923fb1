// What the main window tells beyond its pixels: each swatch, band and legend
// swatch by its colour's name and meaning there, for the tooltips and for
// screen readers, and the names of the drawings and the boxes.
#include <cwctype>
#include <string>
#include <string_view>

#include "model/colour_code.h"
#include "platform/conversions.h"
#include "reader/band_meaning.h"
#include "ui/palettes.h"
#include "ui/form1.h"

namespace ui {
namespace {

using reader::BandRole;

// A band of a resistor drawing: the drawing's name, its place and role.
struct BandPlace {
    const wchar_t* band;
    const wchar_t* resistor;
    int number;
    BandRole role;
};

constexpr BandPlace kBands[] = {
    {L"TT", L"Five-band reader", 1, BandRole::Digit},
    {L"HT", L"Five-band reader", 2, BandRole::Digit},
    {L"YT", L"Five-band reader", 3, BandRole::Digit},
    {L"QT", L"Five-band reader", 4, BandRole::Multiplier},
    {L"ET", L"Five-band reader", 5, BandRole::Tolerance},
    {L"Picture8", L"Four-band reader", 1, BandRole::Digit},
    {L"Picture9", L"Four-band reader", 2, BandRole::Digit},
    {L"Picture10", L"Four-band reader", 3, BandRole::Multiplier},
    {L"Picture11", L"Four-band reader", 4, BandRole::Tolerance},
    {L"Picture1", L"Four-band writer", 1, BandRole::Digit},
    {L"Picture2", L"Four-band writer", 2, BandRole::Digit},
    {L"Picture3", L"Four-band writer", 3, BandRole::Multiplier},
    {L"Picture4", L"Four-band writer", 4, BandRole::Tolerance},
};

// Names of the controls that need one of their own, and what a screen reader
// is to say of a box's use beyond its name.
constexpr struct {
    const wchar_t* control;
    const wchar_t* name;
    const wchar_t* description = L"";
} kNames[] = {
    {L"Picture12", L"Five-band reader"}, {L"Picture7", L"Four-band reader"},
    {L"Picture6", L"Four-band writer"},  {L"Picture5", L"Ohm"},
    {L"Text3", L"Five-band value"},      {L"Text4", L"Four-band value"},
    {L"Text1", L"Value in ohms", L"Up and Down step through standard values"},
    {L"Combo1", L"Tolerance"},
    // The glyph buttons pad their captions with spaces; the About caption is Persian.
    {L"CCal", L"Calculate"},             {L"CAb", L"About"},
};

const wchar_t* const kDigitPlaces[] = {L"First digit", L"Second digit", L"Third digit"};

std::wstring PlaceOf(BandRole role, int number) {
    switch (role) {
    case BandRole::Digit: return kDigitPlaces[number - 1];
    case BandRole::Multiplier: return L"Multiplier";
    case BandRole::Tolerance: return L"Tolerance";
    }
    return std::wstring();
}

// a, then b after `separator`; either may be empty.
std::wstring Joined(const std::wstring& a, const std::wstring& b, const wchar_t* separator = L", ") {
    return a.empty() ? b : b.empty() ? a : a + separator + b;
}

// The colour index a legend swatch stands for: P1 Black .. P12 Gold; -1 for
// any other control.
int LegendIndex(const platform::Control& control) {
    const std::wstring& name = control.Name();
    if (control.Index() != -1 || name.size() < 2 || name.size() > 3 || name[0] != L'P') return -1;
    int number = 0;
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (name[i] < L'0' || name[i] > L'9') return -1;
        number = number * 10 + (name[i] - L'0');
    }
    return number >= 1 && number <= model::kColourCount ? number - 1 : -1;
}

// The band a palette paints, for its reader, place and role.
const BandPlace& BandOf(const ui::Palette& palette) {
    for (const BandPlace& place : kBands)
        if (std::wstring_view(place.band) == palette.band) return place;
    return kBands[0];   // every palette paints one of the bands above
}

// "First digit, ..." as it reads after a comma: "first digit, ...".
std::wstring Lowered(std::wstring text) {
    if (!text.empty()) text[0] = static_cast<wchar_t>(std::towlower(text[0]));
    return text;
}

}  // namespace

words::ControlWords Form1::Words(const platform::Control& control) const {
    const std::wstring& name = control.Name();
    for (const ui::Palette& palette : ui::kPalettes) {
        if (name != palette.name) continue;
        // The eye sees which reader a swatch stands in; a screen reader says it first.
        const BandPlace& band = BandOf(palette);
        const std::wstring meaning = reader::ColourMeaning(control.Index(), band.role);
        return {meaning, std::wstring(band.resistor) + L", " + Lowered(Joined(PlaceOf(band.role, band.number), meaning)),
                band.resistor, true, {}};
    }
    for (const BandPlace& place : kBands) {
        if (name != place.band) continue;
        // The band's colour as the readout reads it; a band not yet painted has none.
        const auto index = platform::TextToInt32(BandIndex(control));
        const std::wstring where = PlaceOf(place.role, place.number);
        const std::wstring tip = Joined(where, index ? reader::ColourMeaning(*index, place.role) : std::wstring());
        return {tip, std::wstring(place.resistor) + L" band " + platform::IntegerText(place.number) + L", " + Lowered(tip),
                place.resistor, false, {}};
    }
    if (const int k = LegendIndex(control); k >= 0) {
        const std::wstring meaning = reader::LegendMeaning(k);
        return {meaning, L"Legend, " + meaning, L"Legend", false, {}};
    }
    for (const auto& named : kNames) {
        if (name != named.control) continue;
        // The readouts and the writer's drawing tell whether their value is a
        // standard one; their words change with every click.
        // A readout is typed in as well: its tip, under the note, and its
        // help say how.
        const std::wstring help = IsReadout(control) ? kReadoutUse : L"";
        const auto note = SeriesNoteOf(control);
        return {Joined(note.value_or(L""), help, L"\n"), named.name, note ? *note : named.description, false, help};
    }
    return {};
}

bool Form1::Named(const platform::Control& control) const {
    // Every swatch, band, legend swatch and named control has a name. Asked
    // of every box at each focus move: the swatches, most of them, answer first.
    const std::wstring& name = control.Name();
    for (const ui::Palette& palette : ui::kPalettes)
        if (name == palette.name) return true;
    for (const BandPlace& place : kBands)
        if (name == place.band) return true;
    for (const auto& named : kNames)
        if (name == named.control) return true;
    return LegendIndex(control) >= 0;
}

}  // namespace ui

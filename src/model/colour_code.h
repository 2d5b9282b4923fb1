// The resistor colour code: four text-in, text-out lookups between colour
// indexes (0..11), colour values (COLORREF as decimal text), tolerance texts
// and positions of the tolerance list. An argument that is not a key gives "".
// Each tolerance is one row of kTolerances: its band, its text, its place in
// the list and the standard series it asks for.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace model {

inline constexpr int kColourCount = 12;
inline constexpr int kToleranceCount = 8;

enum ColourIndex : int {
    Black, Brown, Red, Orange, Yellow, Green, Blue, Purple, Gray, White, Silver, Gold
};

// 0x00BBGGRR colour of each index, as painted on a band.
extern const std::array<std::uint32_t, kColourCount> kBandColours;
// Colour names as the legend writes them.
extern const std::array<const wchar_t*, kColourCount> kColourNames;
// The standard series of resistor values, fewest values first.
enum class Series { E6, E12, E24, E48, E96, E192 };

// A tolerance: the colour of its band, its text, and the series whose values
// are made at it, its own first. The E24 values are made at every tolerance
// from ±5% down: makers list them at ±2%, ±1% and ±0.1% beside E48, E96 and
// E192, and the precision kits people buy hold mostly E24 values. A
// reader's Up and Down step through all of them, as its note names them; the
// writer's value box steps through the own series alone.
struct ToleranceRow {
    ColourIndex band;
    const wchar_t* text;
    std::array<Series, 2> series;
    int seriesCount;
};

// Every tolerance a band carries, in the order of the tolerance list: a
// row's position here is its position there.
inline constexpr std::array<ToleranceRow, kToleranceCount> kTolerances = {{
    {Brown, L"\u00B11%", {Series::E96, Series::E24}, 2},
    {Red, L"\u00B12%", {Series::E48, Series::E24}, 2},
    {Green, L"\u00B10.5%", {Series::E192, Series::E24}, 2},
    {Blue, L"\u00B10.25%", {Series::E192, Series::E24}, 2},
    {Purple, L"\u00B10.1%", {Series::E192, Series::E24}, 2},
    {Gray, L"\u00B10.05%", {Series::E192, Series::E24}, 2},
    {Gold, L"\u00B15%", {Series::E24}, 1},
    {Silver, L"\u00B110%", {Series::E12}, 1},
}};

// Every row written out: a row left out of kTolerances would be taken for
// a Black band with no text.
constexpr bool EveryToleranceWritten() {
    for (const ToleranceRow& row : kTolerances)
        if (row.band == Black || !row.text) return false;
    return true;
}
static_assert(EveryToleranceWritten(), "kTolerances must hold a row for each of its kToleranceCount tolerances");

// The position in the tolerance list of the tolerance a band of colour
// `band` carries; -1 for a colour that carries none.
constexpr int ListPositionOf(ColourIndex band) {
    for (std::size_t p = 0; p < kTolerances.size(); ++p)
        if (kTolerances[p].band == band) return static_cast<int>(p);
    return -1;
}

// The row of the tolerance a band of colour `index` carries; nullptr for a
// colour that carries none.
const ToleranceRow* ToleranceOfBand(int index);

// The power of ten a multiplier band stands for: Black 0 .. White 9, Gold -1,
// Silver -2; and the band of a power from -2 to 9.
constexpr int MultiplierPower(int index) { return index == Gold ? -1 : index == Silver ? -2 : index; }
constexpr int MultiplierBand(int power) { return power == -1 ? Gold : power == -2 ? Silver : power; }

// The colour index a text names, "0" to "11" as Rang takes it; none for any other text.
std::optional<ColourIndex> IndexOfText(const std::wstring& index);

std::wstring Rang(const std::wstring& index);          // colour index -> colour value
std::wstring Rang2(const std::wstring& colour);        // colour value -> colour index
std::wstring Tolerance(const std::wstring& index);     // colour index -> tolerance text
std::wstring MAs(const std::wstring& position);        // list position -> colour index

}  // namespace model

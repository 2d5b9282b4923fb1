// The resistor colour code: four text-in, text-out lookups between colour
// indexes (0..11), colour values (COLORREF as decimal text), tolerance texts
// and positions of the tolerance list. An argument that is not a key gives "".
#pragma once
#include <array>
#include <cstdint>
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
// Entries of the tolerance list, in list order.
extern const std::array<const wchar_t*, kToleranceCount> kToleranceList;

// The power of ten a multiplier band stands for: Black 0 .. White 9, Gold -1,
// Silver -2; and the band of a power from -2 to 9.
constexpr int MultiplierPower(int index) { return index == Gold ? -1 : index == Silver ? -2 : index; }
constexpr int MultiplierBand(int power) { return power == -1 ? Gold : power == -2 ? Silver : power; }

std::wstring Rang(const std::wstring& index);          // colour index -> colour value
std::wstring Rang2(const std::wstring& colour);        // colour value -> colour index
std::wstring Tolerance(const std::wstring& index);     // colour index -> tolerance text
std::wstring MAs(const std::wstring& position);        // list position -> colour index

}  // namespace model

#include "reader/band_meaning.h"

#include <array>

#include "base/number_text.h"
#include "model/colour_code.h"

namespace reader {
namespace {

// Multiplier of each colour index, with the readout's K, M and G.
constexpr std::array<const wchar_t*, model::kColourCount> kMultipliers = {
    L"\u00D7 1",   L"\u00D7 10",   L"\u00D7 100",  L"\u00D7 1K",  L"\u00D7 10K",  L"\u00D7 100K",
    L"\u00D7 1M",  L"\u00D7 10M",  L"\u00D7 100M", L"\u00D7 1G",  L"\u00D7 0.01", L"\u00D7 0.1",
};

std::wstring Part(model::ColourIndex colour, BandRole role) {
    switch (role) {
    case BandRole::Digit: return colour <= model::White ? base::IntegerText(colour) : std::wstring();
    case BandRole::Multiplier: return kMultipliers[static_cast<std::size_t>(colour)];
    case BandRole::Tolerance: return ToleranceText(colour);
    }
    return std::wstring();
}

}  // namespace

std::wstring ColourMeaning(BandColour colour, BandRole role) {
    if (!colour) return std::wstring();
    const std::wstring name = model::kColourNames[static_cast<std::size_t>(*colour)];
    const std::wstring part = Part(*colour, role);
    return part.empty() ? name : name + L": " + part;
}

std::wstring LegendMeaning(model::ColourIndex colour) {
    std::wstring text = model::kColourNames[static_cast<std::size_t>(colour)];
    const wchar_t* separator = L": ";
    for (BandRole role : {BandRole::Digit, BandRole::Multiplier, BandRole::Tolerance}) {
        const std::wstring part = Part(colour, role);
        if (part.empty()) continue;
        text += separator + part;
        separator = L", ";
    }
    return text;
}

}  // namespace reader

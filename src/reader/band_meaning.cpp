#include "reader/band_meaning.h"

#include <array>

#include "model/colour_code.h"
#include "platform/number_text.h"

namespace reader {
namespace {

// Multiplier of each colour index, with the readout's K, M and G.
constexpr std::array<const wchar_t*, model::kColourCount> kMultipliers = {
    L"\u00D7 1",   L"\u00D7 10",   L"\u00D7 100",  L"\u00D7 1K",  L"\u00D7 10K",  L"\u00D7 100K",
    L"\u00D7 1M",  L"\u00D7 10M",  L"\u00D7 100M", L"\u00D7 1G",  L"\u00D7 0.01", L"\u00D7 0.1",
};

std::wstring Part(int index, BandRole role) {
    switch (role) {
    case BandRole::Digit: return index <= model::White ? platform::IntegerText(index) : std::wstring();
    case BandRole::Multiplier: return kMultipliers[static_cast<std::size_t>(index)];
    case BandRole::Tolerance: return model::Tolerance(platform::IntegerText(index));
    }
    return std::wstring();
}

bool IsColour(int index) { return index >= 0 && index < model::kColourCount; }

}  // namespace

std::wstring ColourMeaning(int index, BandRole role) {
    if (!IsColour(index)) return std::wstring();
    const std::wstring name = model::kColourNames[static_cast<std::size_t>(index)];
    const std::wstring part = Part(index, role);
    return part.empty() ? name : name + L": " + part;
}

std::wstring LegendMeaning(int index) {
    if (!IsColour(index)) return std::wstring();
    std::wstring text = model::kColourNames[static_cast<std::size_t>(index)];
    const wchar_t* separator = L": ";
    for (BandRole role : {BandRole::Digit, BandRole::Multiplier, BandRole::Tolerance}) {
        const std::wstring part = Part(index, role);
        if (part.empty()) continue;
        text += separator + part;
        separator = L", ";
    }
    return text;
}

}  // namespace reader

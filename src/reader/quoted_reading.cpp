#include "reader/quoted_reading.h"

#include "model/colour_code.h"

namespace reader {

std::wstring QuotedReadout(const BandRow& bands, const NumberTexts& numbers) {
    if (!ValueOfBands(bands)) return std::wstring();
    // The readout's own words, so that the two never say different things.
    std::wstring quoted;
    for (wchar_t c : ReadoutText(bands, numbers))
        if (c != L' ' || (!quoted.empty() && quoted.back() != L' ')) quoted += c;
    if (!quoted.empty() && quoted.back() == L' ') quoted.pop_back();
    return quoted;
}

std::wstring BandColourNames(const BandRow& bands) {
    std::wstring names;
    auto add = [&names](const BandColour& band) {
        if (!band) return false;
        names += (names.empty() ? L"" : L", ") + std::wstring(model::kColourNames[static_cast<std::size_t>(*band)]);
        return true;
    };
    for (const BandColour& digit : bands.digits)
        if (!add(digit)) return std::wstring();
    return add(bands.multiplier) && add(bands.tolerance) ? names : std::wstring();
}

}  // namespace reader

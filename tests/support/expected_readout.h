// What a reader's readout must show, worked out from band colour indexes with
// the value rules and the platform's own number texts.
#pragma once
#include <string>
#include <vector>

#include "model/colour_code.h"
#include "platform/conversions.h"
#include "reader/readout.h"

namespace testing_gui {

// Band colour indexes given digits first, then multiplier and tolerance.
inline std::wstring ExpectedReadout(const std::vector<int>& bands) {
    auto colour = [](int index) { return std::to_wstring(model::kBandColours[static_cast<std::size_t>(index)]); };
    std::vector<std::wstring> digits;
    for (std::size_t i = 0; i + 2 < bands.size(); ++i) digits.push_back(colour(bands[i]));
    static constexpr reader::NumberTexts kPlatform{platform::PaddedNumberText, platform::PlainNumberText};
    return reader::ReadoutText(digits, colour(bands[bands.size() - 2]), colour(bands.back()), kPlatform);
}

}  // namespace testing_gui

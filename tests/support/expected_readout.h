// What a reader's readout must show, worked out from band colour indexes with
// the value rules and the platform's own number texts: for the random runs,
// whose subject is that clicks reach the readout (the rules have tests of
// their own).
#pragma once
#include <string>
#include <vector>

#include "model/colour_code.h"
#include "platform/conversions.h"
#include "reader/readout.h"

namespace testing_gui {

// Band colour indexes given digits first, then multiplier and tolerance.
inline std::wstring ExpectedReadout(const std::vector<int>& bands) {
    reader::BandIndexes indexes{{}, std::to_wstring(bands[bands.size() - 2]), std::to_wstring(bands.back())};
    for (std::size_t i = 0; i + 2 < bands.size(); ++i) indexes.digits.push_back(std::to_wstring(bands[i]));
    static constexpr reader::NumberTexts kPlatform{platform::PaddedNumberText, platform::PlainNumberText};
    return reader::ReadoutText(indexes, kPlatform);
}

}  // namespace testing_gui

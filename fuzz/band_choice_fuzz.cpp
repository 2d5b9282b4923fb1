// Feeds BandsForValue the input read as number text and, from 8 bytes on, as a
// raw double; traps when the bands are not a valid set or do not stand for the
// value cut to two significant digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "model/colour_code.h"
#include "writer/band_choice.h"
#include "../tests/writer/value_of_bands.h"

namespace {

void Require(bool ok) {
    if (!ok) __builtin_trap();
}

double UnitOf(int multiplier) {
    if (multiplier == model::Silver) return 0.01;
    if (multiplier == model::Gold) return 0.1;
    return std::pow(10.0, multiplier);
}

void Check(double value) {
    const std::optional<writer::Bands> bands = writer::BandsForValue(value);
    Require(bands.has_value() == (value == 0 || (value >= 0.01 && value < 1e11)));
    if (!bands) return;
    const writer::Bands b = *bands;
    Require(b.first >= 0 && b.first <= 9 && b.second >= 0 && b.second <= 9);
    Require(b.multiplier >= 0 && b.multiplier < model::kColourCount);
    // A leading Black only where Silver cannot go finer (0.0x), or for zero.
    Require(b.first != 0 || b.multiplier == model::Silver);

    const double chosen = writer::ValueOfBands(b);
    Require(chosen <= value);
    Require(value - chosen < UnitOf(b.multiplier) * (1 + 1e-12));
    // The bands' own value chooses the same bands.
    Require(writer::BandsForValue(chosen) == bands);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Check(std::strtod(text.c_str(), nullptr));
    if (size >= 8) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        Check(raw);
    }
    return 0;
}

// A row of bands as a resistor shows them from the left: its digit bands,
// then the multiplier, then the tolerance band. Every drawing, the readers'
// and the writer's, counts its bands this way, so what stands at a place is
// answered here and nowhere else.
#pragma once
#include <cstddef>
#include <optional>
#include <vector>

#include "model/colour_code.h"

namespace model {

enum class BandRole { Digit, Multiplier, Tolerance };

// What stands at `place` (0 for the first band from the left) of a row of
// `digitCount` digit bands; `digit` counts the digit bands from the left.
struct BandPlace {
    BandRole role;
    int digit;
};
constexpr BandPlace PlaceOf(int digitCount, int place) {
    if (place < digitCount) return {BandRole::Digit, place};
    return {place == digitCount ? BandRole::Multiplier : BandRole::Tolerance, 0};
}

// The member of a row (its digits indexable, its multiplier and tolerance
// fields) that stands at `place`.
template <class Row>
constexpr auto& MemberAt(Row& row, int digitCount, int place) {
    const BandPlace at = PlaceOf(digitCount, place);
    if (at.role == BandRole::Digit) return row.digits[static_cast<std::size_t>(at.digit)];
    return at.role == BandRole::Multiplier ? row.multiplier : row.tolerance;
}

// A band's colour as its colour index; none for a band that shows no colour
// the table knows, or, where bands are to be painted, one left as it is.
using BandColour = std::optional<ColourIndex>;

// A row of bands as colour indexes: digits first to last, the multiplier,
// the tolerance band. The window reads a reader's bands into one and paints
// one that the writer or a typed value gives.
struct BandRow {
    std::vector<BandColour> digits;
    BandColour multiplier;
    BandColour tolerance;

    BandColour& At(std::size_t place) { return MemberAt(*this, static_cast<int>(digits.size()), static_cast<int>(place)); }
    const BandColour& At(std::size_t place) const {
        return MemberAt(*this, static_cast<int>(digits.size()), static_cast<int>(place));
    }
    bool operator==(const BandRow&) const = default;
};

}  // namespace model

// Which colours the four-band writer shows for a typed resistance.
#pragma once
#include <optional>

#include "base/number_text.h"
#include "model/band_row.h"

namespace writer {

// The value box's number as the writer works on it: its shortest decimal
// digits, worked out here once, so that a typed 4.7 stays 4 and 7. None for
// a negative number and for one not finite, which no bands show; minus zero
// is zero.
std::optional<base::Decimal> WriterDecimal(double ohms);

// The bands for a value in ohms: two digit bands holding its first two
// significant digits, the rest
// cut off (never rounded), and the multiplier that makes the value. Zero gives
// Black, Black, Silver. The tolerance band is none: the writer paints the
// tolerance the list holds. No bands for what model::kFourBandWriter cannot
// show: above zero but below 0.01, 1e11 or more.
std::optional<model::BandRow> BandsForValue(const base::Decimal& ohms);

// How many digit bands the value needs at the place BandsForValue puts its
// digits, from the first digit band down to the value's last significant
// digit: 2 or fewer when the bands show it exactly (4700, 47, 0.05, 1e3),
// 3 for 4750, 479 and 0.475, 7 for 1234567, 3 for 0.015 (Black, Brown,
// Silver carry 0.01 and no place for the 5). 0 for what has no bands.
int DigitsNeeded(const base::Decimal& ohms);

}  // namespace writer

// A typed value as the decimal digits the user meant: the shortest that read
// back as the same double, so that 4.7 stays 4 and 7 and never 4.69999...
#pragma once
#include <string>
#include <string_view>

namespace writer {

// The significant digits of a finite value's shortest decimal form, and the
// power of ten of the first: 4750 gives "475" and 3, 0.47 "47" and -1, zero
// "0" and 0. The sign is left out.
struct Decimal {
    std::string digits;
    int exponent = 0;
};
Decimal ShortestDecimal(double value);

// A finite value written plainly in those digits, with `separator` for the
// decimal point: "4750", "0,475", "-5". No exponent, no grouping.
std::wstring PlainText(double value, std::wstring_view separator);

}  // namespace writer

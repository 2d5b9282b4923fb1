#include "writer/band_choice.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/colour_code.h"

namespace writer {

namespace {

// The value's shortest decimal form that reads back as the same double, as
// significant digits and the exponent of the first: 4.7 gives "47" and 0.
// Working on decimal digits keeps 4.7 at 4 and 7; arithmetic on the binary
// value (4.7 / 0.1 = 46.99...) would lose the last digit.
// The fewest digits that read back are found by trying one precision after
// another with the C library's correctly rounded conversions (far smaller in
// the program than to_chars); 17 digits always read back.
void DecimalDigits(double value, std::string& digits, int& exponent) {
    char buf[40];   // always holds "d.dddddddddddddddde-xxx"
    for (int precision = 0; precision < 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*e", precision, value);
        if (std::strtod(buf, nullptr) == value) break;
    }
    const std::string_view form(buf);
    const std::size_t e = form.find('e');
    digits.clear();
    for (char c : form.substr(0, e))
        if (c >= '0' && c <= '9') digits += c;
    exponent = std::atoi(buf + e + 1);
}

}  // namespace

std::optional<Bands> BandsForValue(double ohms) {
    if (std::isnan(ohms) || ohms < 0) return std::nullopt;
    if (ohms == 0) return Bands{model::Black, model::Black, model::Silver};
    if (ohms >= 1e11) return std::nullopt;  // also +infinity

    std::string digits;
    int exponent = 0;
    DecimalDigits(ohms, digits, exponent);

    // Last kept digit at 10^p; Silver (x0.01) is the finest multiplier, so a
    // small value keeps its digits at 10^-1 and 10^-2 (0.05 is 05 x 0.01).
    const int p = std::max(exponent - 1, -2);
    if (p > 9) return std::nullopt;
    const auto digitAt = [&](int power) {
        const int i = exponent - power;
        return i >= 0 && i < static_cast<int>(digits.size()) ? digits[i] - '0' : 0;
    };
    const int first = digitAt(p + 1);
    const int second = digitAt(p);
    if (first == 0 && second == 0) return std::nullopt;  // below 0.01
    const int multiplier = p == -2 ? model::Silver : p == -1 ? model::Gold : p;
    return Bands{first, second, multiplier};
}

}  // namespace writer

#include "writer/shortest_decimal.h"

#include <cstdio>
#include <cstdlib>

#include "reader/readout.h"

namespace writer {

// The fewest digits that read back are found by trying one precision after
// another with the C library's correctly rounded conversions (far smaller in
// the program than to_chars); 17 digits always read back.
Decimal ShortestDecimal(double value) {
    char buf[40];   // always holds "-d.dddddddddddddddde-xxx"
    for (int precision = 0; precision < 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*e", precision, value);
        if (std::strtod(buf, nullptr) == value) break;
    }
    const std::string_view form(buf);
    const std::size_t e = form.find('e');
    Decimal decimal;
    for (char c : form.substr(0, e))
        if (c >= '0' && c <= '9') decimal.digits += c;
    decimal.exponent = std::atoi(buf + e + 1);
    return decimal;
}

std::wstring PlainText(double value, std::wstring_view separator) {
    const Decimal decimal = ShortestDecimal(value);
    return (value < 0 ? L"-" : L"") + reader::PlainDigitsText(decimal.digits, decimal.exponent, separator);
}

}  // namespace writer

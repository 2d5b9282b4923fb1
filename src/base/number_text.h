// Numbers written as text: integers, and decimals as their significant
// digits and the power of ten of the first. Plain C++ with no window in it,
// so that every layer writes numbers with it (the native build too). Written
// out here in integer arithmetic on the exact value of a double, because the
// C and C++ libraries' conversions (printf, strtod, to_chars) would add a
// sizeable part to the program.
#pragma once
#include <string>
#include <string_view>

namespace base {

// The plain decimal text of an integer ("-12"), as std::to_wstring gives it.
std::wstring IntegerText(long long value);

// A decimal as significant digits (ASCII) and the power of ten of the
// first: 4750 is "475" and 3, 0.47 "47" and -1, zero "0" and 0. No sign.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// A finite value's shortest decimal: the fewest digits that read back as
// the same double, so that a typed 4.7 stays 4 and 7 and never 4.69999...
Decimal ShortestDecimal(double value);

// Whether a decimal is zero: no digits, or none but zeros.
inline bool IsZero(const Decimal& decimal) { return decimal.digits.find_first_not_of('0') == std::string::npos; }

// The double nearest to a whole number given as ASCII decimal digits (ties
// to the even one), infinity past the largest double: as strtod reads it.
double NearestDouble(std::wstring_view digits);

// Significant digits (the first one not zero) with the power of ten of the
// first, written out plainly: "47" and 3 give "4700", "47" and -1 "0.47",
// "487" and 0 "4.87". No sign, no exponent, no grouping.
std::wstring PlainDigitsText(std::string_view digits, int exponent, std::wstring_view separator);

// A value written plainly at most 15 significant digits, correctly rounded,
// trailing zeros dropped: a value computed in binary shows no last-digit
// noise (4700.0 / 1000 is "4.7"). "0" for either zero, "nan", "inf", "-inf".
std::wstring DecimalText(double value, wchar_t separator);
std::wstring DecimalText(double value, std::wstring_view separator);

}  // namespace base

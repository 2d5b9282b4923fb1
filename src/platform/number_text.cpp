#include "platform/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

// Room for the longest "%.*e" form the program asks for: "-d.dddddddddddddddde-xxx".
using ScientificForm = char[40];

void WriteScientific(ScientificForm& form, double value, int precision) {
    std::snprintf(form, sizeof form, "%.*e", precision, value);
}

// The digits and the exponent of a finite value's "%e" form: "-4.750e+03"
// gives "4750" and 3. Only those are read, so whatever decimal point the C
// library writes, the separator is ours to place.
Decimal DecimalOf(const ScientificForm& form) {
    const std::string_view text(form);
    const std::size_t e = text.find('e');
    Decimal decimal;
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9') decimal.digits += c;
    decimal.exponent = std::atoi(form + e + 1);
    return decimal;
}

}  // namespace

std::wstring IntegerText(long long value) {
    wchar_t text[24];   // the longest, "-9223372036854775808"
    wchar_t* first = text + 24;
    // Digits from the lowest up, on the magnitude as unsigned: the lowest
    // long long has no positive counterpart.
    unsigned long long magnitude =
        value < 0 ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
        *--first = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) *--first = L'-';
    return std::wstring(first, text + 24);
}

// The fewest digits that read back are found by trying one precision after
// another with the C library's correctly rounded conversions; 17 digits
// always read back.
Decimal ShortestDecimal(double value) {
    ScientificForm form;
    for (int precision = 0; precision < 17; ++precision) {
        WriteScientific(form, value, precision);
        if (std::strtod(form, nullptr) == value) break;
    }
    return DecimalOf(form);
}

std::wstring PlainDigitsText(std::string_view digits, int exponent, std::wstring_view separator) {
    std::wstring out;
    const auto count = static_cast<int>(digits.size());
    if (exponent < 0) {
        out += L'0';
        out += separator;
        out.append(static_cast<std::size_t>(-exponent - 1), L'0');
        out.append(digits.begin(), digits.end());
    } else if (exponent + 1 >= count) {
        out.append(digits.begin(), digits.end());
        out.append(static_cast<std::size_t>(exponent + 1 - count), L'0');
    } else {
        out.append(digits.begin(), digits.begin() + exponent + 1);
        out += separator;
        out.append(digits.begin() + exponent + 1, digits.end());
    }
    return out;
}

std::wstring ShortestDecimalText(double value, std::wstring_view separator) {
    const Decimal decimal = ShortestDecimal(value);
    return (value < 0 ? L"-" : L"") + PlainDigitsText(decimal.digits, decimal.exponent, separator);
}

std::wstring DecimalText(double value, wchar_t separator) { return DecimalText(value, std::wstring_view(&separator, 1)); }

std::wstring DecimalText(double value, std::wstring_view separator) {
    if (value == 0) return L"0";  // also -0: no sign on a zero
    if (std::isnan(value)) return L"nan";
    if (std::isinf(value)) return value < 0 ? L"-inf" : L"inf";
    // Fifteen significant digits, as "-d.ddddddddddddddde+x".
    ScientificForm form;
    WriteScientific(form, value, 14);
    Decimal decimal = DecimalOf(form);
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') decimal.digits.pop_back();
    return (value < 0 ? L"-" : L"") + PlainDigitsText(decimal.digits, decimal.exponent, separator);
}

}  // namespace platform

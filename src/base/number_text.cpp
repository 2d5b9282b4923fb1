#include "base/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "base/natural.h"

namespace base {
namespace {

// A double's magnitude as it is stored, significand x 2^power, exactly.
struct Binary {
    std::uint64_t significand;
    int power;
};

Binary BinaryOf(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int field = static_cast<int>(bits >> 52) & 0x7FF;
    const std::uint64_t fraction = bits & ((1ull << 52) - 1);
    if (field == 0) return {fraction, -1074};   // denormal
    return {fraction | (1ull << 52), field - 1075};
}

// Every decimal digit of a finite, nonzero magnitude: a double is a binary
// fraction, so its decimal value ends, at the latest 1074 places after the point.
Decimal ExactDecimal(double value) {
    const Binary binary = BinaryOf(value);
    Natural whole(binary.significand);
    int lastPower = 0;   // of ten, at the last digit
    if (binary.power >= 0) {
        whole.ShiftLeft(binary.power);
    } else {
        whole.MultiplyByPowerOf5(-binary.power);   // m x 2^-k is m x 5^k x 10^-k
        lastPower = binary.power;
    }
    Decimal decimal{whole.Digits(), 0};
    decimal.exponent = lastPower + static_cast<int>(decimal.digits.size()) - 1;
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    return decimal;
}

// Correctly rounded to at most `count` significant digits, a tie to the even
// digit as the C library rounds; trailing zeros dropped.
Decimal Rounded(Decimal decimal, std::size_t count) {
    std::string& digits = decimal.digits;
    if (digits.size() <= count) return decimal;
    const char next = digits[count];
    const bool beyondHalf = next > '5' || (next == '5' && digits.find_first_not_of('0', count + 1) != std::string::npos);
    const bool tie = next == '5' && !beyondHalf;
    digits.resize(count);
    if (beyondHalf || (tie && (digits.back() - '0') % 2)) {
        const std::size_t nines = digits.size() - 1 - digits.find_last_not_of('9');
        digits.resize(digits.size() - nines);
        if (digits.empty()) {   // 9.99 to 10: one digit more to the left
            digits = "1";
            ++decimal.exponent;
        } else {
            ++digits.back();
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    return decimal;
}

// The sign of decimal - significand x 2^power, worked out on whole numbers.
int CompareWith(const Decimal& decimal, std::uint64_t significand, int power) {
    Natural left = Natural::OfDigits(decimal.digits);
    Natural right(significand);
    const int tens = decimal.exponent - static_cast<int>(decimal.digits.size()) + 1;   // at the last digit
    Natural& scaled = tens >= 0 ? left : right;   // 10^n is 5^n x 2^n
    scaled.MultiplyByPowerOf5(tens >= 0 ? tens : -tens);
    scaled.ShiftLeft(tens >= 0 ? tens : -tens);
    if (power >= 0) right.ShiftLeft(power);
    else left.ShiftLeft(-power);
    return Compare(left, right);
}

// Whether the decimal reads back as `value` (a positive magnitude): it lies
// between the halfway points to the neighbouring doubles, or on one of them
// when `value`'s significand is even, as correctly rounded reading ties.
bool ReadsBack(const Decimal& decimal, double value) {
    const Binary b = BinaryOf(value);
    const bool even = b.significand % 2 == 0;
    // At a power of two the neighbour below is half as far as the one above.
    const bool nearerBelow = b.significand == (1ull << 52) && b.power > -1074;
    const int low = nearerBelow ? CompareWith(decimal, 4 * b.significand - 1, b.power - 2)
                                : CompareWith(decimal, 2 * b.significand - 1, b.power - 1);
    const int high = CompareWith(decimal, 2 * b.significand + 1, b.power - 1);
    return (low > 0 || (low == 0 && even)) && (high < 0 || (high == 0 && even));
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

// The fewest correctly rounded digits that read back; 17 digits always do.
Decimal ShortestDecimal(double value) {
    if (value == 0) return {"0", 0};
    const Decimal exact = ExactDecimal(value);
    for (std::size_t count = 1; count < 17; ++count) {
        Decimal decimal = Rounded(exact, count);
        if (ReadsBack(decimal, value)) return decimal;
    }
    return Rounded(exact, 17);
}

double NearestDouble(std::wstring_view digits) {
    const std::size_t first = std::min(digits.find_first_not_of(L'0'), digits.size());
    // More than 309 digits is past the largest double, 1.8 x 10^308.
    if (digits.size() - first > 309) return HUGE_VAL;
    const Natural whole = Natural::OfDigits(std::string(digits.begin() + first, digits.end()));
    // The top 63 bits, with any bit below them folded into the lowest: enough
    // for the conversion to a double to round as the whole would.
    Natural top = whole;
    const int dropped = std::max(whole.BitLength() - 63, 0);
    const bool inexact = top.ShiftRight(dropped);
    const auto bits = static_cast<std::int64_t>(top.Low64() | (inexact ? 1 : 0));
    return std::ldexp(static_cast<double>(bits), dropped);
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

std::wstring DecimalText(double value, wchar_t separator) { return DecimalText(value, std::wstring_view(&separator, 1)); }

std::wstring DecimalText(double value, std::wstring_view separator) {
    if (value == 0) return L"0";  // also -0: no sign on a zero
    if (std::isnan(value)) return L"nan";
    if (std::isinf(value)) return value < 0 ? L"-inf" : L"inf";
    const Decimal decimal = Rounded(ExactDecimal(value), 15);
    return (value < 0 ? L"-" : L"") + PlainDigitsText(decimal.digits, decimal.exponent, separator);
}

}  // namespace base

// A non-negative integer as large as the exact decimal value of a double
// needs: the smallest denormal is 1 x 2^-1074, whose digits are those of
// 5^1074, some 2500 bits. The exact arithmetic beneath the number texts,
// where a double's digits must come out right to the last one, in a few
// hundred bytes of code rather than the C library's conversions.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace base {

class Natural {
public:
    explicit Natural(std::uint64_t value = 0);
    // Decimal ASCII digits, the most significant first.
    static Natural OfDigits(std::string_view digits);

    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend);
    void MultiplyByPowerOf5(int power);
    void ShiftLeft(int bits);
    // Drops the lowest `bits` bits; true when any of them was a one.
    bool ShiftRight(int bits);
    // Divides in place and gives the remainder.
    std::uint32_t DivideBy(std::uint32_t divisor);

    int BitLength() const;
    std::uint64_t Low64() const;
    // Decimal ASCII digits with no leading zero; "" for zero.
    std::string Digits() const;
    friend int Compare(const Natural& a, const Natural& b);   // -1, 0 or 1

private:
    void Push(std::uint32_t word);

    // 2688 bits: the digits of the smallest denormal, and either side of a
    // comparison of a 17-digit decimal with a double's neighbour, fit.
    static constexpr int kWords = 84;
    std::uint32_t words_[kWords] = {};
    int size_ = 0;   // words in use; the highest of them is not zero
};

}  // namespace base

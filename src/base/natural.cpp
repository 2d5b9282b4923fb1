#include "base/natural.h"

#include <algorithm>
#include <cstdlib>

namespace base {

Natural::Natural(std::uint64_t value) {
    for (; value; value >>= 32) Push(static_cast<std::uint32_t>(value));
}

Natural Natural::OfDigits(std::string_view digits) {
    Natural n;
    for (char c : digits) n.MultiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
    return n;
}

// Every caller's sizes are bounded by a double's range; past the room there
// is a fault in the program, not a number to write.
void Natural::Push(std::uint32_t word) {
    if (size_ == kWords) std::abort();
    words_[size_++] = word;
}

void Natural::MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (int i = 0; i < size_; ++i) {
        carry += static_cast<std::uint64_t>(words_[i]) * factor;
        words_[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry) Push(static_cast<std::uint32_t>(carry));
}

void Natural::MultiplyByPowerOf5(int power) {
    constexpr std::uint32_t kFiveTo13 = 1220703125;   // the largest power of 5 in a word
    for (; power >= 13; power -= 13) MultiplyAdd(kFiveTo13, 0);
    std::uint32_t rest = 1;
    while (power-- > 0) rest *= 5;
    MultiplyAdd(rest, 0);
}

void Natural::ShiftLeft(int bits) {
    if (!size_ || bits <= 0) return;
    const int words = bits / 32;
    const int shift = bits % 32;
    Push(0);
    for (int i = 0; i < words; ++i) Push(0);
    for (int i = size_ - 1; i >= words; --i) {
        const std::uint64_t pair = (static_cast<std::uint64_t>(words_[i - words]) << 32) |
                                   (i - words > 0 ? words_[i - words - 1] : 0);
        words_[i] = static_cast<std::uint32_t>(pair >> (32 - shift));
    }
    std::fill(words_, words_ + words, 0u);
    while (size_ && !words_[size_ - 1]) --size_;
}

bool Natural::ShiftRight(int bits) {
    if (bits <= 0) return false;
    const int words = std::min(bits / 32, size_);
    const int shift = bits % 32;
    bool lost = std::any_of(words_, words_ + words, [](std::uint32_t w) { return w != 0; });
    if (words < size_ && shift) lost = lost || (words_[words] & ((1u << shift) - 1));
    for (int i = 0; i + words < size_; ++i) {
        const std::uint64_t high = i + words + 1 < size_ ? words_[i + words + 1] : 0;
        const std::uint64_t pair = (high << 32) | words_[i + words];
        words_[i] = static_cast<std::uint32_t>(pair >> shift);
    }
    size_ -= words;
    while (size_ && !words_[size_ - 1]) --size_;
    return lost;
}

std::uint32_t Natural::DivideBy(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (int i = size_ - 1; i >= 0; --i) {
        remainder = (remainder << 32) | words_[i];
        words_[i] = static_cast<std::uint32_t>(remainder / divisor);
        remainder %= divisor;
    }
    while (size_ && !words_[size_ - 1]) --size_;
    return static_cast<std::uint32_t>(remainder);
}

int Natural::BitLength() const {
    if (!size_) return 0;
    int bits = 32 * (size_ - 1);
    for (std::uint32_t top = words_[size_ - 1]; top; top >>= 1) ++bits;
    return bits;
}

std::uint64_t Natural::Low64() const {
    return (size_ > 1 ? static_cast<std::uint64_t>(words_[1]) << 32 : 0) | (size_ ? words_[0] : 0);
}

std::string Natural::Digits() const {
    // Nine digits at a time, the lowest first, so one division per nine.
    Natural rest = *this;
    std::string reversed;
    while (rest.size_) {
        std::uint32_t chunk = rest.DivideBy(1000000000);
        for (int i = 0; i < 9 && (rest.size_ || chunk); ++i, chunk /= 10) reversed += static_cast<char>('0' + chunk % 10);
    }
    return std::string(reversed.rbegin(), reversed.rend());
}

int Compare(const Natural& a, const Natural& b) {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i)
        if (a.words_[i] != b.words_[i]) return a.words_[i] < b.words_[i] ? -1 : 1;
    return 0;
}

}  // namespace base

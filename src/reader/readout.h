// The readout of a reader: value and tolerance text from the colours of its
// bands, rebuilt from scratch on every call.
#pragma once
#include <span>
#include <string>

namespace reader {

// The two number-to-text styles the readout uses. The form hands in the
// platform's own conversions; the defaults below are locale-free stand-ins.
struct NumberTexts {
    // " 4.7": a space in the sign position of a non-negative number, always a full stop.
    std::wstring (*padded)(double);
    // "4.7" with the user's decimal separator.
    std::wstring (*plain)(double);
};

// Digits first to last, then multiplier and tolerance band; each colour is the
// decimal text of its 0x00BBGGRR value, as a band's background colour reads.
std::wstring ReadoutText(std::span<const std::wstring> digitColours,
                         const std::wstring& multiplierColour,
                         const std::wstring& toleranceColour,
                         const NumberTexts& numbers);

// Plain decimal, at most 15 significant digits, trailing zeros dropped,
// no exponent, no grouping.
std::wstring DecimalText(double value, wchar_t separator);
std::wstring PaddedText(double value);      // " " (non-negatives) + DecimalText(value, '.')
std::wstring PlainTextFullStop(double value);  // DecimalText(value, '.')

inline constexpr NumberTexts kFullStopNumbers{PaddedText, PlainTextFullStop};

}  // namespace reader

// The readout of a reader: value and tolerance text from the colours of its
// bands, rebuilt from scratch on every call.
#pragma once
#include <span>
#include <string>

namespace reader {

// The two number-to-text styles the readout uses. The form hands in the
// platform's own conversions. A style that is missing, or that gives nothing
// (the platform's conversions could not be loaded), is written by the
// readout's own full-stop formatter instead: a readout never shows a broken value.
struct NumberTexts {
    // " 4.7": a space in the sign position of a non-negative number, always a full stop.
    std::wstring (*padded)(double) = nullptr;
    // "4.7" with the user's decimal separator.
    std::wstring (*plain)(double) = nullptr;
};

// Digits first to last, then multiplier and tolerance band; each colour is the
// decimal text of its 0x00BBGGRR value, as a band's background colour reads.
std::wstring ReadoutText(std::span<const std::wstring> digitColours,
                         const std::wstring& multiplierColour,
                         const std::wstring& toleranceColour,
                         const NumberTexts& numbers);

// Plain decimal, at most 15 significant digits, trailing zeros dropped,
// no exponent, no grouping: the readout's own formatter.
std::wstring DecimalText(double value, wchar_t separator);

}  // namespace reader

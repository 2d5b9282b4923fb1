// Conversions between numbers and text, with the platform's own (oleaut32)
// locale-aware rules where the user's locale matters.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace services {

// The plain decimal text of an integer; nullopt for anything else (empty text included).
std::optional<std::int32_t> TextToInt32(const std::wstring& text);
// Locale-aware: the user's decimal and thousands separators, spaces, sign,
// exponent. No value when the text is not a number or does not fit a double,
// and then `outOfRange` for a number that a double cannot hold, too large
// (1e309) or too close to 0 to tell from it (1e-400, which the system reads
// as 0 though its digits are not all 0), rather than a text that is no number.
struct ReadNumber {
    std::optional<double> value;
    bool outOfRange = false;
};
ReadNumber ReadDouble(const std::wstring& text);
// " 4.7": a space for the sign of a non-negative number, always a full stop.
// Empty when OLE Automation cannot be had (as the next one).
std::wstring PaddedNumberText(double value);
// "4.7" with the user's decimal separator.
std::wstring PlainNumberText(double value);
// The user's decimal separator, as ReadDouble reads it: "." or ",", and
// in some locales more than one character.
std::wstring DecimalSeparator();
// The user's digit grouping separator, as ReadDouble reads it ("," or "."
// or a space); empty for none.
std::wstring GroupSeparator();

}  // namespace services

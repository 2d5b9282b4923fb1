// The readout of a reader: value and tolerance text from the colours of its
// bands, rebuilt from scratch on every call.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "model/band_row.h"
#include "model/colour_code.h"

namespace reader {

// The two number-to-text styles the readout uses. The form hands in the
// platform's own conversions. A style that is missing, or that gives nothing
// (the platform's conversions could not be loaded), is written by the
// program's own DecimalText with a full stop instead: a readout never shows
// a broken value.
struct NumberTexts {
    // " 4.7": a space in the sign position of a non-negative number, always a full stop.
    std::wstring (*padded)(double) = nullptr;
    // "4.7" with the user's decimal separator.
    std::wstring (*plain)(double) = nullptr;
};

// A reader's bands as colour indexes (model::BandRow): the window reads them
// from its bands once; everything below takes them as they are.
using model::BandColour;
using model::BandRow;

// The readout: the bands' value, " Ohm   ", then `toleranceText`, the text
// of the tolerance band (what the form's Tolerance gives for its colour).
std::wstring ReadoutText(const BandRow& bands, const std::wstring& toleranceText, const NumberTexts& numbers);
// The same with the tolerance band's text from the tolerance table.
std::wstring ReadoutText(const BandRow& bands, const NumberTexts& numbers);

// The tolerance a band carries, "±5%" for Gold; "" for a colour that
// carries none, and for no colour.
std::wstring ToleranceText(BandColour band);

// The value that a reader's bands stand for, digits x 10^power: the digit
// characters of the digit bands as built (a leading zero kept) and the
// multiplier's power of ten (-1 for Gold, -2 for Silver). None when a band
// holds a colour that its kind of band does not carry.
struct BandValue {
    std::wstring digits;
    int power = 0;
};
std::optional<BandValue> ValueOfBands(const BandRow& bands);

// digits x 10^power written as the readout writes values: " 4.7K", " 1M" (the
// padded style, scaled), "470" (the digits as given), "4.7" (the plain style,
// for a fraction below 1000). digits are ASCII digits.
std::wstring ValueText(std::wstring digits, int power, const NumberTexts& numbers);
// The same without the sign position in front, as a note quotes a value: "4.7K".
std::wstring QuotedValueText(std::wstring digits, int power, const NumberTexts& numbers);

}  // namespace reader

// Notes that help catch a misread: whether a value read from bands is a
// standard value for its tolerance, and which standard values lie nearest.
#pragma once
#include <span>
#include <string>

#include "reader/readout.h"

namespace reader {

// The note on a reader's bands, from the same colour texts ReadoutText takes.
// Values are written as the readout writes them (its value part, without the
// leading sign space):
//   "4.7K is a ±5% standard value (E24), also in E12, E6"
//   "5.1K is a ±5% standard value (E24)"
//   "4.8K is not a ±5% standard value (E24); nearest: 4.7K, 5.1K"
//   "4.8K is not a ±2% standard value (E48 or E24); nearest: 4.7K, 4.87K"
//   "4.8K: no standard series without a tolerance"   (a band with no tolerance)
//   "00 is outside the standard values, 0.01 to 999000M"
// A ±2% band accepts E48 and E24; ±1% asks for E96, ±0.5% and tighter for
// E192, ±5% for E24, ±10% for E12. A nearest value beyond the range that the
// readers show is left out. Empty when the bands stand for no value (a colour
// that its kind of band does not carry), as the readout's value part is.
std::wstring SeriesNote(std::span<const std::wstring> digitColours,
                        const std::wstring& multiplierColour,
                        const std::wstring& toleranceColour,
                        const NumberTexts& numbers);

// The writer's note on the bands that "Calculate" painted, its two digit
// bands, multiplier and tolerance band: their colour names and value, then
// the series note: "Yellow, Purple, Red: 4.7K. 4.7K is a ±5% standard value
// (E24), also in E12, E6". Empty when the bands stand for no value.
std::wstring WriterNote(std::span<const std::wstring> digitColours,
                        const std::wstring& multiplierColour,
                        const std::wstring& toleranceColour,
                        const NumberTexts& numbers);

}  // namespace reader

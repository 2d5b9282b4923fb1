// Notes that help catch a misread: whether a value read from bands is a
// standard value for its tolerance, and which standard values lie nearest.
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/band_sets.h"
#include "reader/readout.h"
#include "reader/series.h"

namespace reader {

// The series a tolerance band of colour `tolerance` asks for, the
// tolerance's own series first: ±1% E96, ±2% E48, ±0.5% and tighter E192,
// each with E24 beside it, whose values are made at these tolerances too;
// ±5% E24; ±10% E12. None for a colour that carries no tolerance.
std::vector<Series> SeriesFor(BandColour tolerance);

// The colours a band's palette offers.
using Offered = model::Colours;

// The standard values of a tolerance band's series that a reader whose
// bands show `bandSet` (each band's palette offers what the band can
// show) shows whole (see ShownStandards); `accepted` must outlive them.
ShownStandards ShownBy(const std::vector<Series>& accepted, const model::BandSet& bandSet);

// The note on a reader's bands, from the same colour indexes ReadoutText takes,
// and what the reader's bands can show (`bandSet`).
// Values are written as the readout writes them (its value part, without the
// leading sign space):
//   "4.7K is a ±5% standard value (E24), also in E12, E6"
//   "5.1K is a ±5% standard value (E24)"
//   "4.8K is not a ±5% standard value (E24); nearest: 4.7K, 5.1K"
//   "4.8K is not a ±2% standard value (E48 or E24); nearest: 4.7K, 5.1K"
//     (on five bands "nearest: 4.7K, 4.87K")
//   "2.2K is a ±1% standard value (E24), also in E12, E6"
//   "4.8K: no standard series without a tolerance"   (a band with no tolerance)
//   "00 is outside the standard values, 0.01 to 999000M"
// The tolerance band asks for the series that SeriesFor gives, and any of
// them holds a standard value. The nearest values are those the reader
// shows whole (ShownStandards): none beyond its range, and on four bands
// none of three significant digits. Empty when the bands stand for no value (a colour
// that its kind of band does not carry), as the readout's value part is.
std::wstring SeriesNote(const BandRow& bands, const model::BandSet& bandSet, const NumberTexts& numbers);

// The writer's note on the bands that "Calculate" painted, its two digit
// bands, multiplier and tolerance band: their colour names and value, then
// the series note: "Yellow, Purple, Red: 4.7K. 4.7K is a ±5% standard value
// (E24), also in E12, E6". When the bands cut the value they were written
// for, `cutFrom` is that value's text, and the note says so after the bands'
// value: "Yellow, Purple, Red: 4.7K, cut from 4750. 4.7K is ...". Empty when
// the bands stand for no value.
std::wstring WriterNote(const BandRow& bands, const NumberTexts& numbers, std::wstring_view cutFrom = {});

}  // namespace reader

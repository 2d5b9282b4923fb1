// Builds band colour texts from the input (mostly table colours, sometimes any
// number or any text) and feeds their indexes to ReadoutText. It must always give a
// readout with " Ohm   "; for table colours the value part must read back as
// the value the bands stand for. The series note on the same bands must
// quote that value part and name neighbours that lie either side of it.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "model/colour_code.h"
#include "reader/readout.h"
#include "reader/series_note.h"

namespace {

void Require(bool ok) {
    if (!ok) __builtin_trap();
}

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }

    // Layout per band: a byte below 0xF0 picks table colour byte % 12; 0xF0..0xF7
    // is followed by a 32-bit number whose decimal text is used; 0xF8 and up by a
    // length and that many characters.
    std::wstring Colour() {
        const std::uint8_t kind = Next();
        if (kind < 0xF0) return std::to_wstring(model::kBandColours[kind % model::kColourCount]);
        if (kind < 0xF8) {
            std::uint32_t n = 0;
            for (int i = 0; i < 4; ++i) n |= static_cast<std::uint32_t>(Next()) << (8 * i);
            return (kind & 1) ? std::to_wstring(static_cast<std::int32_t>(n)) : std::to_wstring(n);
        }
        std::wstring text;
        for (std::uint8_t length = Next(); length > 0 && at_ < size_; --length) text += wchar_t(Next());
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::wstring Comma(double v) { return base::DecimalText(v, L','); }
constexpr reader::NumberTexts kCommaNumbers{nullptr, Comma};   // K and M by the own formatter

// The value the bands stand for, or NaN when a band is not a table colour of its kind.
double ValueOf(const std::vector<std::wstring>& digits, const std::wstring& multiplier) {
    if (digits.empty()) return std::nan("");
    double value = 0;
    for (const std::wstring& colour : digits) {
        const std::wstring index = model::Rang2(colour);
        if (index.size() != 1) return std::nan("");
        value = value * 10 + (index[0] - L'0');
    }
    const std::wstring m = model::Rang2(multiplier);
    if (m.empty()) return std::nan("");
    const int power = std::stoi(m);
    if (power == model::Silver) return value / 100;
    if (power == model::Gold) return value / 10;
    return value * std::pow(10.0, power);
}

// Reads a value part back, checking its form: a K or M value has a leading
// space and the fewest thousands (1 to below 1000 K, 1 or more M), anything
// else is below 1000 and has none.
double ParseValuePart(std::wstring part) {
    double scale = 1;
    if (!part.empty() && part.back() == L'K') scale = 1e3;
    if (!part.empty() && part.back() == L'M') scale = 1e6;
    if (scale != 1) part.pop_back();
    Require(!part.empty() && (part[0] == L' ') == (scale != 1));
    const std::string narrow(part.begin(), part.end());
    char* end = nullptr;
    const double v = std::strtod(narrow.c_str(), &end);
    Require(*end == '\0');
    Require(scale == 1e6 ? v >= 1 : scale == 1e3 ? v >= 1 && v < 1000 : v < 1000);
    return v * scale;
}

// A value as the note writes it: the readout's value part without its leading space.
double ParseNoted(std::wstring text) {
    if (!text.empty() && (text.back() == L'K' || text.back() == L'M')) text.insert(0, 1, L' ');
    return ParseValuePart(text);
}

void CheckNote(const std::wstring& note, const std::wstring& valuePart, double expected) {
    std::wstring value = valuePart;
    value.erase(0, value.find_first_not_of(L' '));
    Require(note.compare(0, value.size(), value) == 0);
    const std::wstring marker = L"; nearest: ";
    const std::size_t at = note.find(marker);
    if (at == std::wstring::npos) return;
    const std::wstring list = note.substr(at + marker.size());
    const std::size_t comma = list.find(L", ");
    if (comma == std::wstring::npos) {
        Require(ParseNoted(list) != expected);
        return;
    }
    Require(ParseNoted(list.substr(0, comma)) < expected);
    Require(ParseNoted(list.substr(comma + 2)) > expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const std::uint8_t shape = bytes.Next();
    // Mostly the two readers' 2 or 3 digit bands; sometimes 0 to 7 of them.
    const int count = (shape & 0x80) ? (shape >> 4) & 7 : 2 + (shape & 1);
    std::vector<std::wstring> digits;
    for (int i = 0; i < count; ++i) digits.push_back(bytes.Colour());
    const std::wstring multiplier = bytes.Colour();
    const std::wstring tolerance = bytes.Colour();

    // The readout takes the indexes Rang2 gives for the band colours, read as
    // the window reads them.
    const auto indexOf = [](const std::wstring& colour) { return model::IndexOfText(model::Rang2(colour)); };
    model::BandRow bands{{}, indexOf(multiplier), indexOf(tolerance)};
    for (const std::wstring& colour : digits) bands.digits.push_back(indexOf(colour));
    const std::wstring text = reader::ReadoutText(bands, reader::NumberTexts{});
    const std::wstring comma = reader::ReadoutText(bands, kCommaNumbers);
    const std::size_t ohm = text.find(L" Ohm   ");
    Require(ohm != std::wstring::npos);
    Require(text.substr(ohm + 7) == model::Tolerance(model::Rang2(tolerance)));

    // Only an unscaled Gold or Silver value takes the locale separator.
    std::wstring unified = comma;
    for (wchar_t& c : unified)
        if (c == L',') c = L'.';
    Require(unified == text);

    const double expected = ValueOf(digits, multiplier);
    // The palettes of the reader of that many digits; a row of bands holds
    // at most three digit bands, so a longer one is read with the
    // five-band reader's.
    model::BandSet palettes = count == 2 ? model::kFourBandReader : model::kFiveBandReader;
    palettes.digitCount = std::min(count, palettes.digitCount);
    const std::wstring note = reader::SeriesNote(bands, palettes, reader::NumberTexts{});
    if (std::isnan(expected)) {
        Require(ohm == 0);
        Require(note.empty());
        return 0;
    }
    const double got = ParseValuePart(text.substr(0, ohm));
    Require(std::fabs(got - expected) <= 1e-9 * expected);
    CheckNote(note, text.substr(0, ohm), expected);
    return 0;
}

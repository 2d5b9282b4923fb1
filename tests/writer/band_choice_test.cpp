#include "writer/band_choice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <charconv>
#include <cstdlib>
#include <cwchar>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "model/band_sets.h"
#include "model/colour_code.h"
#include "reader/readout.h"
#include "value_of_bands.h"
#include "writer/cut_note.h"
#include "writer/grouping.h"
#include "writer/readout_entry.h"
#include "writer/standard_step.h"

namespace {

using namespace model;
using reader::Series;
using writer::EntryError;
using writer::Step;
using writer::BandsForNumber;
using writer::ValueOfBands;


// The writer's bands: two digits and a multiplier; its tolerance band is none.
model::BandRow Written(int first, int second, int multiplier) {
    return {{static_cast<ColourIndex>(first), static_cast<ColourIndex>(second)}, static_cast<ColourIndex>(multiplier),
            std::nullopt};
}

// A row's colour indexes: digits, multiplier, then the tolerance band, -1
// for a band that has none.
std::vector<int> IndexesOf(const model::BandRow& row) {
    std::vector<int> indexes;
    for (const model::BandColour& band : row.digits) indexes.push_back(band ? static_cast<int>(*band) : -1);
    indexes.push_back(row.multiplier ? static_cast<int>(*row.multiplier) : -1);
    indexes.push_back(row.tolerance ? static_cast<int>(*row.tolerance) : -1);
    return indexes;
}

std::string Show(const std::optional<model::BandRow>& b) {
    if (!b) return "none";
    std::string shown;
    for (int index : IndexesOf(*b)) shown += std::to_string(index) + ",";
    return shown;
}

TEST(BandChoice, Examples) {
    struct Row {
        double ohms;
        std::optional<model::BandRow> bands;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {4700, Written(Yellow, Purple, Red)}, {475, Written(Yellow, Purple, Brown)},
        {479, Written(Yellow, Purple, Brown)}, {1, Written(Brown, Black, Gold)},
        {5, Written(Green, Black, Gold)}, {10, Written(Brown, Black, Black)},
        {100, Written(Brown, Black, Brown)}, {1000, Written(Brown, Black, Red)},
        {0.5, Written(Green, Black, Silver)}, {0.47, Written(Yellow, Purple, Silver)},
        {4.7, Written(Yellow, Purple, Gold)}, {47.5, Written(Yellow, Purple, Black)},
        {0.05, Written(Black, Green, Silver)}, {0.012, Written(Black, Brown, Silver)},
        {0.01, Written(Black, Brown, Silver)}, {0.0199, Written(Black, Brown, Silver)},
        {0.0, Written(Black, Black, Silver)}, {-0.0, Written(Black, Black, Silver)},
        {99999999999, Written(White, White, White)}, {1e10, Written(Brown, Black, White)},
        // The neighbours of a band value just below it lose its last digit.
        {std::nextafter(4.7, 0.0), Written(Yellow, Blue, Gold)},
        {std::nextafter(1000.0, 0.0), Written(White, White, Brown)},
        {std::nextafter(0.01, 0.0), std::nullopt},
        {std::nextafter(1e11, 0.0), Written(White, White, White)},
        {1e11, std::nullopt}, {0.009, std::nullopt}, {-5, std::nullopt},
        {-0.5, std::nullopt}, {5e-324, std::nullopt}, {1e300, std::nullopt},
        {inf, std::nullopt}, {-inf, std::nullopt}, {std::nan(""), std::nullopt},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Show(BandsForNumber(r.ohms)), Show(r.bands)) << "value " << r.ohms;
}

// Bands read back as the value that chose them: every band set with a non-zero
// first digit (and the 0.0x values under Silver) is its own choice.
TEST(BandChoice, EveryCanonicalBandSetRoundTrips) {
    for (int first = 0; first <= 9; ++first)
        for (int second = 0; second <= 9; ++second)
            for (int m = 0; m < kColourCount; ++m) {
                if (first == 0 && (m != Silver || second == 0)) continue;
                const model::BandRow b = Written(first, second, m);
                EXPECT_EQ(Show(BandsForNumber(ValueOfBands(b))), Show(b));
            }
}

TEST(BandChoice, ValueOfBandsUsesExactPowers) {
    EXPECT_EQ(ValueOfBands(Written(Yellow, Purple, Gold)), 4.7);
    EXPECT_EQ(ValueOfBands(Written(Yellow, Purple, Silver)), 0.47);
    EXPECT_EQ(ValueOfBands(Written(White, White, White)), 99000000000.0);
    EXPECT_EQ(ValueOfBands(Written(Black, Black, Silver)), 0.0);
    EXPECT_TRUE(std::isnan(ValueOfBands(Written(10, 0, Black))));
    EXPECT_TRUE(std::isnan(ValueOfBands(Written(1, 0, 12))));
    EXPECT_TRUE(std::isnan(ValueOfBands(Written(1, -1, 0))));
}

// The rule the writer first had: bands straight from the characters of a plain
// integer text (or a "0.d" fraction). Where it was right, the value rule agrees.
model::BandRow CharacterRule(const std::string& text) {
    if (std::strtod(text.c_str(), nullptr) < 1) return Written(text.back() - '0', 0, Silver);
    const int n = static_cast<int>(text.size());
    return Written(text[0] - '0', n >= 2 ? text[1] - '0' : 0, n == 1 ? Gold : n - 2);
}

TEST(BandChoice, AgreesWithTheCharacterRuleOnPlainTexts) {
    std::vector<std::string> texts = {"0"};
    for (int d = 0; d <= 9; ++d) texts.push_back("0." + std::to_string(d));
    for (int i = 1; i < 10000; ++i) texts.push_back(std::to_string(i));
    std::mt19937 random(20240611);
    for (int i = 0; i < 5000; ++i) {
        const int length = 5 + static_cast<int>(random() % 7);
        std::string text(1, static_cast<char>('1' + random() % 9));
        while (static_cast<int>(text.size()) < length) text += static_cast<char>('0' + random() % 10);
        texts.push_back(text);
    }
    for (const std::string& text : texts)
        ASSERT_EQ(Show(BandsForNumber(std::strtod(text.c_str(), nullptr))), Show(CharacterRule(text)))
            << "text " << text;
}

double UnitOf(int multiplier) {
    return multiplier == Silver ? 0.01 : multiplier == Gold ? 0.1 : std::pow(10.0, multiplier);
}

// The bands never round up and lose less than one unit of their last digit;
// everything from 0.01 to below 1e11 has bands.
TEST(BandChoice, BandsStayWithinOneUnitBelowTheValue) {
    std::vector<double> values;
    for (int k = 0; k <= 200000; ++k) values.push_back(k / 100.0);
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int e = -4; e <= 11; ++e)
        for (int i = 0; i < 20000; ++i) values.push_back(mantissa(random) * std::pow(10.0, e));
    for (int first = 1; first <= 9; ++first)
        for (int second = 0; second <= 9; ++second)
            for (int m = 0; m < kColourCount; ++m) {
                const double v = ValueOfBands(Written(first, second, m));
                values.push_back(std::nextafter(v, 0.0));
                values.push_back(std::nextafter(v, 1e300));
            }
    for (double v : values) {
        const std::optional<model::BandRow> b = BandsForNumber(v);
        ASSERT_EQ(b.has_value(), v == 0 || (v >= 0.01 && v < 1e11)) << v;
        if (!b) continue;
        const double chosen = ValueOfBands(*b);
        ASSERT_LE(chosen, v) << Show(b);
        ASSERT_EQ(writer::DigitsNeededForNumber(v) <= 2, chosen == v) << "cut or not: " << v;
        ASSERT_LT(v - chosen, UnitOf(*b->multiplier)) << Show(b) << " from " << v;
        // The next band value up is above the value.
        const int next = 10 * *b->digits[0] + *b->digits[1] + 1;
        if (next / 10 <= 9) ASSERT_LT(v, ValueOfBands(Written(next / 10, next % 10, *b->multiplier))) << Show(b) << " from " << v;
    }
}

// Up and Down in the value box, on the published series: neighbours across
// decades, between two values, at both ends of the range, and what four bands
// refuse. Texts as written with a full stop; the comma locale's are the same
// with a comma.
struct SeriesStep {
    double ohms;
    Series series;
    Step step;
    const wchar_t* text;   // nullptr: the key changes nothing
};
constexpr Step Up = Step::Up, Down = Step::Down;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
const SeriesStep kSeriesSteps[] = {
    {4700, Series::E24, Up, L"5100"},         {5100, Series::E24, Up, L"5600"},
    {5600, Series::E24, Down, L"5100"},       {5100, Series::E24, Down, L"4700"},
    {4700, Series::E24, Down, L"4300"},       {9100, Series::E24, Up, L"10000"},
    {10, Series::E24, Down, L"9.1"},          {1, Series::E24, Down, L"0.91"},
    {0.91, Series::E24, Up, L"1"},            {0.47, Series::E24, Up, L"0.51"},
    {1e9, Series::E24, Down, L"910000000"},   {910000000, Series::E24, Up, L"1000000000"},
    // Between two values: the next one in the key's direction.
    {4800, Series::E24, Down, L"4700"},       {4800, Series::E24, Up, L"5100"},
    {4705, Series::E24, Down, L"4700"},       {4705, Series::E24, Up, L"5100"},
    {4699.999, Series::E24, Down, L"4300"},   {4699.999, Series::E24, Up, L"4700"},
    {std::nextafter(4.7, 0.0), Series::E24, Up, L"4.7"},
    {std::nextafter(4.7, 10.0), Series::E24, Down, L"4.7"},
    // Each tolerance's series.
    {1000, Series::E12, Down, L"820"},        {820, Series::E12, Up, L"1000"},
    {4700, Series::E48, Up, L"4870"},         {4700, Series::E48, Down, L"4640"},
    {4700, Series::E96, Down, L"4640"},       {4700, Series::E96, Up, L"4750"},
    {100, Series::E96, Down, L"97.6"},        {4700, Series::E192, Up, L"4750"},
    {9.2, Series::E192, Down, L"9.09"},       {9.88, Series::E192, Up, L"10"},
    // From 0.1 up to the largest value below 100 G.
    {0.1, Series::E24, Down, nullptr},        {0.1, Series::E24, Up, L"0.11"},
    {0.1, Series::E192, Up, L"0.101"},        {0.101, Series::E192, Down, L"0.1"},
    {0.105, Series::E12, Down, L"0.1"},       {0.099, Series::E24, Up, L"0.1"},
    {0.05, Series::E96, Up, L"0.1"},          {0.05, Series::E24, Down, nullptr},
    {0, Series::E24, Up, L"0.1"},             {0, Series::E24, Down, nullptr},
    {82e9, Series::E24, Up, L"91000000000"},  {91e9, Series::E24, Up, nullptr},
    {91e9, Series::E24, Down, L"82000000000"},
    {99999999999, Series::E24, Up, nullptr},  {99999999999, Series::E24, Down, L"91000000000"},
    {97.6e9, Series::E96, Up, nullptr},       {98.8e9, Series::E192, Up, nullptr},
    {97e9, Series::E192, Up, L"97600000000"}, {1e10, Series::E12, Up, L"12000000000"},
    // What four bands cannot show: no step.
    {-5, Series::E24, Up, nullptr},           {0.009, Series::E24, Up, nullptr},
    {1e11, Series::E24, Down, nullptr},       {kInfinity, Series::E24, Down, nullptr},
    {std::nan(""), Series::E24, Up, nullptr},
};

TEST(StandardStep, NeighboursInTheSeries) {
    for (const SeriesStep& r : kSeriesSteps) {
        for (const wchar_t* separator : {L".", L","}) {
            std::wstring expected = r.text ? r.text : L"none";
            for (wchar_t& c : expected)
                if (c == L'.') c = separator[0];
            const auto ohms = writer::WriterDecimal(r.ohms);
            const auto text = ohms ? writer::SteppedText(*ohms, r.series, r.step, separator) : std::nullopt;
            EXPECT_EQ(text.value_or(L"none"), expected)
                << r.ohms << " " << reader::SeriesName(r.series) << (r.step == Up ? " up" : " down");
        }
    }
}

std::wstring Comma(double v) { return base::DecimalText(v, L','); }

// The balloon's words when four bands cut the value: what they show, in the
// readout's notation, how many digits the value needs, and where a value of
// three digits shows whole.
TEST(CutNote, SaysWhatTheBandsShowAndWhy) {
    const reader::NumberTexts comma{nullptr, Comma};
    const std::wstring five = L" in the five-band readout and press Enter to see its five bands.";
    struct Row {
        double ohms;
        std::wstring fullStop;
        std::wstring withComma;
    };
    const Row rows[] = {
        {4750, L"The bands show 4.7K: four bands carry two digits, and 4750 needs three. Type 4750" + five,
         L"The bands show 4.7K: four bands carry two digits, and 4750 needs three. Type 4750" + five},
        {479, L"The bands show 470: four bands carry two digits, and 479 needs three. Type 479" + five,
         L"The bands show 470: four bands carry two digits, and 479 needs three. Type 479" + five},
        {1234567, L"The bands show 1.2M: four bands carry two digits, and 1234567 needs seven.",
         L"The bands show 1.2M: four bands carry two digits, and 1234567 needs seven."},
        // Below 1 ohm the five-band reader has no bands for three digits.
        {0.475, L"The bands show 0.47: four bands carry two digits, and 0.475 needs three.",
         L"The bands show 0,47: four bands carry two digits, and 0,475 needs three."},
        {4.75, L"The bands show 4.7: four bands carry two digits, and 4.75 needs three. Type 4.75" + five,
         L"The bands show 4,7: four bands carry two digits, and 4,75 needs three. Type 4,75" + five},
        {47.5, L"The bands show 47: four bands carry two digits, and 47.5 needs three. Type 47.5" + five,
         L"The bands show 47: four bands carry two digits, and 47,5 needs three. Type 47,5" + five},
        {0.015, L"The bands show 0.01: four bands carry two digits, and 0.015 needs three.",
         L"The bands show 0,01: four bands carry two digits, and 0,015 needs three."},
        // Nor above 999M.
        {2.55e9, L"The bands show 2500M: four bands carry two digits, and 2550000000 needs three.",
         L"The bands show 2500M: four bands carry two digits, and 2550000000 needs three."},
        {99999999999, L"The bands show 99000M: four bands carry two digits, and 99999999999 needs eleven.",
         L"The bands show 99000M: four bands carry two digits, and 99999999999 needs eleven."},
        // Shown exactly, or not at all: nothing to say.
        {4700, L"", L""}, {47, L"", L""}, {0.47, L"", L""}, {1e3, L"", L""}, {0, L"", L""},
        {0.05, L"", L""}, {99e9, L"", L""}, {-4750, L"", L""}, {1e11, L"", L""}, {0.0095, L"", L""},
    };
    for (const Row& r : rows) {
        const auto ohms = writer::WriterDecimal(r.ohms);
        EXPECT_EQ(ohms ? writer::CutNote(*ohms, reader::NumberTexts{}, L".") : L"", r.fullStop) << r.ohms;
        EXPECT_EQ(ohms ? writer::CutNote(*ohms, comma, L",") : L"", r.withComma) << r.ohms;
    }
}

// A value typed in a reader's readout: the bands of that reader, or why it
// has none. Bands as colour indexes: digits, multiplier, tolerance (-1: the
// band stays). The separator is the user's; nullptr: the row holds for a
// full stop and for a comma alike.
struct TypedEntry {
    std::wstring text;
    const wchar_t* separator;
    int digitBands;
    std::vector<int> bands;   // empty: refused for `error`
    EntryError error = EntryError::NotAValue;
    bool cut = false;
};
const model::BandSet& ReaderWith(int digitBands) {
    return digitBands == 2 ? model::kFourBandReader : model::kFiveBandReader;
}
constexpr EntryError kOutOfRange = EntryError::OutOfRange, kNotAValue = EntryError::NotAValue;
const TypedEntry kTypedEntries[] = {
    // The readout's own texts come back to their bands.
    {L" 4.7K Ohm   \u00B15%", nullptr, 2, {Yellow, Purple, Red, Gold}},
    {L"470 Ohm   \u00B110%", nullptr, 2, {Yellow, Purple, Brown, Silver}},
    {L"4,7 Ohm   \u00B15%", L",", 2, {Yellow, Purple, Gold, Gold}},
    {L" 999M Ohm   \u00B10.05%", nullptr, 3, {White, White, White, Blue, Gray}},
    {L"1 Ohm   \u00B15%", nullptr, 3, {Brown, Black, Black, Silver, Gold}},
    {L"0.1 Ohm   \u00B11%", nullptr, 2, {Brown, Black, Silver, Brown}},
    // Shorter forms.
    {L"4.7K", nullptr, 2, {Yellow, Purple, Red, -1}},
    {L"4.7k", nullptr, 2, {Yellow, Purple, Red, -1}},
    {L"4K", nullptr, 2, {Yellow, Black, Red, -1}},
    {L"4 k", nullptr, 2, {Yellow, Black, Red, -1}},
    {L"4700", nullptr, 3, {Yellow, Purple, Black, Brown, -1}},
    {L"1M", nullptr, 2, {Brown, Black, Green, -1}},
    {L"4.75K 1%", nullptr, 3, {Yellow, Purple, Green, Brown, Brown}},
    {L"4.75K \u00B11%", nullptr, 2, {Yellow, Purple, Red, Brown}, kNotAValue, true},
    {L"120 Ohm", nullptr, 2, {Brown, Red, Brown, -1}},
    {L"120\u03A9", nullptr, 3, {Brown, Red, Black, Black, -1}},
    {L"120 ohms", nullptr, 2, {Brown, Red, Brown, -1}},
    {L"4.7\u00A0k", nullptr, 2, {Yellow, Purple, Red, -1}},  // a no-break space is a space
    {L"4,7", L",", 2, {Yellow, Purple, Gold, -1}},
    {L"4.7", L",", 2, {Yellow, Purple, Gold, -1}},
    {L"1,000", L",", 2, {Brown, Black, Gold, -1}},   // the comma is the decimal mark: 1 ohm
    {L".5K +/-10%", nullptr, 2, {Green, Black, Brown, Silver}},
    {L"4.7K 0,25%", L",", 2, {Yellow, Purple, Red, Blue}},
    {L"1.5", nullptr, 3, {Brown, Green, Black, Silver, -1}},
    {L"4<>7", L"<>", 2, {Yellow, Purple, Gold, -1}},
    // RKM codes: the multiplier's letter in place of the decimal mark, in either case.
    {L"4K7", nullptr, 2, {Yellow, Purple, Red, -1}},
    {L"4k7", nullptr, 3, {Yellow, Purple, Black, Brown, -1}},
    {L"4R7", nullptr, 2, {Yellow, Purple, Gold, -1}},
    {L"R47", nullptr, 2, {Yellow, Purple, Silver, -1}},
    {L"47R", nullptr, 3, {Yellow, Purple, Black, Gold, -1}},
    {L"K1", nullptr, 3, {Brown, Black, Black, Black, -1}},
    {L"1M5", nullptr, 2, {Brown, Green, Green, -1}},
    {L"2m2", nullptr, 3, {Red, Red, Black, Yellow, -1}},
    {L"4K7 1%", nullptr, 3, {Yellow, Purple, Black, Brown, Brown}},
    {L"4r75\u2126\u00B11%", nullptr, 2, {Yellow, Purple, Gold, Brown}, kNotAValue, true},
    {L"1G", nullptr, 3, {}, kOutOfRange},
    {L"0R", nullptr, 2, {}, kOutOfRange},
    // Pasted from a datasheet set SI-style: a narrow no-break or thin space before the unit.
    {L"4.7\u202Fk\u03A9", nullptr, 2, {Yellow, Purple, Red, -1}},
    {L"4.7\u2009k\u2126\u2009\u00B15\u202F%", nullptr, 2, {Yellow, Purple, Red, Gold}},
    {L"\u202F470\u2009Ohm\u2009", nullptr, 3, {Yellow, Purple, Black, Black, -1}},
    // The first digit band holds the first significant digit, never Black.
    {L"47", nullptr, 3, {Yellow, Purple, Black, Gold, -1}},
    {L"047", nullptr, 2, {Yellow, Purple, Black, -1}},
    // Digits beyond the bands are cut, not rounded.
    {L"4750", nullptr, 2, {Yellow, Purple, Red, -1}, kNotAValue, true},
    {L"479", nullptr, 2, {Yellow, Purple, Brown, -1}, kNotAValue, true},
    // The ends of each reader's range.
    {L"0.1", nullptr, 2, {Brown, Black, Silver, -1}},
    {L"0.1", nullptr, 3, {}, kOutOfRange},
    {L"1", nullptr, 3, {Brown, Black, Black, Silver, -1}},
    {L"99M", nullptr, 2, {White, White, Blue, -1}},
    {L"99.5M", nullptr, 2, {White, White, Blue, -1}, kNotAValue, true},
    {L"100M", nullptr, 2, {}, kOutOfRange},
    {L"999.9M", nullptr, 3, {White, White, White, Blue, -1}, kNotAValue, true},
    {L"1000M", nullptr, 3, {}, kOutOfRange},
    {L"0.09", nullptr, 2, {}, kOutOfRange},
    {L"0", nullptr, 2, {}, kOutOfRange},
    {L"-0", nullptr, 3, {}, kOutOfRange},
    {L"-4.7K", nullptr, 2, {}, kOutOfRange},
    {L"\u22124.7K", nullptr, 2, {}, kOutOfRange},   // the typeset minus sign
    {L"1" + std::wstring(32766, L'0'), nullptr, 2, {}, kOutOfRange},
    {std::wstring(32767, L'7'), nullptr, 3, {}, kOutOfRange},
    // No value at all.
    {L"4.7K7", nullptr, 2, {}},          // a code holds no decimal mark
    {L"4K7K", nullptr, 2, {}},           // and one letter
    {L"4 K7", nullptr, 2, {}},
    {L"R", nullptr, 2, {}},
    {L"1m", nullptr, 2, {}},             // a lower-case m would be milli, not mega
    {L"1 000", nullptr, 3, {}},          // no grouping, by spaces either
    {L"1\u00A0000", L",", 3, {}},
    {L"4.7K 5% 5%", nullptr, 2, {}},     // nothing after the tolerance
    {L"", nullptr, 2, {}},
    {L"abc", nullptr, 3, {}},
    {L"1e309", nullptr, 2, {}},
    {L"NaN", nullptr, 2, {}},
    {L"inf", nullptr, 3, {}},
    {L"4.7.1", nullptr, 2, {}},
    {L"4,7.1", L",", 2, {}},
    {L"1,000", L".", 2, {}},
    {L"4,7", L".", 2, {}},
    {L"4<7", L"<>", 2, {}},
    {L"4\u2009700", nullptr, 2, {}},   // no grouping, with a thin space neither
    {L"4<>7<>1", L"<>", 2, {}},
    {L"4.7K Ohm Ohm", nullptr, 2, {}},
    {std::wstring(32767, L'x'), nullptr, 2, {}},
    // A tolerance the palettes do not offer.
    {L"4.7K \u00B120%", nullptr, 2, {}, EntryError::NoSuchTolerance},
    {L"4.7K 3%", nullptr, 3, {}, EntryError::NoSuchTolerance},
};

TEST(ReaderEntry, TypedTextsGiveTheReadersBands) {
    for (const TypedEntry& r : kTypedEntries) {
        for (const wchar_t* separator : {L".", L","}) {
            if (r.separator && std::wstring_view(separator) != r.separator && std::wstring_view(r.separator) != L"<>")
                continue;
            const wchar_t* used = r.separator ? r.separator : separator;
            const writer::ReaderEntry entry = writer::ReaderEntryFor(r.text, ReaderWith(r.digitBands), used);
            const std::string where = std::string(r.text.begin(), r.text.begin() + std::min<std::size_t>(r.text.size(), 20));
            ASSERT_EQ(entry.bands.has_value(), !r.bands.empty()) << where;
            if (!entry.bands) {
                EXPECT_EQ(entry.error, r.error) << where;
                continue;
            }
            EXPECT_EQ(IndexesOf(*entry.bands), r.bands) << where;
            EXPECT_EQ(entry.cut, r.cut) << where;
        }
    }
}

// Up and Down in a readout: the reader's bands step to the next value of
// their tolerance's series that the reader shows whole.
struct ReaderStep {
    const wchar_t* digits;
    int power;
    int digitBands;
    std::vector<Series> series;   // the tolerance band's
    Step step;
    std::vector<int> bands;   // digits and multiplier; empty: nothing changes
};
const ReaderStep kReaderSteps[] = {
    {L"47", 2, 2, {Series::E24}, Step::Up, {Green, Brown, Red}},
    {L"47", 2, 2, {Series::E24}, Step::Down, {Yellow, Orange, Red}},
    // E96 holds few values of two digits: 3.4K and 5.9K around 4.7K.
    {L"47", 2, 2, {Series::E96}, Step::Up, {Green, White, Red}},
    {L"47", 2, 2, {Series::E96}, Step::Down, {Orange, Yellow, Red}},
    {L"470", 1, 3, {Series::E96}, Step::Up, {Yellow, Purple, Green, Brown}},
    {L"470", 1, 3, {Series::E96}, Step::Down, {Yellow, Blue, Yellow, Brown}},
    // With E24 beside the own series, as a tolerance band gives them: four bands
    // still show two digits alone, five bands every value.
    {L"22", 2, 2, {Series::E96, Series::E24}, Step::Up, {Red, Yellow, Red}},
    {L"22", 2, 2, {Series::E96, Series::E24}, Step::Down, {Red, Brown, Red}},
    {L"12", 3, 2, {Series::E48, Series::E24}, Step::Up, {Brown, Orange, Orange}},
    {L"220", 1, 3, {Series::E96, Series::E24}, Step::Up, {Red, Red, Brown, Brown}},
    {L"221", 1, 3, {Series::E96, Series::E24}, Step::Down, {Red, Red, Black, Brown}},
    // From the design bands across a decade.
    {L"99", 0, 2, {Series::E192}, Step::Up, {Brown, Black, Brown}},
    {L"999", 0, 3, {Series::E192}, Step::Up, {Brown, Black, Black, Brown}},
    {L"10", 0, 2, {Series::E12}, Step::Down, {Gray, Red, Gold}},
    // The ends of each reader's range.
    {L"10", -2, 2, {Series::E24}, Step::Down, {}},
    {L"10", -2, 2, {Series::E24}, Step::Up, {Brown, Brown, Silver}},
    {L"100", -2, 3, {Series::E24}, Step::Down, {}},
    {L"100", -2, 3, {Series::E192}, Step::Up, {Brown, Black, Brown, Silver}},
    {L"91", 6, 2, {Series::E24}, Step::Up, {}},
    {L"91", 6, 2, {Series::E24}, Step::Down, {Gray, Red, Blue}},
    {L"99", 6, 2, {Series::E24}, Step::Down, {White, Brown, Blue}},
    {L"988", 6, 3, {Series::E192}, Step::Up, {}},
    {L"999", 6, 3, {Series::E192}, Step::Down, {White, Gray, Gray, Blue}},
};

TEST(ReaderEntry, StepsGoToValuesTheReaderShowsWhole) {
    for (const ReaderStep& r : kReaderSteps) {
        const auto next = writer::SteppedReaderBands(r.digits, r.power, r.series, ReaderWith(r.digitBands), r.step);
        std::vector<int> got;
        if (next) {
            got = IndexesOf(*next);
            EXPECT_EQ(got.back(), -1);   // the tolerance band stays as it is
            got.pop_back();
        }
        EXPECT_EQ(got, r.bands) << std::string(r.digits, r.digits + wcslen(r.digits)) << "e" << r.power << " "
                                << reader::SeriesName(r.series.front()) << (r.step == Step::Up ? " up" : " down");
    }
}

// The value box takes no grouping: what a text with a grouping mark, or a
// comma beside another decimal mark, is to be typed as instead ("" for none).
TEST(Grouping, TextsWithGroupingAreToBeTypedWithout) {
    // grouped: the mark stood as a group separator, not as a decimal mark.
    const struct { const wchar_t *text, *decimal, *group, *example; bool grouped; } kRows[] = {
        {L"4700", L".", L",", L"", false}, {L"4,7", L",", L".", L"", false}, {L" 47 ", L",", L" ", L"", false},
        {L"4,7", L".", L",", L"4.7", false}, {L"5,", L".", L",", L"5", false}, {L",5", L".", L",", L".5", false},
        {L"0,470", L".", L",", L"0.470", false}, {L"1,50", L".", L",", L"1.50", false},
        {L" 1,000 ", L".", L",", L"1000", true}, {L"1,234,567.5", L".", L",", L"1234567.5", true},
        {L"1234,567", L".", L",", L"1234.567", false}, {L"1,2,3", L".", L",", L"4.7", false},
        {L"$1,234.50", L".", L",", L"4.7", false}, {L"4,7", L".", L"'", L"4.7", false},
        {L"4.7", L",", L".", L"4,7", false}, {L"1.000,5", L",", L".", L"1000,5", true}, {L"1.2.3", L",", L".", L"4,7", false},
        {L"1 000", L",", L" ", L"1000", true}, {L"1ab000", L".", L"ab", L"1000", true}, {L"4,7", L".", L"", L"4.7", false},
    };
    for (const auto& g : kRows) {
        const auto ungrouped = writer::UngroupedText(g.text, g.decimal, g.group);
        const std::string where = std::string(g.text, g.text + wcslen(g.text)) + " / " + static_cast<char>(g.decimal[0]);
        EXPECT_EQ(ungrouped ? ungrouped->example : L"", g.example) << where;
        if (ungrouped) EXPECT_EQ(ungrouped->groupSeparator, g.grouped) << where;
    }
}

}  // namespace

#include "reader/series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "model/colour_code.h"
#include "reader/misread.h"
#include "reader/series_note.h"

namespace {

using namespace model;
using reader::Series;

// One decade of a series, 1.00 to 9.xx as three digits, walked through the
// series' own steps.
std::vector<int> Decade(Series series) {
    const Series one[] = {series};
    std::vector<int> values;
    reader::Reading at{{0, 100}, true};
    if (reader::InSeries(series, at)) values.push_back(at.value.significand);
    while (const auto next = reader::NearestAbove(one, at)) {
        if (next->power != at.value.power) break;
        values.push_back(next->significand);
        at.value = *next;
    }
    return values;
}

// The published tables differ from the rounded formula 10^(i/n) exactly here.
TEST(Series, PublishedTablesAgainstTheFormula) {
    struct Row {
        Series series;
        std::size_t count;
        std::set<int> notAsTheFormula;
    };
    const Row rows[] = {
        {Series::E6, 6, {330, 470}},
        {Series::E12, 12, {270, 330, 390, 470, 820}},
        {Series::E24, 24, {270, 300, 330, 360, 390, 430, 470, 820}},
        {Series::E48, 48, {}},
        {Series::E96, 96, {}},
        {Series::E192, 192, {920}},
    };
    for (const Row& r : rows) {
        const std::vector<int> values = Decade(r.series);
        ASSERT_EQ(values.size(), r.count) << reader::SeriesName(r.series);
        const int digits = r.count <= 24 ? 2 : 3;  // E24 and below are given in two digits
        std::set<int> differ;
        for (std::size_t i = 0; i < r.count; ++i) {
            const double exact = std::pow(10.0, double(i) / double(r.count) + digits - 1);
            const int formula = int(std::lround(exact)) * (digits == 2 ? 10 : 1);
            if (values[i] != formula) differ.insert(values[i]);
        }
        EXPECT_EQ(differ, r.notAsTheFormula) << reader::SeriesName(r.series);
    }
}

reader::BandColour C(int index) { return static_cast<ColourIndex>(index); }   // a band's colour index
std::wstring Comma(double v) { return base::DecimalText(v, L','); }
constexpr reader::NumberTexts kCommaNumbers{nullptr, Comma};

// What the readers' palettes offer, as the window shows them: a first digit
// Brown to White, further digits Black to White, a multiplier Black to Blue,
// Silver or Gold, and the eight tolerance colours.
reader::Offered Colours(std::initializer_list<int> indexes) {
    reader::Offered offered = 0;
    for (int i : indexes) offered |= static_cast<reader::Offered>(1u << i);
    return offered;
}
model::BandSet PalettesFor(std::size_t digitBands) {
    const reader::Offered digit = Colours({Black, Brown, Red, Orange, Yellow, Green, Blue, Purple, Gray, White});
    return {static_cast<int>(digitBands),
            {static_cast<reader::Offered>(digit & ~Colours({Black})), digit, digit},
            Colours({Black, Brown, Red, Orange, Yellow, Green, Blue, Silver, Gold}),
            Colours({Brown, Red, Green, Blue, Purple, Gray, Silver, Gold})};
}

// The note, and the hints on a misread beneath it. Standard values from the
// published E24, E48, E96 and E192 tables.
struct Case {
    std::vector<int> digits;
    int multiplier;
    int tolerance;
    const wchar_t* note;
    const wchar_t* hints = L"";
};

const Case kCases[] = {
    // Gray taken for Purple; Gold is never a first digit, so no other end.
    {{Yellow, Gray}, Red, Gold, L"4.8K is not a \u00B15% standard value (E24); nearest: 4.7K, 5.1K",
     L"If band 2 is Purple, not Gray: 4.7K"},
    {{Yellow, Purple}, Red, Gold, L"4.7K is a \u00B15% standard value (E24), also in E12, E6"},
    {{Green, Brown}, Red, Gold, L"5.1K is a \u00B15% standard value (E24)"},
    {{White, Red}, Red, Gold, L"9.2K is not a \u00B15% standard value (E24); nearest: 9.1K, 10K",
     L"If band 2 is Brown, not Red: 9.1K\nIf band 1 is Gray, not White: 8.2K"},
    // No digit neighbour gives an E12 value (8.1K, 9K, 9.2K, 910, 91K); Gray, \u00B10.05%, would take E24,
    // but no four-band part is made at it. Five bands are.
    {{White, Brown}, Red, Silver, L"9.1K is not a \u00B110% standard value (E12); nearest: 8.2K, 10K"},
    {{White, Brown, Black}, Brown, Silver, L"9.1K is not a \u00B110% standard value (E12); nearest: 8.2K, 10K",
     L"If the tolerance band is Gray, not Silver: 9.1K \u00B10.05%, a standard value (E24)"},
    {{Brown, Brown}, Silver, Silver, L"0.11 is not a \u00B110% standard value (E12); nearest: 0.1, 0.12",
     L"If band 2 is Red, not Brown: 0.12\nIf band 2 is Black, not Brown: 0.1"},
    {{Black, Black, Brown}, Silver, Brown, L"0.01 is a \u00B11% standard value (E96), also in E48, E24, E12, E6"},
    // White is no multiplier: the other end cannot be shown, nor 1000M, nor 910000M.
    {{White, White, White}, Blue, Gray, L"999M is not a \u00B10.05% standard value (E192 or E24); nearest: 988M"},
    {{White, White, White}, White, Gold, L"999000M is not a \u00B15% standard value (E24); nearest: 910M"},
    // Four bands show no E48 value of three digits, such as 4.87K.
    {{Yellow, Gray}, Red, Red, L"4.8K is not a \u00B12% standard value (E48 or E24); nearest: 4.7K, 5.1K",
     L"If band 2 is Purple, not Gray: 4.7K"},
    {{Yellow, Purple}, Red, Red, L"4.7K is a \u00B12% standard value (E24), also in E12, E6"},
    // The other end, Red, Red, Black, Brown, reads 22 at 1%: E24 values are made at 1% too, and
    // four-band parts at 1%.
    {{Brown, Black}, Red, Red, L"1K is a \u00B12% standard value (E48), also in E24, E12, E6",
     L"From the other end these bands read 22 \u00B11%, also a standard value (E24). Tell the ends apart: "
     L"the tolerance band usually stands apart from the others, after a wider gap, and is often wider than they are"},
    {{Yellow, Purple}, Red, Green, L"4.7K is a \u00B10.5% standard value (E192), also in E24, E12, E6"},
    {{White, Red, Black}, Silver, Purple, L"9.2 is a \u00B10.1% standard value (E192)"},
    {{White, Brown, White}, Silver, Blue, L"9.19 is not a \u00B10.25% standard value (E192 or E24); nearest: 9.1, 9.2",
     L"If band 2 is Black, not Brown: 9.09"},
    {{Yellow, Gray, Purple}, Red, Brown, L"48.7K is a \u00B11% standard value (E96), also in E48"},
    {{Black, Purple}, Red, Brown, L"0700 is not a \u00B11% standard value (E96 or E24); nearest: 680, 750"},
    {{Yellow, Purple, Black, Brown}, Black, Gold, L"4.701K is not a \u00B15% standard value (E24); nearest: 4.7K, 5.1K",
     L"If band 4 is Black, not Brown: 4.7K"},
    {{Yellow, Purple}, Red, Black, L"4.7K: no standard series without a tolerance"},
    {{Black, Black}, Black, Gold, L"00 is outside the standard values, 0.01 to 999000M"},
    {{White, White, White, Brown}, Gray, Gold, L"999100M is outside the standard values, 0.01 to 999000M"},
    {{Yellow, Gold}, Red, Gold, L""},  // Gold carries no digit: no value, no note
    // Read from the wrong end: the Red tolerance band taken for a first digit.
    {{Brown, Brown, Brown}, Red, Red, L"11.1K is not a \u00B12% standard value (E48 or E24); nearest: 11K, 11.5K",
     L"If band 3 is Black, not Brown: 11K\nIf band 2 is Red, not Brown: 12.1K\n"
     L"From the other end these bands read 2.21K \u00B11%, a standard value (E96)"},
    // Both ends standard: which end is which must be told by the bands' places and widths.
    {{Brown, Green, Black}, Brown, Brown, L"1.5K is a \u00B11% standard value (E96), also in E24, E12, E6",
     L"From the other end these bands read 11M \u00B11%, also a standard value (E96). Tell the ends apart: "
     L"the tolerance band usually stands apart from the others, after a wider gap, and is often wider than they are"},
    // Gray is no multiplier, so the other end (Brown, Red, Gray, Brown) is not offered.
    {{Brown, Gray}, Red, Brown, L"1.8K is a \u00B11% standard value (E24), also in E12"},
    // Purple is no multiplier either: reversed, 17 would read 100M, but no reader shows it.
    {{Brown, Purple}, Black, Brown, L"17 is not a \u00B11% standard value (E96 or E24); nearest: 16, 18",
     L"If band 2 is Gray, not Purple: 18\nIf band 2 is Blue, not Purple: 16\nIf band 1 is Red, not Brown: 27"},
    // Four neighbours give E192 values (2.03K, 1.13K, 1.02K, 1.04K): the three nearest, nearest first.
    {{Brown, Black, Orange}, Brown, Green,
     L"1.03K is not a \u00B10.5% standard value (E192 or E24); nearest: 1.02K, 1.04K",
     L"If band 3 is Yellow, not Orange: 1.04K\nIf band 3 is Red, not Orange: 1.02K\nIf band 2 is Brown, not Black: 1.13K"},
    // E24 values are standard at 1% and tighter too, and need no hint.
    {{Red, Red}, Red, Brown, L"2.2K is a \u00B11% standard value (E24), also in E12, E6",
     L"From the other end these bands read 1.2K \u00B12%, also a standard value (E24). Tell the ends apart: "
     L"the tolerance band usually stands apart from the others, after a wider gap, and is often wider than they are"},
    {{Orange, Orange, Black}, Brown, Brown, L"3.3K is a \u00B11% standard value (E24), also in E12, E6"},
    {{Red, Red}, Red, Purple, L"2.2K is a \u00B10.1% standard value (E24), also in E12, E6"},
    // The nearest candidates first (24/23 < 23/22), 13 left out; the Red end reads 20K.
    {{Red, Orange}, Black, Red, L"23 is not a \u00B12% standard value (E48 or E24); nearest: 22, 24",
     L"If band 2 is Yellow, not Orange: 24\nIf band 2 is Red, not Orange: 22\nIf band 1 is Orange, not Red: 33\n"
     L"From the other end these bands read 20K \u00B12%, a standard value (E24)"},
    // A tolerance band misread keeps the value: the nearest candidate of all.
    {{Red, Brown, Black}, Black, Red, L"210 is not a \u00B12% standard value (E48 or E24); nearest: 205, 215",
     L"If the tolerance band is Brown, not Red: 210 \u00B11%, a standard value (E96)\n"
     L"If band 2 is Red, not Brown: 220\nIf band 2 is Black, not Brown: 200\n"
     L"From the other end these bands read 2K \u00B12%, a standard value (E24)"},
    // Four-band parts are hardly made tighter than 1%: a Green other end (10 at 0.5%) is not said.
    {{Green, Black}, Black, Brown, L"50 is not a \u00B11% standard value (E96 or E24); nearest: 47, 51",
     L"If band 2 is Brown, not Black: 51"},
    // One line a value: the other end says 1.5M, so band 1 taken for Brown is not said again;
    // its 200 is not the 20 of band 2 taken for Black.
    {{Red, Green}, Green, Brown, L"2.5M is not a \u00B11% standard value (E96 or E24); nearest: 2.4M, 2.7M",
     L"From the other end these bands read 1.5M \u00B12%, a standard value (E24)"},
    {{Red, Brown}, Black, Red, L"21 is not a \u00B12% standard value (E48 or E24); nearest: 20, 22",
     L"If the tolerance band is Brown, not Red: 21 \u00B11%, a standard value (E96)\n"
     L"If band 2 is Red, not Brown: 22\nIf band 2 is Black, not Brown: 20\n"
     L"From the other end these bands read 200 \u00B12%, a standard value (E24)"},
    // The same bands from either end: nothing to tell apart.
    {{Brown, Black}, Black, Brown, L"10 is a \u00B11% standard value (E96), also in E48, E24, E12, E6"},
};

TEST(Series, NoteOnTheBands) {
    for (const Case& c : kCases) {
        std::vector<reader::BandColour> digits;
        for (int d : c.digits) digits.push_back(C(d));
        const model::BandRow bands{digits, C(c.multiplier), C(c.tolerance)};
        EXPECT_EQ(reader::SeriesNote(bands, PalettesFor(digits.size()), reader::NumberTexts{}), c.note);
        EXPECT_EQ(reader::MisreadHints(bands, PalettesFor(digits.size()), reader::NumberTexts{}), c.hints) << c.note;
    }
}

TEST(Series, ValuesAreWrittenAsTheReadoutWritesThem) {
    const std::vector<reader::BandColour> digits = {C(Yellow), C(Gray)};
    EXPECT_EQ(reader::SeriesNote({digits, C(Gold), C(Gold)}, PalettesFor(2), kCommaNumbers),
              L"4,8 is not a \u00B15% standard value (E24); nearest: 4,7, 5,1");
    EXPECT_EQ(reader::SeriesNote({digits, C(Red), C(Gold)}, PalettesFor(2), kCommaNumbers),
              L"4.8K is not a \u00B15% standard value (E24); nearest: 4.7K, 5.1K");
    EXPECT_EQ(reader::MisreadHints({digits, C(Gold), C(Gold)}, PalettesFor(2), kCommaNumbers),
              L"If band 2 is Purple, not Gray: 4,7");
}

TEST(Series, WriterNoteNamesTheBandsAndTheirValue) {
    struct Row {
        std::vector<int> digits;
        int multiplier, tolerance;
        const wchar_t* note;
        const wchar_t* cutFrom = L"";
    };
    const Row rows[] = {
        {{Yellow, Purple}, Red, Gold,
         L"Yellow, Purple, Red: 4.7K. 4.7K is a \u00B15% standard value (E24), also in E12, E6"},
        {{Green, Black}, Gold, Silver,
         L"Green, Black, Gold: 5. 5 is not a \u00B110% standard value (E12); nearest: 4.7, 5.6"},
        {{Gray, Gray}, White, Gold,
         L"Gray, Gray, White: 88000M. 88000M is not a \u00B15% standard value (E24); nearest: 82000M, 91000M"},
        {{Green, Black}, Silver, Brown,
         L"Green, Black, Silver: 0.5. 0.5 is not a \u00B11% standard value (E96 or E24); nearest: 0.47, 0.51"},
        {{Yellow, Purple}, Red, Brown,
         L"Yellow, Purple, Red: 4.7K, cut from 4750. 4.7K is a \u00B11% standard value (E24), also in E12, E6",
         L"4750"},
    };
    for (const Row& r : rows) {
        std::vector<reader::BandColour> digits;
        for (int d : r.digits) digits.push_back(C(d));
        EXPECT_EQ(reader::WriterNote({digits, C(r.multiplier), C(r.tolerance)}, reader::NumberTexts{}, r.cutFrom),
                  r.note);
    }
}

}  // namespace

#include "reader/series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "model/colour_code.h"
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

std::wstring C(int index) { return std::to_wstring(index); }   // a colour index as Rang2 gives it
std::wstring Comma(double v) { return reader::DecimalText(v, L','); }
constexpr reader::NumberTexts kCommaNumbers{nullptr, Comma};

struct Case {
    std::vector<int> digits;
    int multiplier;
    int tolerance;
    const wchar_t* note;
};

const Case kCases[] = {
    {{Yellow, Gray}, Red, Gold, L"4.8K is not a \u00B15% standard value (E24); nearest: 4.7K, 5.1K"},
    {{Yellow, Purple}, Red, Gold, L"4.7K is a \u00B15% standard value (E24), also in E12, E6"},
    {{Green, Brown}, Red, Gold, L"5.1K is a \u00B15% standard value (E24)"},
    {{White, Red}, Red, Gold, L"9.2K is not a \u00B15% standard value (E24); nearest: 9.1K, 10K"},
    {{White, Brown}, Red, Silver, L"9.1K is not a \u00B110% standard value (E12); nearest: 8.2K, 10K"},
    {{Brown, Brown}, Silver, Silver, L"0.11 is not a \u00B110% standard value (E12); nearest: 0.1, 0.12"},
    {{Black, Black, Brown}, Silver, Brown, L"0.01 is a \u00B11% standard value (E96), also in E48, E24, E12, E6"},
    {{White, White, White}, Blue, Gray, L"999M is not a \u00B10.05% standard value (E192); nearest: 988M, 1000M"},
    {{White, White, White}, White, Gold, L"999000M is not a \u00B15% standard value (E24); nearest: 910000M"},
    {{Yellow, Gray}, Red, Red, L"4.8K is not a \u00B12% standard value (E48 or E24); nearest: 4.7K, 4.87K"},
    {{Yellow, Purple}, Red, Red, L"4.7K is a \u00B12% standard value (E24), also in E12, E6"},
    {{Brown, Black}, Red, Red, L"1K is a \u00B12% standard value (E48), also in E24, E12, E6"},
    {{Yellow, Purple}, Red, Green, L"4.7K is a \u00B10.5% standard value (E192), also in E24, E12, E6"},
    {{White, Red, Black}, Silver, Purple, L"9.2 is a \u00B10.1% standard value (E192)"},
    {{White, Brown, White}, Silver, Blue, L"9.19 is not a \u00B10.25% standard value (E192); nearest: 9.09, 9.2"},
    {{Yellow, Gray, Purple}, Red, Brown, L"48.7K is a \u00B11% standard value (E96), also in E48"},
    {{Black, Purple}, Red, Brown, L"0700 is not a \u00B11% standard value (E96); nearest: 698, 715"},
    {{Yellow, Purple, Black, Brown}, Black, Gold, L"4.701K is not a \u00B15% standard value (E24); nearest: 4.7K, 5.1K"},
    {{Yellow, Purple}, Red, Black, L"4.7K: no standard series without a tolerance"},
    {{Black, Black}, Black, Gold, L"00 is outside the standard values, 0.01 to 999000M"},
    {{Yellow, Gold}, Red, Gold, L""},  // Gold carries no digit: no value, no note
};

TEST(Series, NoteOnTheBands) {
    for (const Case& c : kCases) {
        std::vector<std::wstring> digits;
        for (int d : c.digits) digits.push_back(C(d));
        EXPECT_EQ(reader::SeriesNote({digits, C(c.multiplier), C(c.tolerance)}, reader::NumberTexts{}), c.note);
    }
}

TEST(Series, ValuesAreWrittenAsTheReadoutWritesThem) {
    const std::vector<std::wstring> digits = {C(Yellow), C(Gray)};
    EXPECT_EQ(reader::SeriesNote({digits, C(Gold), C(Gold)}, kCommaNumbers),
              L"4,8 is not a \u00B15% standard value (E24); nearest: 4,7, 5,1");
    EXPECT_EQ(reader::SeriesNote({digits, C(Red), C(Gold)}, kCommaNumbers),
              L"4.8K is not a \u00B15% standard value (E24); nearest: 4.7K, 5.1K");
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
        {{Green, Black}, Silver, Brown,
         L"Green, Black, Silver: 0.5. 0.5 is not a \u00B11% standard value (E96); nearest: 0.499, 0.511"},
        {{Yellow, Purple}, Red, Brown,
         L"Yellow, Purple, Red: 4.7K, cut from 4750. 4.7K is not a \u00B11% standard value (E96); nearest: 4.64K, 4.75K",
         L"4750"},
    };
    for (const Row& r : rows) {
        std::vector<std::wstring> digits;
        for (int d : r.digits) digits.push_back(C(d));
        EXPECT_EQ(reader::WriterNote({digits, C(r.multiplier), C(r.tolerance)}, reader::NumberTexts{}, r.cutFrom),
                  r.note);
    }
}

}  // namespace

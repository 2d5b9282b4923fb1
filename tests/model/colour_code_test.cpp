#include "model/colour_code.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using model::MAs;
using model::Rang;
using model::Rang2;
using model::Tolerance;

struct Row {
    const wchar_t* key;
    const wchar_t* result;
};

// Each lookup against every one of its keys, plus texts that look like keys but
// are not: the comparison is on the exact decimal text.
void ExpectLookups(std::wstring (*lookup)(const std::wstring&), std::initializer_list<Row> rows) {
    for (const Row& row : rows) EXPECT_EQ(lookup(row.key), row.result) << "key '" << row.key << "'";
}

TEST(ColourCode, RangGivesTheColourValueOfEachIndex) {
    ExpectLookups(Rang, {{L"0", L"0"}, {L"1", L"16512"}, {L"2", L"255"}, {L"3", L"33023"},
                         {L"4", L"65535"}, {L"5", L"65280"}, {L"6", L"16711680"},
                         {L"7", L"12583104"}, {L"8", L"8421504"}, {L"9", L"16777215"},
                         {L"10", L"14737632"}, {L"11", L"8438015"},
                         {L"12", L""}, {L"-1", L""}, {L"01", L""}, {L" 1", L""}, {L"1 ", L""},
                         {L"1.0", L""}, {L"", L""}, {L"+1", L""}});
}

TEST(ColourCode, Rang2GivesTheIndexOfEachTableColourOnly) {
    ExpectLookups(Rang2, {{L"0", L"0"}, {L"16512", L"1"}, {L"255", L"2"}, {L"33023", L"3"},
                          {L"65535", L"4"}, {L"65280", L"5"}, {L"16711680", L"6"},
                          {L"12583104", L"7"}, {L"8421504", L"8"}, {L"16777215", L"9"},
                          {L"14737632", L"10"}, {L"8438015", L"11"},
                          // the swatch brown, and the White swatch's system colour
                          {L"16576", L""}, {L"2147483653", L""}, {L"-2147483643", L""},
                          {L"00", L""}, {L"016512", L""}, {L" 255", L""}, {L"255.0", L""},
                          {L"", L""}, {L"1", L""}});
}

TEST(ColourCode, ToleranceTextsOfEachIndex) {
    ExpectLookups(Tolerance, {{L"0", L""}, {L"1", L"\u00B11%"}, {L"2", L"\u00B12%"}, {L"3", L""},
                              {L"4", L""}, {L"5", L"\u00B10.5%"}, {L"6", L"\u00B10.25%"},
                              {L"7", L"\u00B10.1%"}, {L"8", L"\u00B10.05%"}, {L"9", L""},
                              {L"10", L"\u00B110%"}, {L"11", L"\u00B15%"},
                              {L"12", L""}, {L"-1", L""}, {L"01", L""}, {L" 1", L""},
                              {L"1.0", L""}, {L"", L""}});
}

TEST(ColourCode, MAsGivesTheBandOfEachListPosition) {
    ExpectLookups(MAs, {{L"0", L"1"}, {L"1", L"2"}, {L"2", L"5"}, {L"3", L"6"}, {L"4", L"7"},
                        {L"5", L"8"}, {L"6", L"11"}, {L"7", L"10"},
                        {L"-1", L""}, {L"8", L""}, {L"06", L""}, {L" 6", L""}, {L"6.0", L""},
                        {L"", L""}});
}

TEST(ColourCode, RoundTrips) {
    for (int i = 0; i < model::kColourCount; ++i) EXPECT_EQ(Rang2(Rang(std::to_wstring(i))), std::to_wstring(i));
    // The list's entries as the tolerance list shows them, top to bottom.
    const wchar_t* const list[] = {L"\u00B11%", L"\u00B12%", L"\u00B10.5%", L"\u00B10.25%",
                                   L"\u00B10.1%", L"\u00B10.05%", L"\u00B15%", L"\u00B110%"};
    for (int p = 0; p < model::kToleranceCount; ++p)
        EXPECT_EQ(Tolerance(MAs(std::to_wstring(p))), list[p]) << "position " << p;
}

}  // namespace

#include "reader/readout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "model/colour_code.h"

namespace {

using namespace model;
using base::DecimalText;
using reader::ReadoutText;

// A band's colour index as the readout receives it.
reader::BandColour C(ColourIndex index) { return index; }

std::wstring Comma(double v) { return DecimalText(v, L','); }
std::wstring Nothing(double) { return {}; }
// The readout's own formatter: no conversions handed in, or ones that give
// nothing because the platform's could not be loaded.
constexpr reader::NumberTexts kOwnNumbers{};
constexpr reader::NumberTexts kFailedNumbers{Nothing, Nothing};
constexpr reader::NumberTexts kCommaNumbers{nullptr, Comma};

struct Case {
    std::vector<ColourIndex> digits;
    ColourIndex multiplier;
    ColourIndex tolerance;
    const wchar_t* fullStop;  // value part with the readout's own formatter
    const wchar_t* comma;     // value part with a comma-separator locale
    const wchar_t* toleranceText;
};

std::wstring Read(const Case& c, const reader::NumberTexts& numbers) {
    model::BandRow bands{{}, C(c.multiplier), C(c.tolerance)};
    for (ColourIndex d : c.digits) bands.digits.push_back(C(d));
    return ReadoutText(bands, numbers);
}

const Case kCases[] = {
    // The four- and five-band examples a user meets.
    {{Brown, Black}, Red, Gold, L" 1K", L" 1K", L"\u00B15%"},
    {{Yellow, Purple}, Red, Gold, L" 4.7K", L" 4.7K", L"\u00B15%"},
    {{Brown, Green}, Red, Brown, L" 1.5K", L" 1.5K", L"\u00B11%"},
    {{Yellow, Purple}, Brown, Silver, L"470", L"470", L"\u00B110%"},
    {{Yellow, Purple}, Gold, Gold, L"4.7", L"4,7", L"\u00B15%"},
    {{Brown, Black}, Silver, Brown, L"0.1", L"0,1", L"\u00B11%"},
    {{Brown, Black}, Green, Red, L" 1M", L" 1M", L"\u00B12%"},
    {{Brown, Black}, Blue, Red, L" 10M", L" 10M", L"\u00B12%"},
    {{Brown, Black, Black}, Brown, Brown, L" 1K", L" 1K", L"\u00B11%"},
    {{Red, Red, Black}, Black, Brown, L"220", L"220", L"\u00B11%"},
    {{White, White, White}, Black, Gray, L"999", L"999", L"\u00B10.05%"},
    {{White, White, White}, Blue, Gray, L" 999M", L" 999M", L"\u00B10.05%"},
    {{Brown, Black, Black}, Silver, Gold, L"1", L"1", L"\u00B15%"},
    // Bounds of K and M: inclusive, and the M test comes first.
    {{Brown, Black, Black}, Yellow, Brown, L" 1M", L" 1M", L"\u00B11%"},
    {{White, White, White}, Orange, Brown, L" 999K", L" 999K", L"\u00B11%"},
    {{White, White, White}, Brown, Brown, L" 9.99K", L" 9.99K", L"\u00B11%"},
    {{White, White}, Red, Brown, L" 9.9K", L" 9.9K", L"\u00B11%"},
    {{White, White, White}, Gold, Gold, L"99.9", L"99,9", L"\u00B15%"},
    {{White, White, White}, Silver, Gold, L"9.99", L"9,99", L"\u00B15%"},
    {{White, White}, Purple, Gold, L" 990M", L" 990M", L"\u00B15%"},
    {{White, White, White}, White, Gold, L" 999000M", L" 999000M", L"\u00B15%"},
    // Start-up colours, then Brown clicked as first digit.
    {{White, White}, Black, Green, L"99", L"99", L"\u00B10.5%"},
    {{Brown, White}, Black, Green, L"19", L"19", L"\u00B10.5%"},
    // An unscaled value stays the text as built, a leading zero included.
    {{Black, Purple}, Red, Brown, L"0700", L"0700", L"\u00B11%"},
    {{Black, Black}, Black, Brown, L"00", L"00", L"\u00B11%"},
    {{Black, Black}, Gold, Brown, L"0", L"0", L"\u00B11%"},
    // No tolerance on the band: the readout ends in the three spaces.
    {{Yellow, Purple}, Red, Black, L" 4.7K", L" 4.7K", L""},
    {{Yellow, Purple}, Red, White, L" 4.7K", L" 4.7K", L""},
};

TEST(Readout, ValueAndToleranceFromBandColours) {
    for (const Case& c : kCases) {
        EXPECT_EQ(Read(c, kOwnNumbers), c.fullStop + std::wstring(L" Ohm   ") + c.toleranceText);
        EXPECT_EQ(Read(c, kFailedNumbers), c.fullStop + std::wstring(L" Ohm   ") + c.toleranceText);
        EXPECT_EQ(Read(c, kCommaNumbers), c.comma + std::wstring(L" Ohm   ") + c.toleranceText);
    }
}

TEST(Readout, BandsOutsideTheDigitTableLeaveTheValuePartEmpty) {
    // No colour index: a colour outside the table.
    const reader::BandColour yellow = C(Yellow), red = C(Red), gold = C(Gold), none;
    const model::BandRow cases[] = {
        {{none, yellow}, red, gold},
        {{C(Silver), yellow}, red, gold},  // Silver and Gold carry no digit
        {{yellow, C(Gold)}, red, gold},
        {{yellow, yellow}, none, gold},
        {{}, red, gold},
    };
    for (const model::BandRow& c : cases) EXPECT_EQ(ReadoutText(c, kOwnNumbers), L" Ohm   \u00B15%");
    EXPECT_EQ(ReadoutText({{yellow, yellow}, red, none}, kOwnNumbers), L" 4.4K Ohm   ");
}

TEST(Readout, DecimalText) {
    struct Row {
        double value;
        wchar_t separator;
        std::wstring expected;
    };
    const Row rows[] = {
        {4.7, L'.', L"4.7"}, {9.99, L'.', L"9.99"}, {0.1, L'.', L"0.1"}, {999, L'.', L"999"},
        {1.5, L'.', L"1.5"}, {0.01, L'.', L"0.01"}, {999000000, L'.', L"999000000"},
        {47.0 / 10, L'.', L"4.7"}, {999.0 / 100, L'.', L"9.99"}, {4700.0 / 1000, L'.', L"4.7"},
        {0.1 + 0.2, L'.', L"0.3"},                      // 0.30000000000000004 at 17 digits
        {1.0 / 3, L'.', L"0.333333333333333"},          // 15 significant digits
        {2.0 / 3, L'.', L"0.666666666666667"},          // rounded, not cut
        {0.9999999999999999, L'.', L"1"},               // rounding carries into a new digit
        {123456789012345678.0, L'.', L"123456789012346000"},
        {1e21, L'.', L"1000000000000000000000"},        // never an exponent
        {1e-7, L'.', L"0.0000001"},
        {1.25e-5, L',', L"0,0000125"},
        {-4.7, L'.', L"-4.7"}, {0.0, L'.', L"0"}, {-0.0, L'.', L"0"},
        {4.7, L',', L"4,7"}, {1234567.5, L',', L"1234567,5"}, {1000, L',', L"1000"},
        {100000000000000.5, L'.', L"100000000000000"},  // a tie at the 15th digit goes to the even one
        {4503599627370497.0, L'.', L"4503599627370500"},
        {1e308, L'.', L"1" + std::wstring(308, L'0')},
        {5e-324, L'.', L"0." + std::wstring(323, L'0') + L"494065645841247"},   // the smallest denormal
        {std::numeric_limits<double>::max(), L'.', L"179769313486232" + std::wstring(294, L'0')},
        {std::numeric_limits<double>::infinity(), L'.', L"inf"},
        {std::nan(""), L'.', L"nan"},
    };
    for (const Row& r : rows) EXPECT_EQ(DecimalText(r.value, r.separator), r.expected) << r.value;
}

}  // namespace

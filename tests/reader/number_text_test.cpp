// The number writer works on a double's exact value with whole numbers; the
// C library's correctly rounded conversions are the independent check here.
#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

using base::Decimal;
using base::ShortestDecimal;

// The fewest "%e" digits that strtod reads back, as digits and exponent.
Decimal LibraryShortest(double value) {
    char form[40];
    for (int precision = 0; precision <= 16; ++precision) {
        std::snprintf(form, sizeof form, "%.*e", precision, value);
        if (std::strtod(form, nullptr) == value) break;
    }
    Decimal decimal;
    const char* e = std::strchr(form, 'e');
    for (const char* c = form; c != e; ++c)
        if (*c >= '0' && *c <= '9') decimal.digits += *c;
    decimal.exponent = std::atoi(e + 1);
    return decimal;
}

TEST(NumberText, ShortestDecimal) {
    struct Row {
        double value;
        const char* digits;
        int exponent;
    };
    // Written from Python's "%.*e" and float(), the same search run there.
    const Row rows[] = {
        {0.1, "1", -1}, {1e-5, "1", -5}, {4.7, "47", 0}, {1e21, "1", 21}, {0.3, "3", -1},
        {0.1 + 0.2, "30000000000000004", -1}, {123456789012345678.0, "12345678901234568", 17},
        {5e-324, "5", -324}, {2.2250738585072014e-308, "22250738585072014", -308},
        {2.225073858507201e-308, "2225073858507201", -308}, {1e308, "1", 308},
        {DBL_MAX, "17976931348623157", 308}, {1e23, "1", 23}, {9007199254740993.0, "9007199254740992", 15},
        {9.5, "95", 0}, {0.15, "15", -1}, {100000000000000.5, "1000000000000005", 14}, {-4.35, "435", 0},
        {0.0, "0", 0},
        {std::ldexp(1.0, -960), "10261342003245941", -289},   // a power of two: the double below is nearer
    };
    for (const Row& r : rows) {
        const Decimal d = ShortestDecimal(r.value);
        EXPECT_EQ(d.digits, r.digits) << r.value;
        EXPECT_EQ(d.exponent, r.exponent) << r.value;
    }
}

// Any bit pattern of a finite double, and values with few decimal digits
// such as a user types.
TEST(NumberText, AgreesWithTheCLibrary) {
    std::mt19937_64 random(20261210);
    for (int i = 0; i < 20000; ++i) {
        double value;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (i % 2) value = static_cast<double>(bits % 100000) / static_cast<double>(std::uint64_t{1} << (bits >> 60));
        if (!std::isfinite(value) || value == 0) continue;
        const Decimal mine = ShortestDecimal(value);
        const Decimal library = LibraryShortest(value);
        ASSERT_EQ(mine.digits, library.digits) << value;
        ASSERT_EQ(mine.exponent, library.exponent) << value;
        char form[40];
        std::snprintf(form, sizeof form, "%.14e", value);
        const std::wstring text = base::DecimalText(value, L'.');
        ASSERT_EQ(std::strtod(std::string(text.begin(), text.end()).c_str(), nullptr), std::strtod(form, nullptr)) << value;
    }
}

TEST(NumberText, NearestDouble) {
    std::mt19937_64 random(4700);
    for (int i = 0; i < 20000; ++i) {
        std::string digits = std::to_string(random());
        digits += std::string(random() % 300, '0') + std::to_string(random() % 1000);
        if (i % 3 == 0) digits = "0" + digits.substr(0, random() % 25);
        ASSERT_EQ(base::NearestDouble(std::wstring(digits.begin(), digits.end())), std::strtod(digits.c_str(), nullptr))
            << digits;
    }
    EXPECT_EQ(base::NearestDouble(L"9007199254740993"), 9007199254740992.0);   // a tie, to the even one
    EXPECT_EQ(base::NearestDouble(L"9007199254740995"), 9007199254740996.0);
    EXPECT_EQ(base::NearestDouble(L"1" + std::wstring(309, L'0')), HUGE_VAL);
    EXPECT_EQ(base::NearestDouble(L""), 0.0);
}

}  // namespace

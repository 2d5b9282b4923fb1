// Number and text conversions and the twips scale, as the program gets them
// from the platform (en-US, 96 dpi in the test prefix).
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <cmath>
#include <string>

#include "platform/units.h"
#include "services/conversions.h"
#include "services/system_library.h"

namespace {


TEST(ReadDouble, AcceptsWhatTheUsersLocaleReads) {
    const struct { const wchar_t* text; double value; } kCases[] = {
        {L"4700", 4700}, {L" 12 ", 12}, {L"1e3", 1000}, {L"1,234.5", 1234.5}, {L"0.5", 0.5}, {L".5", 0.5},
        {L"(12)", -12}, {L"12-", -12}, {L"-5", -5}, {L"99999999999", 99999999999.0},
        {L"0e-400", 0}, {L"-0", 0}, {L"1e-320", 1e-320}, {L"1e308", 1e308},   // zero, and the range's ends
    };
    for (const auto& c : kCases) {
        const auto value = services::ReadDouble(c.text).value;
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
    }
}

// No value: a text that is no number, or one beyond a double's range (too
// large, or too close to 0 to tell from it, which oleaut32 reads as 0).
TEST(ReadDouble, RejectsWhatIsNoNumber) {
    const std::wstring kOutOfRange[] = {L"1E400", L"-1e309", L"1.8e308", std::wstring(2000, L'9'), L"(1e-400)",
                                        L"1e-324", L"0.5e-400", L"0." + std::wstring(400, L'0') + L"1"};
    for (const std::wstring& text : kOutOfRange) EXPECT_TRUE(services::ReadDouble(text).outOfRange) << text.substr(0, 9);
    for (const wchar_t* text : {L"", L"12abc", L"4K7", L"1 234", L"NaN", L"abc", L"1E400"}) {
        EXPECT_FALSE(services::ReadDouble(text).value.has_value()) << text;
        EXPECT_EQ(services::ReadDouble(text).outOfRange, text == std::wstring(L"1E400")) << text;
    }
    EXPECT_FALSE(services::ReadDouble(std::wstring(L"12\0" L"34", 5)).value.has_value()) << "an embedded NUL must not cut the text";
}

// Plain digits are read without OLE Automation; they must read as it reads them.
TEST(ReadDouble, ReadsPlainDigitsAsOleAutomationDoes) {
    for (const wchar_t* text : {L"0", L"7", L"4700", L"000123", L"999999999999999", L"123456789012345",
                                L"1234567890123456", L"99999999999999999999", L"00000000000000000000001"}) {
        std::wstring copy = text;
        double expected = 0;
        ASSERT_EQ(VarR8FromStr(copy.data(), LOCALE_USER_DEFAULT, 0, &expected), S_OK) << text;
        const auto value = services::ReadDouble(text).value;
        ASSERT_TRUE(value.has_value()) << text;
        EXPECT_EQ(*value, expected) << text;
    }
}

TEST(ReadDouble, CopesWithAMegabyteOfDigits) {
    EXPECT_FALSE(services::ReadDouble(std::wstring(1 << 20, L'7')).value.has_value());
    EXPECT_FALSE(services::ReadDouble(std::wstring(1 << 20, L'x')).value.has_value());
}

TEST(NumberText, PaddedHasASignSpaceAndAFullStop) {
    EXPECT_EQ(services::PaddedNumberText(4.7), L" 4.7");
    EXPECT_EQ(services::PaddedNumberText(1), L" 1");
    EXPECT_EQ(services::PaddedNumberText(999), L" 999");
    EXPECT_EQ(services::PaddedNumberText(0.25), L" 0.25");
    EXPECT_EQ(services::PaddedNumberText(-1.5), L"-1.5");
}

TEST(NumberText, PlainUsesTheLocaleAndDropsTrailingZeros) {
    EXPECT_EQ(services::PlainNumberText(4.7), L"4.7");
    EXPECT_EQ(services::PlainNumberText(9.99), L"9.99");
    EXPECT_EQ(services::PlainNumberText(1.0), L"1");
    EXPECT_EQ(services::PlainNumberText(0.1), L"0.1");
    EXPECT_EQ(services::PlainNumberText(47.0 / 10), L"4.7");
}

// Windows 7 without its loader update refuses the system-folder flag: the
// DLL must then come by its full path in the system folder, not by name.
std::wstring g_loaderAsked;
HMODULE WINAPI LoaderWithoutSearchFlags(LPCWSTR name, HANDLE file, DWORD flags) {
    if (flags & LOAD_LIBRARY_SEARCH_SYSTEM32) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    g_loaderAsked = name;
    return LoadLibraryExW(name, file, flags);
}

TEST(SystemLibrary, FallsBackToTheSystemFolderPathWhereTheFlagIsRefused) {
    const HMODULE dll = services::LoadSystemLibrary(L"oleaut32.dll", LoaderWithoutSearchFlags);
    ASSERT_NE(dll, nullptr);
    EXPECT_EQ(dll, GetModuleHandleW(L"oleaut32.dll"));
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    EXPECT_EQ(g_loaderAsked, std::wstring(folder, length) + L"\\oleaut32.dll");
    FreeLibrary(dll);
}

TEST(TextToInt32, TakesOnlyPlainDecimalIntegers) {
    EXPECT_EQ(services::TextToInt32(L"16512"), 16512);
    EXPECT_EQ(services::TextToInt32(L"0"), 0);
    EXPECT_EQ(services::TextToInt32(L"-1"), -1);
    EXPECT_EQ(services::TextToInt32(L"16777215"), 16777215);
    EXPECT_EQ(services::TextToInt32(L"2147483647"), 2147483647);
    for (const wchar_t* text : {L"", L"-", L" 1", L"1.0", L"2147483648", L"abc", L"12345678901"})
        EXPECT_FALSE(services::TextToInt32(text).has_value()) << text;
}

TEST(Units, RoundHalfEven) {
    EXPECT_EQ(platform::RoundHalfEven(4.5), 4);
    EXPECT_EQ(platform::RoundHalfEven(3.5), 4);
    EXPECT_EQ(platform::RoundHalfEven(5.5), 6);
    EXPECT_EQ(platform::RoundHalfEven(90.99), 91);
    EXPECT_EQ(platform::RoundHalfEven(-2.5), -2);
}

TEST(Units, TwipsAtNinetySixDpi) {
    ASSERT_EQ(platform::SystemDpi(), 96) << "the test prefix pins 96 dpi";
    EXPECT_EQ(platform::TwipsToPixels(9075, 96), 605);
    EXPECT_EQ(platform::TwipsToPixels(6915, 96), 461);
    EXPECT_EQ(platform::TwipsToPixels(4570, 96), 305);
    // A 16-pixel picture stores 423 HiMetric, which scales back to 16 pixels.
    EXPECT_EQ(platform::PixelsToHiMetric(16, 96), 423);
    EXPECT_EQ(platform::RoundHalfEven(platform::HiMetricToPixels(423, 96)), 16);
    EXPECT_EQ(platform::RoundHalfEven(platform::HiMetricToPixels(platform::PixelsToHiMetric(27, 96), 96)), 27);
}

}  // namespace

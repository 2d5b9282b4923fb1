// What the readers' readouts and the writer's bands must show, worked out by
// the tests' own rules from band colour indexes and from typed values, apart
// from the program's code: the one expectation the window tests and the
// random runs check the windows against.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/colour_code.h"

namespace testing_gui {

// The first character of the user's decimal separator.
inline wchar_t UserDecimalSeparator() {
    wchar_t separator[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return separator[0];
}

// What a tolerance band's colour stands for; "" for a colour that is no tolerance.
inline const wchar_t* ToleranceText(int index) {
    switch (index) {
    case model::Brown: return L"\u00B11%";
    case model::Red: return L"\u00B12%";
    case model::Green: return L"\u00B10.5%";
    case model::Blue: return L"\u00B10.25%";
    case model::Purple: return L"\u00B10.1%";
    case model::Gray: return L"\u00B10.05%";
    case model::Silver: return L"\u00B110%";
    case model::Gold: return L"\u00B15%";
    default: return L"";
    }
}

// `units` counted in 10^-decimals, written with the separator, trailing zeros
// dropped (the separator too when nothing follows it).
inline std::wstring DecimalText(std::int64_t units, int decimals, wchar_t separator) {
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    std::wstring fraction = std::to_wstring(units % scale);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), L'0');
    while (!fraction.empty() && fraction.back() == L'0') fraction.pop_back();
    std::wstring text = std::to_wstring(units / scale);
    if (!fraction.empty()) text += separator + fraction;
    return text;
}

// Where a readout turns to K and to M: a thousand and a million ohms, in hundredths.
inline constexpr std::int64_t kKiloHundredths = 100 * 1000, kMegaHundredths = 100 * 1000 * 1000;

// What a reader's readout must show for its band colour indexes, digits
// first, then multiplier and tolerance; worked out in exact hundredths of an
// ohm. Millions and thousands are written with a full stop and a sign space;
// a Gold or Silver value below a thousand with `separator`, any other one as
// its digits and the multiplier's zeros.
inline std::wstring ExpectedReadout(const std::vector<int>& bands, wchar_t separator) {
    const int multiplier = bands[bands.size() - 2];
    std::wstring text;
    std::int64_t number = 0;
    for (std::size_t i = 0; i + 2 < bands.size(); ++i) {
        text += static_cast<wchar_t>(L'0' + bands[i]);
        number = number * 10 + bands[i];
    }
    std::int64_t hundredths = number;
    if (multiplier == model::Gold) {
        hundredths *= 10;
    } else if (multiplier != model::Silver) {
        hundredths *= 100;
        for (int i = 0; i < multiplier; ++i) hundredths *= 10;
        text.append(static_cast<std::size_t>(multiplier), L'0');
    }
    std::wstring value;
    if (hundredths >= kMegaHundredths) value = L" " + DecimalText(hundredths, 8, L'.') + L"M";
    else if (hundredths >= kKiloHundredths) value = L" " + DecimalText(hundredths, 5, L'.') + L"K";
    else if (multiplier == model::Gold || multiplier == model::Silver) value = DecimalText(hundredths, 2, separator);
    else value = text;
    return value + L" Ohm   " + ToleranceText(bands.back());
}
inline std::wstring ExpectedReadout(const std::vector<int>& bands) {
    return ExpectedReadout(bands, UserDecimalSeparator());
}

// The writer's first three bands for a value: its first two significant
// digits, cut and never rounded, and the multiplier that makes the value,
// the finest being Silver (x0.01), so that 0.05 is Black, Green, Silver.
// Zero is Black, Black, Silver. Nothing for what four bands cannot show:
// negative, above zero but below 0.01, 1e11 or more, not a number.
// The digits are those of the value as typed: the shortest decimal that
// reads back as the same double (4.7 is 4 and 7, though the double is a
// little less).
inline std::optional<std::array<int, 3>> ExpectedWriterBands(double ohms) {
    if (!(ohms >= 0) || ohms >= 1e11) return std::nullopt;
    if (ohms == 0) return std::array<int, 3>{model::Black, model::Black, model::Silver};
    if (ohms < 0.01) return std::nullopt;
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, ohms, std::chars_format::fixed);
    const std::string text(buffer, written.ptr);
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    // The decimal digit at 10^power.
    auto digitAt = [&](int power) {
        if (power >= 0) {
            const int i = static_cast<int>(whole.size()) - 1 - power;
            return i >= 0 ? whole[static_cast<std::size_t>(i)] - '0' : 0;
        }
        const auto i = static_cast<std::size_t>(-power - 1);
        return i < fraction.size() ? fraction[i] - '0' : 0;
    };
    int leading = static_cast<int>(whole.size()) - 1;   // power of the first significant digit
    while (digitAt(leading) == 0) --leading;
    const int power = leading - 1 < -2 ? -2 : leading - 1;   // of the second band's digit
    const int multiplier = power == -2 ? model::Silver : power == -1 ? model::Gold : power;
    return std::array<int, 3>{digitAt(power + 1), digitAt(power), multiplier};
}

// The number a typed text stands for, read by OLE Automation in the user's
// locale (separators, spaces, sign, exponent) once the system has folded
// every keyboard's digits and the full-width forms to ASCII; nothing for a
// text that is not a number, has grouping (the user's group separator, or a
// comma beside another decimal one), is too close to 0 for a double or has
// more than 100 characters.
inline std::optional<double> TypedNumber(std::wstring text) {
    if (text.size() > 100) return std::nullopt;
    constexpr DWORD kFold = MAP_FOLDDIGITS | MAP_FOLDCZONE;
    const int length = static_cast<int>(text.size());
    if (const int folded = text.empty() ? 0 : FoldStringW(kFold, text.data(), length, nullptr, 0); folded > 0) {
        std::wstring out(static_cast<std::size_t>(folded), L'\0');
        if (FoldStringW(kFold, text.data(), length, out.data(), folded) == folded) text = out;
    }
    BSTR in = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    double value = 0;
    const HRESULT result = VarR8FromStr(in ? in : const_cast<OLECHAR*>(L""), LOCALE_USER_DEFAULT, 0, &value);
    SysFreeString(in);
    if (FAILED(result)) return std::nullopt;
    wchar_t group[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, group, 8);
    if ((group[0] && text.find(group) != text.npos) || (UserDecimalSeparator() != L',' && text.find(L',') != text.npos))
        return std::nullopt;
    if (value == 0 && text.find_first_of(L"123456789") < text.find_first_of(L"eE")) return std::nullopt;
    return value;
}

}  // namespace testing_gui

// The plain decimal text of an integer ("-12"), as std::to_wstring gives it.
// Written out here because the C++ library builds its to_wstring on the C
// library's wide printf, which would add a sizeable part to the program.
#pragma once
#include <string>

namespace model {

inline std::wstring IntText(long long value) {
    wchar_t buf[24];
    wchar_t* p = buf + 24;
    // Digits from the lowest up, on the magnitude as unsigned: the lowest
    // long long has no positive counterpart.
    unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    do {
        *--p = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) *--p = L'-';
    return std::wstring(p, buf + 24);
}

}  // namespace model

// Where the built program is, as a Windows path (Wine maps Z: to the root).
#pragma once
#include <string>

inline std::wstring BuiltExePath() {
    const std::string unixPath = BANDORA_EXE_PATH;
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

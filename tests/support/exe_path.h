// Where the built program is, as a Windows path (Wine maps Z: to the root).
#pragma once
#include <string>

inline std::wstring WindowsPathOf(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

inline std::wstring BuiltExePath() { return WindowsPathOf(BANDORA_EXE_PATH); }
inline std::wstring FaultDllPath() { return WindowsPathOf(BANDORA_FAULT_DLL_PATH); }

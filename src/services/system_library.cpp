#include "services/system_library.h"

#include <string>

namespace services {

HMODULE LoadSystemLibrary(const wchar_t* name, LibraryLoader loader) {
    if (HMODULE dll = loader(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return dll;
    if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return loader(path.c_str(), nullptr, 0);
}

}  // namespace services

// Loading a system DLL at run time, from the system folder only: never a DLL
// of that name that lies beside the program or in the current folder.
#pragma once
#include <windows.h>

namespace services {

using LibraryLoader = HMODULE(WINAPI*)(LPCWSTR name, HANDLE file, DWORD flags);

// Asks for the system folder by flag; where the loader refuses the flag
// (Windows 7 without its loader update), loads by the full path instead.
// nullptr when the DLL cannot be had.
HMODULE LoadSystemLibrary(const wchar_t* name, LibraryLoader loader = LoadLibraryExW);

// Sets `f` to the function `name` of `dll`; nullptr when either is missing.
template <typename F>
void FindProc(HMODULE dll, const char* name, F& f) {
    f = dll ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name))) : nullptr;
}

}  // namespace services

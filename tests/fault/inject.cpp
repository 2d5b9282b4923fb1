// Loaded into bandora.exe by the fault-injection tests before its main thread
// runs (tests/support/process.cpp): makes the Nth call of one of the
// program's own imports fail as Windows fails it. The test names the function
// and N in the environment the program inherits (BANDORA_FAULT,
// BANDORA_FAULT_AT; N = 0 fails none), and reads how many calls were made
// from the exported count.
#include <windows.h>

#include <cerrno>
#include <cstdlib>

extern "C" {
__declspec(dllexport) volatile LONG bandoraFaultCalls = 0;
}

namespace {

LONG g_failAt = 0;
void*(__cdecl* g_malloc)(size_t) = nullptr;
ATOM(WINAPI* g_register)(const WNDCLASSEXW*) = nullptr;

bool FailsNow() { return InterlockedIncrement(&bandoraFaultCalls) == g_failAt; }

void* __cdecl Malloc(size_t size) {
    if (!FailsNow()) return g_malloc(size);
    errno = ENOMEM;
    return nullptr;
}

ATOM WINAPI Register(const WNDCLASSEXW* windowClass) {
    if (!FailsNow()) return g_register(windowClass);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
}

// Puts `hook` in the program's import slot of `target`; false when it has none.
bool Patch(void* target, void* hook) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports); imports && d->Name; ++d)
        for (auto* slot = reinterpret_cast<void**>(base + d->FirstThunk); *slot; ++slot) {
            if (*slot != target) continue;
            DWORD was = 0;
            VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &was);
            *slot = hook;
            VirtualProtect(slot, sizeof *slot, was, &was);
            return true;
        }
    return false;
}

template <typename F>
void Arm(const wchar_t* dll, const char* name, F& real, F hook) {
    real = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(dll), name)));
    if (real) Patch(reinterpret_cast<void*>(real), reinterpret_cast<void*>(hook));
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    char function[32] = {}, at[16] = {};
    if (reason != DLL_PROCESS_ATTACH || !GetEnvironmentVariableA("BANDORA_FAULT", function, sizeof function) ||
        !GetEnvironmentVariableA("BANDORA_FAULT_AT", at, sizeof at))
        return TRUE;
    g_failAt = std::atol(at);
    if (lstrcmpA(function, "malloc") == 0) Arm(L"msvcrt.dll", "malloc", g_malloc, &Malloc);
    if (lstrcmpA(function, "RegisterClassExW") == 0) Arm(L"user32.dll", "RegisterClassExW", g_register, &Register);
    return TRUE;
}

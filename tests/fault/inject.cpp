// Loaded into bandora.exe by the fault-injection tests before its main thread
// runs (tests/support/process.cpp): makes the Nth call of one of the
// program's own imports fail as Windows fails it. The test names the function
// and N in the environment the program inherits (BANDORA_FAULT,
// BANDORA_FAULT_AT; N = 0 fails none), and reads how many calls were made
// where the exported pointer shows. The heap fails here; every other
// function as it fails in the in-process tests (support/fault_injection).
#include <windows.h>

#include <cerrno>
#include <cstdlib>

#include "support/fault_injection.h"

extern "C" {
__declspec(dllexport) const volatile void* bandoraFaultCalls = nullptr;
}

namespace {

volatile LONG g_mallocCalls = 0;
LONG g_failAt = 0;
void*(__cdecl* g_malloc)(size_t) = nullptr;

void* __cdecl Malloc(size_t size) {
    if (InterlockedIncrement(&g_mallocCalls) != g_failAt) return g_malloc(size);
    errno = ENOMEM;
    return nullptr;
}

void ArmMalloc() {
    g_malloc = reinterpret_cast<decltype(g_malloc)>(GetProcAddress(LoadLibraryW(L"msvcrt.dll"), "malloc"));
    if (!g_malloc || !testing_gui::SwapImport(reinterpret_cast<void*>(g_malloc), reinterpret_cast<void*>(&Malloc)))
        return;
    bandoraFaultCalls = &g_mallocCalls;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    char function[32] = {}, at[16] = {};
    if (reason != DLL_PROCESS_ATTACH || !GetEnvironmentVariableA("BANDORA_FAULT", function, sizeof function) ||
        !GetEnvironmentVariableA("BANDORA_FAULT_AT", at, sizeof at))
        return TRUE;
    g_failAt = std::atol(at);
    if (lstrcmpA(function, "malloc") == 0) return ArmMalloc(), TRUE;
    // Armed for the rest of the process's life.
    auto* fault = new testing_gui::InjectedFault(function, static_cast<int>(g_failAt));
    if (fault->Armed()) bandoraFaultCalls = fault->CallsAt();
    return TRUE;
}

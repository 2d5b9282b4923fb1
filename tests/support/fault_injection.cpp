#include "support/fault_injection.h"

namespace testing_gui {
namespace {

// One fault at a time: the function armed counts its calls here.
struct Count {
    int calls = 0;
    int failAt = 0;
    DWORD error = 0;
} g_count;

// The stand-in for a function of type F: counts, and fails the chosen call
// with the function's failure value, which for every function in the table
// is its type's zero (NULL, FALSE, 0).
template <int Tag, typename F>
struct Hook;
template <int Tag, typename R, typename... A>
struct Hook<Tag, R(WINAPI*)(A...)> {
    static inline R(WINAPI* real)(A...) = nullptr;
    static R WINAPI Thunk(A... a) {
        if (++g_count.calls == g_count.failAt) {
            SetLastError(g_count.error);
            return R{};
        }
        return real(a...);
    }
};

struct Entry {
    FailingFunction function;
    void* thunk;
    void** real;
};

#define BANDORA_FAULT(dll, fn, error)                                                                   \
    Entry {                                                                                             \
        {dll, #fn, error}, reinterpret_cast<void*>(&Hook<__LINE__, decltype(&::fn)>::Thunk),           \
            reinterpret_cast<void**>(&Hook<__LINE__, decltype(&::fn)>::real)                            \
    }

// Out of GDI or USER handles, Windows gives ERROR_NOT_ENOUGH_MEMORY or
// ERROR_NO_SYSTEM_RESOURCES; a DLL that cannot be loaded, ERROR_MOD_NOT_FOUND.
const Entry kEntries[] = {
    BANDORA_FAULT("user32.dll", RegisterClassExW, ERROR_NOT_ENOUGH_MEMORY),
    BANDORA_FAULT("user32.dll", CreateWindowExW, ERROR_NO_SYSTEM_RESOURCES),
    BANDORA_FAULT("user32.dll", SetPropW, ERROR_NOT_ENOUGH_MEMORY),
    BANDORA_FAULT("user32.dll", BeginPaint, ERROR_NOT_ENOUGH_MEMORY),
    BANDORA_FAULT("user32.dll", GetDC, ERROR_NOT_ENOUGH_MEMORY),
    BANDORA_FAULT("comctl32.dll", InitCommonControlsEx, ERROR_NOT_ENOUGH_MEMORY),
    BANDORA_FAULT("gdi32.dll", CreateCompatibleDC, ERROR_NOT_ENOUGH_MEMORY),
    BANDORA_FAULT("gdi32.dll", CreateBitmap, ERROR_NOT_ENOUGH_MEMORY),
    BANDORA_FAULT("gdi32.dll", CreateDIBSection, ERROR_NOT_ENOUGH_MEMORY),
    BANDORA_FAULT("gdi32.dll", CreateFontIndirectW, ERROR_NOT_ENOUGH_MEMORY),
    BANDORA_FAULT("gdi32.dll", CreatePen, ERROR_NOT_ENOUGH_MEMORY),
    BANDORA_FAULT("gdi32.dll", SaveDC, ERROR_NOT_ENOUGH_MEMORY),
    BANDORA_FAULT("kernel32.dll", LoadLibraryExW, ERROR_MOD_NOT_FOUND),
};
#undef BANDORA_FAULT

const Entry* EntryOf(const char* name) {
    for (const Entry& entry : kEntries)
        if (lstrcmpA(entry.function.name, name) == 0) return &entry;
    return nullptr;
}

}  // namespace

static void** ImportSlotOf(void* target) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress) return nullptr;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d)
        for (auto* slot = reinterpret_cast<void**>(base + d->FirstThunk); *slot; ++slot)
            if (*slot == target) return slot;
    return nullptr;
}

static void WriteImportSlot(void** slot, void* value) {
    DWORD was = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &was);
    *slot = value;
    VirtualProtect(slot, sizeof *slot, was, &was);
}

const std::vector<FailingFunction>& FailingFunctions() {
    static const std::vector<FailingFunction> functions = [] {
        std::vector<FailingFunction> all;
        for (const Entry& entry : kEntries) all.push_back(entry.function);
        return all;
    }();
    return functions;
}

bool SwapImport(void* from, void* to) {
    void** slot = ImportSlotOf(from);
    if (slot) WriteImportSlot(slot, to);
    return slot != nullptr;
}

InjectedFault::InjectedFault(const char* function, int failAt) : failAt_(failAt) {
    g_count = {};
    const Entry* entry = EntryOf(function);
    HMODULE dll = entry ? LoadLibraryA(entry->function.dll) : nullptr;
    void* target = dll ? reinterpret_cast<void*>(GetProcAddress(dll, function)) : nullptr;
    slot_ = target ? ImportSlotOf(target) : nullptr;
    if (!slot_) return;
    original_ = target;
    *entry->real = target;
    g_count = {0, failAt, entry->function.error};
    WriteImportSlot(slot_, entry->thunk);
}

InjectedFault::~InjectedFault() {
    if (slot_) WriteImportSlot(slot_, original_);
    g_count.failAt = 0;
}

int InjectedFault::Calls() const { return g_count.calls; }
const int* InjectedFault::CallsAt() const { return &g_count.calls; }

}  // namespace testing_gui

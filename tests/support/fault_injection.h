// Making one of the program's own calls to Windows fail, as Windows fails it
// when its handles or its memory run out: the Nth call of a chosen function
// returns the function's failure value with the matching last error. The
// calls are caught in the import address table of this test executable,
// which the program's code is linked into, so calls the system's own DLLs
// make among themselves are left alone.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace testing_gui {

// A function that can be made to fail: its DLL, its name, and the last error
// it leaves when it fails for want of resources.
struct FailingFunction {
    const char* dll;
    const char* name;
    DWORD error;
};
// Every function the injection knows; those this executable imports can be armed.
const std::vector<FailingFunction>& FailingFunctions();

// Points this executable's import that holds `from` at `to`; false when none holds it.
bool SwapImport(void* from, void* to);

// While it lives, the `failAt`th call (counted from 1) of `function` fails;
// every other call goes through.
class InjectedFault {
public:
    InjectedFault(const char* function, int failAt);
    ~InjectedFault();
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;
    // The executable imports the function: its calls are being counted.
    bool Armed() const { return slot_ != nullptr; }
    int Calls() const;       // calls made so far; 0 while not armed
    const int* CallsAt() const;   // where they are counted, for a reader in another process
    bool Fired() const { return Calls() >= failAt_; }

private:
    void** slot_ = nullptr;
    void* original_ = nullptr;
    int failAt_;
};

}  // namespace testing_gui

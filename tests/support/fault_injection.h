// Making one of the program's own calls to Windows fail, as Windows fails it
// when its handles or its memory run out: the Nth call of a chosen function
// returns the function's failure value with the matching last error. The
// calls are caught in the import address table of this test executable,
// which the program's code is linked into, so calls the system's own DLLs
// make among themselves are left alone.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace testing_gui {

// While it lives, this executable's calls of `function` of `dll` go to
// `replacement`, which may call the function itself through Original().
class ImportPatch {
public:
    ImportPatch(const char* dll, const char* function, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;
    bool Patched() const { return slot_ != nullptr; }   // the executable imports the function
    void* Original() const { return original_; }

private:
    void** slot_ = nullptr;
    void* original_ = nullptr;
};

// A function that can be made to fail: its DLL, its name, and the last error
// it leaves when it fails for want of resources.
struct FailingFunction {
    const char* dll;
    const char* name;
    DWORD error;
};
// Every function the injection knows; those this executable imports can be armed.
const std::vector<FailingFunction>& FailingFunctions();

// While it lives, the `failAt`th call (counted from 1) of `function` fails;
// every other call goes through.
class InjectedFault {
public:
    InjectedFault(const char* function, int failAt);
    ~InjectedFault();
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;
    // The executable imports the function: its calls are being counted.
    bool Armed() const { return patch_ && patch_->Patched(); }
    int Calls() const;       // calls made so far; 0 while not armed
    bool Fired() const { return Calls() >= failAt_; }

private:
    std::unique_ptr<ImportPatch> patch_;
    int failAt_;
};

}  // namespace testing_gui

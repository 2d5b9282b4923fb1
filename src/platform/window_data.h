// Ties a window to the C++ object given to CreateWindowEx, through its user data.
#pragma once
#include <windows.h>

namespace platform {

// The object behind `hwnd`; on WM_NCCREATE, records it first.
template <typename T>
T* WindowObject(HWND hwnd, UINT msg, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        return created;
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace platform

// A window kept above the windows that are not.
#pragma once
#include <windows.h>

namespace services {

bool IsTopmost(HWND window);
// Puts the window above the others (`topmost`) or back among them; whether
// it took, IsTopmost says.
void SetTopmost(HWND window, bool topmost);

}  // namespace services

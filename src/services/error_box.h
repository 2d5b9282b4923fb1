// Telling the user that the program cannot go on, in the system's words.
#pragma once
#include <windows.h>

namespace services {

// A message box with a hand icon and the system's text for `error` (or
// `fallback` when it has none), plus `style` (MB_SYSTEMMODAL, say). It
// allocates nothing of its own, so it also serves when memory has run out.
// While it is up, the program's own windows are not painted and take no
// input: it may come while their work is half done.
void ShowErrorBox(const wchar_t* caption, DWORD error, const wchar_t* fallback, UINT style = 0);

}  // namespace services

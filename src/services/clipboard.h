// The clipboard: a text put there for other programs to paste.
#pragma once
#include <windows.h>

#include <string>

namespace services {

// Puts `text` on the clipboard as Unicode text, `owner` its owner. False when
// it could not: when another program keeps the clipboard open, or there is no
// memory for the text, the clipboard holds what it held before.
bool CopyToClipboard(HWND owner, const std::wstring& text);

}  // namespace services

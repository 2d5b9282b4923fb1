#include "services/folding.h"

#include <windows.h>

namespace services {

std::wstring FoldedText(const std::wstring& text) {
    // Plain ASCII folds to itself (the typed value at start-up is such a text).
    bool ascii = true;
    for (wchar_t c : text) ascii = ascii && c < 0x80;
    if (ascii) return text;
    constexpr DWORD kFold = MAP_FOLDDIGITS | MAP_FOLDCZONE;
    const int length = static_cast<int>(text.size());
    // A fold may change the length (a ligature becomes its letters): asked first.
    const int needed = FoldStringW(kFold, text.data(), length, nullptr, 0);
    if (needed <= 0) return text;
    std::wstring folded(static_cast<std::size_t>(needed), L'\0');
    if (FoldStringW(kFold, text.data(), length, folded.data(), needed) != needed) return text;
    return folded;
}

}  // namespace services

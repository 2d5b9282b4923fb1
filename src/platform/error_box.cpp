#include "platform/error_box.h"

#include <iterator>

namespace platform {

void ShowErrorBox(const wchar_t* caption, DWORD error, const wchar_t* fallback, UINT style) {
    wchar_t text[512];
    if (!FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                        static_cast<DWORD>(std::size(text)), nullptr))
        lstrcpynW(text, fallback, static_cast<int>(std::size(text)));
    MessageBoxW(nullptr, text, caption, MB_OK | MB_ICONHAND | style);
}

}  // namespace platform

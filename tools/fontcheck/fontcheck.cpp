// fontcheck: whether the font mapper gives the real Tahoma for Tahoma in the
// two character sets the windows use, ANSI and Arabic. The window tests
// compare captions' fonts and pixels, which mean nothing in a stand-in font;
// run before them, this says in one line what is missing. Exit code 1 then.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
    char buffer[256] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
    return buffer;
}

// The face the mapper gives for a Tahoma font in that character set.
std::wstring MappedFace(HDC dc, BYTE charset) {
    LOGFONTW font{};
    font.lfHeight = -11;
    font.lfCharSet = charset;
    lstrcpyW(font.lfFaceName, L"Tahoma");
    HFONT handle = CreateFontIndirectW(&font);
    HGDIOBJ previous = SelectObject(dc, handle);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, previous);
    DeleteObject(handle);
    return face;
}

}  // namespace

int main() {
    HDC dc = CreateCompatibleDC(nullptr);
    std::string wrong;
    const struct { BYTE charset; const char* name; } kSets[] = {{ANSI_CHARSET, "ANSI"}, {ARABIC_CHARSET, "Arabic"}};
    for (const auto& set : kSets) {
        const std::wstring face = MappedFace(dc, set.charset);
        if (face == L"Tahoma") continue;
        wrong += (wrong.empty() ? "" : ", ") + std::string("Tahoma (") + set.name + ") gives \"" +
                 Utf8(face.c_str()) + "\"";
    }
    DeleteDC(dc);
    if (wrong.empty()) return 0;
    std::printf("font check: %s; Wine's own fonts (Debian package fonts-wine) are missing from the prefix\n",
                wrong.c_str());
    return 1;
}

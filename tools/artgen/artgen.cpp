// artgen OUTDIR: draws the program's icon, and its pictures at 96 dpi as
// bitmaps to look at, so no binary artwork lives in the repository. The output must be the same bytes on every run:
// no clock, no randomness, every byte written explicitly, and arithmetic in
// integers or in doubles limited to + - * / and sqrt, which IEEE rounds the
// same way on every compiler and library.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "art/art.h"

namespace {

using art::Rgb;

// ---- icon ------------------------------------------------------------------

constexpr Rgb kVga[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                          {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                          {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                          {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
enum Vga { Black = 0, Maroon = 1, Teal = 6, Grey = 8, Red = 9, Yellow = 11, Aqua = 14 };
constexpr int kClear = -1;

// Palette indices, kClear where the desktop shows through.
std::vector<int> drawIcon() {
    std::vector<int> px(32 * 32, kClear);
    auto set = [&](int x, int y, int c) {
        if (x >= 0 && y >= 0 && x < 32 && y < 32) px[y * 32 + x] = c;
    };
    // Resistor along x + y = 32: s runs along it, p across it. The caps at
    // either end are wider than the middle.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int s = x - y, p = x + y - 32;
            if (s < -31 || s > 17) continue;
            int half = s < -24 || s > 10 ? -1 : s <= -19 || s >= 5 ? 7 : 5;
            if (std::abs(p) <= half) {
                bool edge = std::abs(p) == half || s == -24 || s == 10;
                int c = edge ? Black : p <= -3 ? Aqua : Teal;
                if (s == -15 || s == -14) c = Maroon;   // brown, black, red: 1 k
                if (s == -11 || s == -10) c = Black;
                if (s == -7 || s == -6) c = Red;
                if (s == 6 || s == 7) c = Yellow;        // gold tolerance
                set(x, y, c);
            } else if (p == 0 || p == -1) {
                set(x, y, Grey);                         // leads
            }
        }
    // "1K" in a 3x5 pixel font, top right.
    const char* text[5] = {".#..#.#", "##..#.#", ".#..##.", ".#..#.#", "###.#.#"};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            if (text[y][x] == '#') set(24 + x, 1 + y, Black);
    return px;
}

// ---- writers ---------------------------------------------------------------

struct Bytes {
    std::vector<std::uint8_t> v;
    void u8(unsigned x) { v.push_back(std::uint8_t(x)); }
    void u16(unsigned x) { u8(x & 0xFF); u8(x >> 8 & 0xFF); }
    void u32(std::uint32_t x) { u16(x & 0xFFFF); u16(x >> 16); }
};

void infoHeader(Bytes& out, int w, int h, int bits, std::uint32_t imageSize) {
    out.u32(40);
    out.u32(std::uint32_t(w));
    out.u32(std::uint32_t(h));
    out.u16(1);
    out.u16(unsigned(bits));
    out.u32(0);                       // BI_RGB
    out.u32(imageSize);
    out.u32(2835);                    // 72 dpi
    out.u32(2835);
    out.u32(0);
    out.u32(0);
}

int stride(int w, int bits) { return (w * bits + 31) / 32 * 4; }

Bytes bmp(const art::Image& img) {
    const std::uint32_t size = std::uint32_t(stride(img.w, 24)) * img.h;
    Bytes out;
    out.u8('B');
    out.u8('M');
    out.u32(54 + size);
    out.u32(0);
    out.u32(54);
    infoHeader(out, img.w, img.h, 24, size);
    for (int y = img.h - 1; y >= 0; --y) {
        for (int x = 0; x < img.w; ++x) {
            Rgb c = img.at(x, y);
            out.u8(c.b);
            out.u8(c.g);
            out.u8(c.r);
        }
        for (int pad = img.w * 3; pad < stride(img.w, 24); ++pad) out.u8(0);
    }
    return out;
}

Bytes ico(const std::vector<int>& px) {
    const int n = 32;
    const std::uint32_t imageSize = std::uint32_t(stride(n, 4) + stride(n, 1)) * n;
    const std::uint32_t resSize = 40 + 16 * 4 + imageSize;
    Bytes out;
    out.u16(0);
    out.u16(1);                       // icon
    out.u16(1);                       // one image
    out.u8(n);
    out.u8(n);
    out.u8(16);
    out.u8(0);
    out.u16(1);
    out.u16(4);
    out.u32(resSize);
    out.u32(6 + 16);
    infoHeader(out, n, 2 * n, 4, imageSize);   // height covers colour and mask
    for (Rgb c : kVga) {
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; x += 2) {
            auto idx = [&](int i) { return unsigned(px[y * n + i] == kClear ? 0 : px[y * n + i]); };
            out.u8(idx(x) << 4 | idx(x + 1));
        }
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; x += 8) {
            unsigned bits = 0;
            for (int i = 0; i < 8; ++i) bits = bits << 1 | (px[y * n + x + i] == kClear ? 1u : 0u);
            out.u8(bits);
        }
    return out;
}

bool save(const std::filesystem::path& path, const Bytes& data) {
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(data.v.data()), std::streamsize(data.v.size()));
    f.close();
    if (!f) std::fprintf(stderr, "artgen: cannot write %s\n", path.string().c_str());
    return bool(f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen OUTDIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    // The pictures at 96 dpi, as the program draws them there, for viewing;
    // the program embeds only the icon.
    using art::Picture;
    bool ok = save(dir / "resistor.bmp", bmp(art::Draw(Picture::Resistor, 96)));
    ok = save(dir / "ohm.bmp", bmp(art::Draw(Picture::Ohm, 96))) && ok;
    ok = save(dir / "gear.bmp", bmp(art::Draw(Picture::Gear, 96))) && ok;
    ok = save(dir / "about_glyph.bmp", bmp(art::Draw(Picture::AboutGlyph, 96))) && ok;
    ok = save(dir / "about.bmp", bmp(art::Draw(Picture::About, 96))) && ok;
    ok = save(dir / "bandora.ico", ico(drawIcon())) && ok;
    return ok ? 0 : 1;
}

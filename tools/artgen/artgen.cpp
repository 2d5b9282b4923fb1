// artgen OUTDIR: draws the program's bitmaps and icon, so no binary artwork
// lives in the repository. The output must be the same bytes on every run:
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

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

struct Image {
    int w, h;
    std::vector<Rgb> px;
    Image(int width, int height, Rgb fill) : w(width), h(height), px(std::size_t(width) * height, fill) {}
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    Rgb at(int x, int y) const { return px[std::size_t(y) * w + x]; }
    void set(int x, int y, Rgb c) {
        if (inside(x, y)) px[std::size_t(y) * w + x] = c;
    }
};

// a towards b by num/den, rounded.
Rgb mix(Rgb a, Rgb b, int num, int den) {
    auto ch = [&](int p, int q) { return std::uint8_t((p * (den - num) + q * num + den / 2) / den); };
    return {ch(a.r, b.r), ch(a.g, b.g), ch(a.b, b.b)};
}

// Inclusive corners.
void rect(Image& img, int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) img.set(x, y, c);
}

// Shapes are tested at pixel centres in half-pixel units (2x+1), so a centre
// may fall between pixels and a symmetric picture stays symmetric.
long sq(long v) { return v * v; }
bool inDisc(int x, int y, int cx2, int cy2, int r2) {
    return sq(2 * x + 1 - cx2) + sq(2 * y + 1 - cy2) <= sq(r2);
}

// Outline of an axis-aligned ellipse (semi-axes a, b around cx, cy, in
// pixels): the implicit function's value over its gradient approximates the
// distance to the curve, which keeps the line even where it runs flat.
bool onEllipse(int x, int y, double cx, double cy, double a, double b, double halfWidth) {
    double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
    if (a < 0.5) return std::abs(dx) <= halfWidth && std::abs(dy) <= b;
    double f = dx * dx / (a * a) + dy * dy / (b * b) - 1.0;
    double gx = 2 * dx / (a * a), gy = 2 * dy / (b * b);
    double g = std::sqrt(gx * gx + gy * gy);
    return g > 0 && std::abs(f) / g <= halfWidth;
}

// Rectangle whose left corners are rounded with radius rl and right corners
// with rr.
bool inRoundRect(int x, int y, int x0, int y0, int x1, int y1, int rl, int rr) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    auto corner = [&](int r, int cx) {
        int cy = y < y0 + r ? y0 + r : y > y1 - r ? y1 - r : y;
        return sq(x - cx) + sq(y - cy) <= sq(r);
    };
    if (x < x0 + rl) return corner(rl, x0 + rl);
    if (x > x1 - rr) return corner(rr, x1 - rr);
    return true;
}

// ---- pictures --------------------------------------------------------------

bool inResistorBody(int x, int y) {
    return (x >= 98 && x <= 204 && y >= 16 && y <= 75)   // middle, under the digit bands
        || inRoundRect(x, y, 60, 5, 98, 84, 16, 5)      // left cap
        || inRoundRect(x, y, 204, 5, 243, 84, 5, 16);   // right cap, under the tolerance band
}

Image drawResistor() {
    Image img(302, 93, kWhite);
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x)
            if (inResistorBody(x - 5, y - 5)) img.set(x, y, Rgb{208, 208, 208});
    // Wire: lit along its upper side so it reads as round.
    const Rgb wire[5] = {{150, 150, 150}, {214, 214, 214}, {184, 184, 184}, {152, 152, 152}, {112, 112, 112}};
    for (int i = 0; i < 5; ++i) rect(img, 3, 44 + i, 298, 44 + i, wire[i]);
    const Rgb outline{196, 112, 40};
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            if (!inResistorBody(x, y)) continue;
            bool edge = !inResistorBody(x - 1, y) || !inResistorBody(x + 1, y) ||
                        !inResistorBody(x, y - 1) || !inResistorBody(x, y + 1);
            Rgb c = y <= 44 ? mix(Rgb{255, 165, 105}, Rgb{255, 204, 164}, y - 5, 39)
                            : mix(Rgb{255, 151, 0}, Rgb{255, 243, 0}, y - 45, 39);
            img.set(x, y, edge ? outline : c);
        }
    return img;
}

Image drawOhm() {
    Image img(17, 22, kWhite);
    // Ring centred on column 8, open at the bottom; its ends drop into two feet.
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            bool ring = inDisc(x, y, 17, 19, 15) && !inDisc(x, y, 17, 19, 9);
            bool gap = y >= 13 && std::abs(2 * x + 1 - 17) < 7;
            if (ring && !gap) img.set(x, y, kBlack);
        }
    rect(img, 3, 14, 5, 17, kBlack);
    rect(img, 11, 14, 13, 17, kBlack);
    rect(img, 1, 18, 6, 19, kBlack);
    rect(img, 10, 18, 15, 19, kBlack);
    return img;
}

Image drawGear() {
    Image img(27, 27, kWhite);
    const Rgb body{40, 90, 210}, rim{16, 50, 150}, light{110, 150, 240};
    auto solid = [](int x, int y) {
        long dx = 2 * x + 1 - 27, dy = 2 * y + 1 - 27;  // half-pixel units from the centre
        long r = dx * dx + dy * dy;
        if (r <= sq(7)) return false;                   // hole
        if (r <= sq(19)) return true;                   // wheel
        if (r > sq(25)) return false;
        // Eight teeth: four on the axes, four on the diagonals (rotated 45
        // degrees, so widths and lengths scale by sqrt 2; compare squares).
        bool axis = (std::abs(dx) <= 5) || (std::abs(dy) <= 5);
        bool diag = sq(dx - dy) <= 2 * sq(5) || sq(dx + dy) <= 2 * sq(5);
        return axis || diag;
    };
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            if (!solid(x, y)) continue;
            bool edge = !solid(x - 1, y) || !solid(x + 1, y) || !solid(x, y - 1) || !solid(x, y + 1);
            bool lit = x + y < 22 && inDisc(x, y, 27, 27, 17) && !inDisc(x, y, 27, 27, 12);
            img.set(x, y, edge ? rim : lit ? light : body);
        }
    return img;
}

Image drawAboutGlyph() {
    Image img(15, 16, kWhite);
    const Rgb green{0, 150, 40}, frame{112, 136, 170}, text{150, 168, 196}, paper{250, 252, 255};
    // Page with a folded corner.
    rect(img, 6, 1, 14, 15, frame);
    rect(img, 7, 2, 13, 14, paper);
    for (int i = 0; i < 3; ++i) {
        rect(img, 12 + i, 1, 14, 1 + i, kWhite);
        img.set(11 + i, 1 + i, frame);
    }
    rect(img, 11, 2, 11, 4, frame);
    rect(img, 11, 4, 14, 4, frame);
    for (int y = 6; y <= 12; y += 2) rect(img, 8, y, y == 12 ? 10 : 12, y, text);
    // The "i".
    rect(img, 2, 2, 3, 3, green);
    rect(img, 1, 5, 3, 5, green);
    rect(img, 2, 6, 3, 13, green);
    rect(img, 1, 14, 4, 14, green);
    return img;
}

// 5x7 capitals for the logo.
const char* glyph5x7(char ch) {
    switch (ch) {
    case 'B': return "####.#...##...#####.#...##...#####.";
    case 'A': return ".###.#...##...#######...##...##...#";
    case 'N': return "#...##...###..##.#.##..###...##...#";
    case 'D': return "####.#...##...##...##...##...#####.";
    case 'O': return ".###.#...##...##...##...##...#.###.";
    case 'R': return "####.#...##...#####.#.#..#..#.#...#";
    default: return "...................................";
    }
}

Image drawAbout() {
    const Rgb bg{56, 56, 56};
    Image img(479, 338, bg);
    const int sx = 8, sy = 10, top = 38;           // letter cell scale, top row
    const int globeD = 70, gap = 14, pitch = 6 * sx;
    const std::string word = "BANDORA";
    const int width = globeD + gap + int(word.size()) * pitch - sx;
    const int left = (img.w - width) / 2;
    const int textLeft = left + globeD + gap;

    auto letterPixel = [&](int x, int y) {
        int rx = x - textLeft, ry = y - top;
        if (rx < 0 || ry < 0 || ry >= 7 * sy) return false;
        int i = rx / pitch, cx = rx % pitch / sx;
        return i < int(word.size()) && cx < 5 && glyph5x7(word[i])[ry / sy * 5 + cx] == '#';
    };
    for (int y = top; y < top + 7 * sy + 3; ++y)
        for (int x = textLeft; x < img.w; ++x)
            if (letterPixel(x - 3, y - 3)) img.set(x, y, Rgb{28, 28, 28});   // drop shadow
    for (int y = top; y < top + 7 * sy; ++y)
        for (int x = textLeft; x < img.w; ++x) {
            if (!letterPixel(x, y)) continue;
            Rgb c = mix(Rgb{246, 246, 250}, Rgb{196, 206, 224}, y - top, 7 * sy);
            if ((x + y) % 12 < 4) c = mix(c, Rgb{120, 150, 200}, 1, 2);     // diagonal stripes
            img.set(x, y, c);
        }

    // Globe: shaded green disc with parallels and meridians.
    const int r = globeD / 2;
    const double cx = left + r, cy = top + r;
    for (int y = top; y < top + globeD; ++y)
        for (int x = left; x < left + globeD; ++x) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            if (dx * dx + dy * dy > double(r) * r) continue;
            int hx = x - (left + r * 2 / 3), hy = y - (top + r * 2 / 3);   // highlight, upper left
            int d = int(std::sqrt(double(hx * hx + hy * hy)));
            Rgb c = mix(Rgb{120, 220, 120}, Rgb{14, 100, 36}, d < 2 * r ? d : 2 * r, 2 * r);
            bool grid = onEllipse(x, y, cx, cy, r - 1, r - 1, 0.9) || onEllipse(x, y, cx, cy, 0, r, 0.8) ||
                        std::abs(dy) <= 0.8;
            for (int k = 1; k <= 2; ++k)
                grid = grid || onEllipse(x, y, cx, cy, r * k / 3.0, r, 0.8) ||
                       std::abs(std::abs(dy) - r * k / 3.0) <= 0.8;
            img.set(x, y, grid ? mix(c, Rgb{200, 245, 200}, 2, 3) : c);
        }

    // Mirror below, fading out towards the background.
    const int srcTop = top, srcBottom = top + 7 * sy + 2, mirrorTop = srcBottom + 2;
    const int rows = srcBottom - srcTop + 1;
    for (int k = 0; k < rows; ++k)
        for (int x = 0; x < img.w; ++x)
            img.set(x, mirrorTop + k, mix(bg, img.at(x, srcBottom - k), 100 * (rows - k), 256 * rows));
    return img;
}

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

Bytes bmp(const Image& img) {
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
    bool ok = save(dir / "resistor.bmp", bmp(drawResistor()));
    ok = save(dir / "ohm.bmp", bmp(drawOhm())) && ok;
    ok = save(dir / "gear.bmp", bmp(drawGear())) && ok;
    ok = save(dir / "about_glyph.bmp", bmp(drawAboutGlyph())) && ok;
    ok = save(dir / "about.bmp", bmp(drawAbout())) && ok;
    ok = save(dir / "bandora.ico", ico(drawIcon())) && ok;
    return ok ? 0 : 1;
}

#include "art/art.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace art {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

// a towards b by num/den, rounded. With whole numbers every step is exact in
// a double, so at 96 dpi the result is the integer one bit for bit.
Rgb mix(Rgb a, Rgb b, double num, double den) {
    num = std::clamp(num, 0.0, den);
    // Never negative, so truncation is the floor.
    auto ch = [&](int p, int q) { return static_cast<std::uint8_t>((p * (den - num) + q * num + den / 2) / den); };
    return {ch(a.r, b.r), ch(a.g, b.g), ch(a.b, b.b)};
}

double sq(double v) { return v * v; }

// A pixel's colour is found by painting its design point in order, later
// shapes over earlier ones, as a painter would on the whole picture.
struct Point {
    double x, y;   // design coordinates: whole numbers are the 96-dpi pixel centres
    Rgb c;
    // Inclusive design-pixel corners: the rectangle reaches half a pixel beyond them.
    bool in(double x0, double y0, double x1, double y1) const {
        return x >= x0 - 0.5 && x <= x1 + 0.5 && y >= y0 - 0.5 && y <= y1 + 0.5;
    }
    void rect(double x0, double y0, double x1, double y1, Rgb colour) {
        if (in(x0, y0, x1, y1)) c = colour;
    }
};

// Shapes are tested at pixel centres in half-pixel units (2x+1), so a centre
// may fall between pixels and a symmetric picture stays symmetric.
bool inDisc(double x, double y, double cx2, double cy2, double r2) {
    return sq(2 * x + 1 - cx2) + sq(2 * y + 1 - cy2) <= sq(r2);
}

// Outline of an axis-aligned ellipse (semi-axes a, b around cx, cy, in
// pixels): the implicit function's value over its gradient approximates the
// distance to the curve, which keeps the line even where it runs flat.
bool onEllipse(double x, double y, double cx, double cy, double a, double b, double halfWidth) {
    double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
    if (a < 0.5) return std::abs(dx) <= halfWidth && std::abs(dy) <= b;
    double f = dx * dx / (a * a) + dy * dy / (b * b) - 1.0;
    double gx = 2 * dx / (a * a), gy = 2 * dy / (b * b);
    double g = std::sqrt(gx * gx + gy * gy);
    return g > 0 && std::abs(f) / g <= halfWidth;
}

// Rectangle whose left corners are rounded with radius rl and right corners
// with rr.
bool inRoundRect(double x, double y, int x0, int y0, int x1, int y1, int rl, int rr) {
    if (x < x0 - 0.5 || x > x1 + 0.5 || y < y0 - 0.5 || y > y1 + 0.5) return false;
    auto corner = [&](int r, int cx) {
        double cy = y < y0 + r ? y0 + r : y > y1 - r ? y1 - r : y;
        return sq(x - cx) + sq(y - cy) <= sq(r);
    };
    if (x < x0 + rl) return corner(rl, x0 + rl);
    if (x > x1 - rr) return corner(rr, x1 - rr);
    return true;
}

// ---- pictures --------------------------------------------------------------

bool inResistorBody(double x, double y) {
    return (x >= 97.5 && x <= 204.5 && y >= 15.5 && y <= 75.5)   // middle, under the digit bands
        || inRoundRect(x, y, 60, 5, 98, 84, 16, 5)              // left cap
        || inRoundRect(x, y, 204, 5, 243, 84, 5, 16);           // right cap, under the tolerance band
}

Rgb resistor(double x, double y) {
    Point p{x, y, kWhite};
    if (inResistorBody(x - 5, y - 5)) p.c = Rgb{208, 208, 208};   // shadow
    // Wire: lit along its upper side so it reads as round.
    static constexpr Rgb wire[5] = {{150, 150, 150}, {214, 214, 214}, {184, 184, 184}, {152, 152, 152}, {112, 112, 112}};
    if (p.in(3, 44, 298, 48)) p.c = wire[std::min(4, int(y - 43.5))];
    if (!inResistorBody(x, y)) return p.c;
    // Within the middle, a design pixel from its edges, no neighbour lies outside.
    const bool inner = x >= 98.5 && x <= 203.5 && y >= 16.5 && y <= 74.5;
    if (!inner && (!inResistorBody(x - 1, y) || !inResistorBody(x + 1, y) || !inResistorBody(x, y - 1) ||
                   !inResistorBody(x, y + 1)))
        return Rgb{196, 112, 40};   // outline
    return y <= 44 ? mix(Rgb{255, 165, 105}, Rgb{255, 204, 164}, y - 5, 39)
                   : mix(Rgb{255, 151, 0}, Rgb{255, 243, 0}, y - 45, 39);
}

Rgb ohm(double x, double y) {
    Point p{x, y, kWhite};
    // Ring centred on column 8, open at the bottom; its ends drop into two feet.
    bool ring = inDisc(x, y, 17, 19, 15) && !inDisc(x, y, 17, 19, 9);
    bool gap = y >= 12.5 && std::abs(2 * x + 1 - 17) < 7;
    if (ring && !gap) p.c = kBlack;
    p.rect(3, 14, 5, 17, kBlack);
    p.rect(11, 14, 13, 17, kBlack);
    p.rect(1, 18, 6, 19, kBlack);
    p.rect(10, 18, 15, 19, kBlack);
    return p.c;
}

bool gearSolid(double x, double y) {
    double dx = 2 * x + 1 - 27, dy = 2 * y + 1 - 27;   // half-pixel units from the centre
    double r = dx * dx + dy * dy;
    if (r <= sq(7)) return false;                     // hole
    if (r <= sq(19)) return true;                     // wheel
    if (r > sq(25)) return false;
    // Eight teeth: four on the axes, four on the diagonals (rotated 45
    // degrees, so widths and lengths scale by sqrt 2; compare squares).
    bool axis = (std::abs(dx) <= 5) || (std::abs(dy) <= 5);
    bool diag = sq(dx - dy) <= 2 * sq(5) || sq(dx + dy) <= 2 * sq(5);
    return axis || diag;
}

Rgb gear(double x, double y) {
    if (!gearSolid(x, y)) return kWhite;
    bool edge = !gearSolid(x - 1, y) || !gearSolid(x + 1, y) || !gearSolid(x, y - 1) || !gearSolid(x, y + 1);
    bool lit = x + y < 21.5 && inDisc(x, y, 27, 27, 17) && !inDisc(x, y, 27, 27, 12);
    return edge ? Rgb{16, 50, 150} : lit ? Rgb{110, 150, 240} : Rgb{40, 90, 210};
}

Rgb aboutGlyph(double x, double y) {
    const Rgb green{0, 150, 40}, frame{112, 136, 170}, text{150, 168, 196}, paper{250, 252, 255};
    Point p{x, y, kWhite};
    // Page with a folded corner.
    p.rect(6, 1, 14, 15, frame);
    p.rect(7, 2, 13, 14, paper);
    for (int i = 0; i < 3; ++i) {
        p.rect(12 + i, 1, 14, 1 + i, kWhite);
        p.rect(11 + i, 1 + i, 11 + i, 1 + i, frame);
    }
    p.rect(11, 2, 11, 4, frame);
    p.rect(11, 4, 14, 4, frame);
    for (int row = 6; row <= 12; row += 2) p.rect(8, row, row == 12 ? 10 : 12, row, text);
    // The "i".
    p.rect(2, 2, 3, 3, green);
    p.rect(1, 5, 3, 5, green);
    p.rect(2, 6, 3, 13, green);
    p.rect(1, 14, 4, 14, green);
    return p.c;
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

namespace logo {
constexpr Rgb bg{56, 56, 56};
constexpr int kWidth = 479;
constexpr int sx = 8, sy = 10, top = 38;   // letter cell scale, top row
constexpr int globeD = 70, gap = 14, pitch = 6 * sx;
constexpr std::string_view word = "BANDORA";
constexpr int width = globeD + gap + int(word.size()) * pitch - sx;
constexpr int left = (kWidth - width) / 2;
constexpr int textLeft = left + globeD + gap;
constexpr int srcTop = top, srcBottom = top + 7 * sy + 2, mirrorTop = srcBottom + 2;
constexpr int rows = srcBottom - srcTop + 1;
}  // namespace logo

bool letterPixel(double x, double y) {
    using namespace logo;
    // Cells are whole design pixels: a cell boundary lies half a pixel before its first centre.
    double rx = x - textLeft + 0.5, ry = y - top + 0.5;
    if (rx < 0 || ry < 0 || ry >= 7 * sy) return false;
    int i = int(rx / pitch), cx = int((rx - i * pitch) / sx);
    return i < int(word.size()) && cx < 5 && glyph5x7(word[std::size_t(i)])[int(ry / sy) * 5 + cx] == '#';
}

// The logo and globe, without their mirror image.
Rgb aboutFront(double x, double y) {
    using namespace logo;
    Point p{x, y, bg};
    if (y >= top - 0.5 && y < top + 7 * sy + 2.5 && x >= textLeft - 0.5 && letterPixel(x - 3, y - 3))
        p.c = Rgb{28, 28, 28};   // drop shadow
    if (y >= top - 0.5 && y < top + 7 * sy - 0.5 && x >= textLeft - 0.5 && letterPixel(x, y)) {
        Rgb c = mix(Rgb{246, 246, 250}, Rgb{196, 206, 224}, y - top, 7 * sy);
        // Diagonal stripes, four pixels of every twelve along x + y.
        const double along = std::fmod(x + y + 1, 12.0);
        if (along > 0 && along < 5) c = mix(c, Rgb{120, 150, 200}, 1, 2);
        p.c = c;
    }

    // Globe: shaded green disc with parallels and meridians.
    const int r = globeD / 2;
    const double cx = left + r, cy = top + r;
    if (p.in(left, top, left + globeD - 1, top + globeD - 1)) {
        double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
        if (dx * dx + dy * dy <= double(r) * r) {
            double hx = x - (left + r * 2 / 3), hy = y - (top + r * 2 / 3);   // highlight, upper left
            double d = std::floor(std::sqrt(hx * hx + hy * hy));
            Rgb c = mix(Rgb{120, 220, 120}, Rgb{14, 100, 36}, d < 2 * r ? d : 2 * r, 2 * r);
            bool grid = onEllipse(x, y, cx, cy, r - 1, r - 1, 0.9) || onEllipse(x, y, cx, cy, 0, r, 0.8) ||
                        std::abs(dy) <= 0.8;
            for (int k = 1; k <= 2; ++k)
                grid = grid || onEllipse(x, y, cx, cy, r * k / 3.0, r, 0.8) ||
                       std::abs(std::abs(dy) - r * k / 3.0) <= 0.8;
            p.c = grid ? mix(c, Rgb{200, 245, 200}, 2, 3) : c;
        }
    }
    return p.c;
}

Rgb about(double x, double y) {
    using namespace logo;
    // Mirror below, fading out towards the background.
    if (y >= mirrorTop - 0.5 && y < mirrorTop + rows - 0.5) {
        const double k = y - mirrorTop;
        return mix(bg, aboutFront(x, srcBottom - k), 100 * (rows - k), 256.0 * rows);
    }
    return aboutFront(x, y);
}

struct Entry {
    Picture picture;
    Size size;
    Rgb (*colour)(double, double);
};

constexpr Entry kEntries[] = {
    {Picture::Resistor, {302, 93}, resistor},
    {Picture::Ohm, {17, 22}, ohm},
    {Picture::Gear, {27, 27}, gear},
    {Picture::AboutGlyph, {15, 16}, aboutGlyph},
    {Picture::About, {logo::kWidth, 338}, about},
};

const Entry& Find(Picture picture) {
    for (const Entry& e : kEntries)
        if (e.picture == picture) return e;
    return kEntries[0];
}

}  // namespace

Size DesignSize(Picture picture) { return Find(picture).size; }

int Scaled(int designPixels, int dpi) { return (designPixels * dpi + 48) / 96; }

Size SizeAt(Picture picture, int dpi) {
    const Size design = DesignSize(picture);
    return {Scaled(design.w, dpi), Scaled(design.h, dpi)};
}

namespace {

// Hands `put` each pixel's index and colour, row by row from the top.
template <typename Put>
void EachPixel(Picture picture, int dpi, Put put) {
    const Entry& e = Find(picture);
    const Size size = SizeAt(picture, dpi);
    // The design point of a pixel's centre; at 96 dpi exactly the pixel's own number.
    auto design = [dpi](int device) { return (device + 0.5) * 96.0 / dpi - 0.5; };
    for (int y = 0; y < size.h; ++y) {
        const double v = design(y);
        for (int x = 0; x < size.w; ++x) put(std::size_t(y) * size.w + x, e.colour(design(x), v));
    }
}

}  // namespace

Image Draw(Picture picture, int dpi) {
    const Size size = SizeAt(picture, dpi);
    Image img{size.w, size.h, std::vector<Rgb>(std::size_t(size.w) * size.h)};
    EachPixel(picture, dpi, [&](std::size_t i, Rgb c) { img.px[i] = c; });
    return img;
}

void DrawPacked(Picture picture, int dpi, std::uint32_t* pixels) {
    EachPixel(picture, dpi, [&](std::size_t i, Rgb c) {
        pixels[i] = std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
    });
}

}  // namespace art

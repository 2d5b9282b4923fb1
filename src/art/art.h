// The program's pictures, drawn at any display scale. Each shape is a
// function of design coordinates (the pixels at 96 dpi), evaluated at the
// centre of every device pixel, so a picture is drawn sharp at its own scale
// rather than stretched, and at 96 dpi it is exactly the design.
// Plain C++: the program, the artwork generator and the native tests share it.
#pragma once
#include <cstdint>
#include <vector>

namespace art {

// The numbers are the program's picture identifiers.
enum class Picture { Resistor = 101, Ohm, Gear, AboutGlyph, About };

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

struct Image {
    int w = 0, h = 0;
    std::vector<Rgb> px;   // rows top to bottom
    Rgb at(int x, int y) const { return px[static_cast<std::size_t>(y) * w + x]; }
};

struct Size {
    int w, h;
};

// Design size: the pixels at 96 dpi.
Size DesignSize(Picture picture);
// A design length at `dpi`, rounded to the nearest pixel (halves up).
int Scaled(int designPixels, int dpi);
// The picture's size at `dpi`: DesignSize scaled.
Size SizeAt(Picture picture, int dpi);
// The picture at `dpi`: SizeAt pixels, every one evaluated afresh.
Image Draw(Picture picture, int dpi);
// The same pixels written as 0x00RRGGBB, rows from the top, to `pixels`
// (SizeAt's width times height of them): the screen's own format, with no
// image in between.
void DrawPacked(Picture picture, int dpi, std::uint32_t* pixels);

}  // namespace art

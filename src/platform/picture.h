// Pictures of the program, drawn at a display's dpi and shared by every
// control that shows them at that dpi.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

namespace platform {

class Picture {
public:
    explicit Picture(HBITMAP bitmap);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    int width() const { return width_; }    // pixels
    int height() const { return height_; }
    // Draws the picture with its top-left corner at (x, y); false when it
    // could not (no memory DC to draw it from).
    bool Draw(HDC dc, int x, int y) const;
    // Draws only the picture's ink, every pixel but its white (or nearly
    // white) paper, in one colour: a sign drawn dark on white, shown in the
    // system's text colour where the background may be dark.
    bool DrawInk(HDC dc, int x, int y, COLORREF ink) const;
private:
    HBITMAP bitmap_;
    int width_ = 0;
    int height_ = 0;
};

// What draws the program's pictures, handed down by the program: the size
// of picture `id` at `dpi` (empty for an id it does not know), and its pixels,
// 0x00RRGGBB row by row from the top, written straight into the bitmap.
struct PictureDrawer {
    SIZE (*size)(int id, int dpi) = nullptr;
    void (*draw)(int id, int dpi, std::uint32_t* pixels) = nullptr;
};

// Picture `id` as `drawer` draws it for `dpi`; nullptr for an unknown id.
std::shared_ptr<Picture> LoadPicture(PictureDrawer drawer, int id, int dpi);

}  // namespace platform

// Pictures of the program, drawn at a display's dpi and shared by every
// control that shows them at that dpi.
#pragma once
#include <windows.h>

#include <memory>

namespace platform {

class Picture {
public:
    explicit Picture(HBITMAP bitmap);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }    // pixels
    int height() const { return height_; }
    // Draws the picture with its top-left corner at (x, y).
    void Draw(HDC dc, int x, int y) const;
private:
    HBITMAP bitmap_;
    int width_ = 0;
    int height_ = 0;
};

// Picture `id` (an art::Picture) drawn for `dpi`; nullptr for an unknown id.
std::shared_ptr<Picture> LoadPicture(int id, int dpi);

}  // namespace platform

// Pictures built into the program (bitmap resources), loaded once and shared
// by every control that shows them.
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

// The bitmap resource `id` of this module; nullptr if it is missing.
std::shared_ptr<Picture> LoadPicture(int id);

}  // namespace platform

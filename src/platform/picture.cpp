#include "platform/picture.h"

#include <cstdint>
#include <map>
#include <tuple>

#include <algorithm>

#include "platform/gdi.h"

namespace platform {
namespace {

// A picture in the screen's own format, so that every repaint is a plain copy.
HBITMAP BitmapOf(const PictureImage& image) {
    const std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != count) return nullptr;
    void* bits = nullptr;
    HBITMAP bitmap = MakeDib(image.width, image.height, &bits);
    if (bitmap) std::copy(image.pixels.begin(), image.pixels.end(), static_cast<std::uint32_t*>(bits));
    return bitmap;
}

}  // namespace

Picture::Picture(HBITMAP bitmap) : bitmap_(bitmap) {
    BITMAP info{};
    if (bitmap_ && GetObjectW(bitmap_, sizeof info, &info)) {
        width_ = info.bmWidth;
        height_ = info.bmHeight;
    }
}

Picture::~Picture() {
    if (bitmap_) DeleteObject(bitmap_);
}

void Picture::Draw(HDC dc, int x, int y) const {
    MemoryDC source(dc);
    Select picture(source.get(), bitmap_);
    BitBlt(dc, x, y, width_, height_, source.get(), 0, 0, SRCCOPY);
}

std::shared_ptr<Picture> LoadPicture(PictureDrawer draw, int id, int dpi) {
    if (!draw) return nullptr;
    // Weak entries: a picture lives while some control shows it.
    static std::map<std::tuple<PictureDrawer, int, int>, std::weak_ptr<Picture>> cache;
    auto& entry = cache[{draw, id, dpi}];
    if (auto shared = entry.lock()) return shared;
    HBITMAP bitmap = BitmapOf(draw(id, dpi));
    if (!bitmap) return nullptr;
    auto picture = std::make_shared<Picture>(bitmap);
    entry = picture;
    return picture;
}

}  // namespace platform

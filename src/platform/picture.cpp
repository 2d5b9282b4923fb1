#include "platform/picture.h"

#include <cstdint>
#include <map>

#include "art/art.h"

#include "platform/gdi.h"

namespace platform {
namespace {

bool IsPicture(int id) {
    return id >= static_cast<int>(art::Picture::Resistor) && id <= static_cast<int>(art::Picture::About);
}

// A picture in the screen's own format, so that every repaint is a plain copy.
HBITMAP BitmapOf(int id, int dpi) {
    const art::Image image = art::Draw(static_cast<art::Picture>(id), dpi);
    void* bits = nullptr;
    HBITMAP bitmap = MakeDib(image.w, image.h, &bits);
    if (!bitmap) return nullptr;
    auto* bgrx = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < image.px.size(); ++i) {
        const art::Rgb c = image.px[i];
        bgrx[i] = std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
    }
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

std::shared_ptr<Picture> LoadPicture(int id, int dpi) {
    if (!IsPicture(id)) return nullptr;
    // Weak entries: a picture lives while some control shows it.
    static std::map<std::pair<int, int>, std::weak_ptr<Picture>> cache;
    auto& entry = cache[{id, dpi}];
    if (auto shared = entry.lock()) return shared;
    HBITMAP bitmap = BitmapOf(id, dpi);
    if (!bitmap) return nullptr;
    auto picture = std::make_shared<Picture>(bitmap);
    entry = picture;
    return picture;
}

}  // namespace platform

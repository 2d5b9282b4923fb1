#include "platform/picture.h"

#include <map>

#include "platform/gdi.h"

namespace platform {

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

std::shared_ptr<Picture> LoadPicture(int id) {
    // Weak entries: a picture lives while some control shows it.
    static std::map<int, std::weak_ptr<Picture>> cache;
    if (auto shared = cache[id].lock()) return shared;
    // In the screen's own format (the resources are 4- and 8-bit): converted
    // once here, so that every repaint is a plain copy.
    auto bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                  IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!bitmap) return nullptr;
    auto picture = std::make_shared<Picture>(bitmap);
    cache[id] = picture;
    return picture;
}

}  // namespace platform

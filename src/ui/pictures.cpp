#include "ui/pictures.h"

#include "art/art.h"

namespace ui {
namespace {

bool Known(int id) {
    return id >= static_cast<int>(art::Picture::Resistor) && id <= static_cast<int>(art::Picture::About);
}

SIZE PictureSize(int id, int dpi) {
    if (!Known(id)) return {0, 0};
    const art::Size size = art::SizeAt(static_cast<art::Picture>(id), dpi);
    return {size.w, size.h};
}

void DrawPicture(int id, int dpi, std::uint32_t* pixels) {
    if (Known(id)) art::DrawPacked(static_cast<art::Picture>(id), dpi, pixels);
}

}  // namespace

const platform::PictureDrawer kPictures{PictureSize, DrawPicture};

}  // namespace ui

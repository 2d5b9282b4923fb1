// The program's pictures as its forms show them: the drawings of art, drawn
// for the form's dpi, in the screen's pixel order.
#pragma once
#include "platform/picture.h"

namespace ui {

// The drawings of art for the forms: picture `id` is an art::Picture; any
// other id has no size and is not drawn.
extern const platform::PictureDrawer kPictures;

}  // namespace ui

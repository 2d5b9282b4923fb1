// The program's pictures as its forms show them: the drawings of art, drawn
// for the form's dpi, in the screen's pixel order.
#pragma once
#include "platform/picture.h"

namespace ui {

// Picture `id` (an art::Picture) at `dpi`; an empty image for any other id.
platform::PictureImage DrawPicture(int id, int dpi);

}  // namespace ui

#include "platform/image.h"

#include "platform/canvas.h"

namespace sw::platform {

void ImageElement::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  FitToPicture();
  Changed();
}

void ImageElement::SetStretch(bool stretch) {
  stretch_ = stretch;
  FitToPicture();
  Changed();
}

void ImageElement::FitToPicture() {
  if (!stretch_ && !picture_.empty())
    Move(left(), top(), picture_.width_twips(), picture_.height_twips());
}

void ImageElement::Paint(Canvas& canvas) {
  if (picture_.empty()) return;
  Rect r = rect_px();
  if (stretch_) {
    canvas.DrawPicture(picture_.pixels(), {0, 0, r.w, r.h});
  } else {
    canvas.DrawPixmap(picture_.pixels(), {0, 0});
  }
}

}  // namespace sw::platform

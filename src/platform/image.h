// Image element: shows a picture stretched to its rectangle or at natural size, transparent
// wherever the picture is.
#pragma once

#include "platform/element.h"

namespace sw::platform {

class ImageElement : public Element {
 public:
  ImageElement() : Element(ElementKind::kImage) {}

  const Picture& picture() const { return picture_; }
  // Without stretching, the element takes the picture's size, as the original control did.
  void SetPicture(Picture picture);
  bool stretch() const { return stretch_; }
  void SetStretch(bool stretch);

  bool is_windowed() const override { return false; }
  void Paint(Canvas& canvas) override;

 protected:
  std::shared_ptr<Element> Clone() const override { return std::make_shared<ImageElement>(*this); }

 private:
  void FitToPicture();

  Picture picture_;
  bool stretch_ = false;
};

}  // namespace sw::platform

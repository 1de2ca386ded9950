// The window a video plays in: a child of its container that shows the current picture
// stretched to its rectangle, black before the first one.
#pragma once

#include <memory>

#include "platform/element.h"
#include "platform/pixmap.h"

namespace sw::video {

class VideoWindow : public platform::Element {
 public:
  VideoWindow() : Element(platform::ElementKind::kPictureBox) {}

  const platform::Pixmap& picture() const { return picture_; }
  void Show(platform::Pixmap picture);

  void Paint(platform::Canvas& canvas) override;

 protected:
  std::shared_ptr<Element> Clone() const override { return std::make_shared<VideoWindow>(*this); }

 private:
  platform::Pixmap picture_;
};

}  // namespace sw::video

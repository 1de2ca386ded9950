#include "video/video_window.h"

#include "platform/canvas.h"

namespace sw::video {

void VideoWindow::Show(platform::Pixmap picture) {
  picture_ = std::move(picture);
  Changed();
}

void VideoWindow::Paint(platform::Canvas& canvas) {
  const platform::Rect r = rect_px();
  const platform::Rect local{0, 0, r.w, r.h};
  if (picture_.empty()) {
    canvas.FillRect(local, 0xFF000000u);
  } else {
    canvas.DrawPicture(picture_, local);
  }
}

}  // namespace sw::video

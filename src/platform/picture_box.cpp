#include "platform/picture_box.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/form.h"
#include "platform/platform.h"

namespace sw::platform {

std::shared_ptr<Element> PictureBoxElement::Clone() const {
  auto copy = std::make_shared<PictureBoxElement>(*this);
  copy->surface_ = Pixmap();
  copy->has_surface_ = false;
  return copy;
}

Point PictureBoxElement::client_offset_px() const {
  return border_style_ == 1 ? Point{2, 2} : Point{0, 0};
}

int PictureBoxElement::scale_width() const {
  return std::max(0, width() - PixelsToTwips(2 * client_offset_px().x));
}
int PictureBoxElement::scale_height() const {
  return std::max(0, height() - PixelsToTwips(2 * client_offset_px().y));
}

void PictureBoxElement::SetBorderStyle(int style) {
  border_style_ = style;
  GeometryChanged();
  Changed();
}

void PictureBoxElement::EnsureSurface() {
  Rect r = rect_px();
  Point off = client_offset_px();
  int w = std::max(0, r.w - 2 * off.x), h = std::max(0, r.h - 2 * off.y);
  if (!has_surface_) {
    surface_ = Pixmap(w, h, VbToArgb(back_color_));
    if (!picture_.empty()) surface_.Blit(picture_.pixels(), {0, 0}, surface_.bounds());
    has_surface_ = true;
  } else if (surface_.width() != w || surface_.height() != h) {
    surface_.Resize(w, h, VbToArgb(back_color_));
  }
}

void PictureBoxElement::GeometryChanged() {
  if (has_surface_) EnsureSurface();
}

Pixmap& PictureBoxElement::surface() {
  EnsureSurface();
  return surface_;
}

void PictureBoxElement::SetBackColor(VbColor colour) {
  back_color_ = colour;
  Cls();
}

void PictureBoxElement::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  Cls();
}

void PictureBoxElement::Cls() {
  has_surface_ = false;
  EnsureSurface();
  current_x_ = current_y_ = 0;
  Changed();
}

void PictureBoxElement::PaintPicture(const Picture& picture, int x, int y, int width, int height,
                                     std::optional<Rect> source_px) {
  if (picture.empty()) return;
  EnsureSurface();
  const Pixmap* src = &picture.pixels();
  Pixmap part;
  if (source_px) {
    Rect s = source_px->Intersect(src->bounds());
    part = Pixmap(s.w, s.h, 0);
    part.CopyFrom(*src, s, {0, 0});
    part.RecomputeOpaque();
    src = &part;
  }
  int w_px = width < 0 ? src->width() : TwipsToPixels(width);
  int h_px = height < 0 ? src->height() : TwipsToPixels(height);
  surface_.BlitScaled(*src, {TwipsToPixels(x), TwipsToPixels(y), w_px, h_px}, surface_.bounds());
  Changed();
}

void PictureBoxElement::FillBox(int x1, int y1, int x2, int y2, VbColor colour) {
  EnsureSurface();
  int l = TwipsToPixels(std::min(x1, x2)), t = TwipsToPixels(std::min(y1, y2));
  int r = TwipsToPixels(std::max(x1, x2)), b = TwipsToPixels(std::max(y1, y2));
  surface_.FillRect({l, t, r - l + 1, b - t + 1}, VbToArgb(colour));
  Changed();
}

void PictureBoxElement::Print(std::string_view text) {
  EnsureSurface();
  if (!form()) return;
  TextEngine& engine = form()->platform().text();
  int line_h = engine.LineHeight(font_);
  Canvas canvas(surface_, engine, {0, 0}, surface_.bounds());
  for (const std::string& line : SplitLines(text)) {
    canvas.DrawText(font_, line, {TwipsToPixels(current_x_), TwipsToPixels(current_y_)},
                    VbToArgb(fore_color_));
    current_y_ += PixelsToTwips(line_h);
  }
  current_x_ = 0;
  Changed();
}

int PictureBoxElement::TextWidth(std::string_view text) {
  if (!form()) return 0;
  TextEngine& engine = form()->platform().text();
  int w = 0;
  for (const std::string& line : SplitLines(text)) w = std::max(w, engine.LineWidth(font_, line));
  return PixelsToTwips(w);
}

int PictureBoxElement::TextHeight(std::string_view text) {
  if (!form()) return 0;
  return PixelsToTwips(form()->platform().text().LineHeight(font_) *
                       static_cast<int>(SplitLines(text).size()));
}

void PictureBoxElement::Paint(Canvas& canvas) {
  if (see_through_) return;
  EnsureSurface();
  Point off = client_offset_px();
  canvas.DrawPixmap(surface_, off);
  if (border_style_ == 1) {
    Rect r = rect_px();
    canvas.Draw3dEdge({0, 0, r.w, r.h}, true);
  }
}

}  // namespace sw::platform

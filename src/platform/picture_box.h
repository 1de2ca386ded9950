// Picture box: a container with a background colour and a persistent drawing surface that
// keeps what was painted on it (pictures, fills, printed text) until it is cleared.
#pragma once

#include <optional>
#include <string_view>

#include "platform/color.h"
#include "platform/element.h"
#include "platform/font.h"

namespace sw::platform {

class PictureBoxElement : public Element {
 public:
  PictureBoxElement() : Element(ElementKind::kPictureBox) {}

  VbColor back_color() const { return back_color_; }
  // Setting the background colour erases the drawing, as the original did.
  void SetBackColor(VbColor colour);
  VbColor fore_color() const { return fore_color_; }
  void SetForeColor(VbColor colour) { fore_color_ = colour; }
  const Picture& picture() const { return picture_; }
  // The background picture at natural size in the top-left corner; also erases the drawing.
  void SetPicture(Picture picture);
  const Font& font() const { return font_; }
  void SetFont(Font font) { font_ = std::move(font); }
  // 0 = none, 1 = a sunken two-pixel border around the client area.
  int border_style() const { return border_style_; }
  void SetBorderStyle(int style);

  // A see-through box draws neither background nor drawing: only its children show, over
  // whatever lies below (the container of an animated picture with transparent parts).
  bool see_through() const { return see_through_; }
  void SetSeeThrough(bool on) {
    see_through_ = on;
    Changed();
  }

  // Drawing, in twips of the client area.
  void Cls();
  // Paints `picture` at (x, y); a width or height below 0 means the picture's own size, so
  // other sizes stretch it. A source rectangle (pixels of the picture) paints part of it.
  void PaintPicture(const Picture& picture, int x, int y, int width = -1, int height = -1,
                    std::optional<Rect> source_px = std::nullopt);
  // A filled rectangle between two corners (the original's Line ... , BF).
  void FillBox(int x1, int y1, int x2, int y2, VbColor colour);
  // Prints one or more lines at (current_x, current_y) and moves below them.
  void Print(std::string_view text);
  int current_x() const { return current_x_; }
  int current_y() const { return current_y_; }
  void SetCurrentX(int twips) { current_x_ = twips; }
  void SetCurrentY(int twips) { current_y_ = twips; }
  int TextWidth(std::string_view text);
  int TextHeight(std::string_view text);
  // Client-area size in twips (the original's ScaleWidth and ScaleHeight).
  int scale_width() const;
  int scale_height() const;

  // The persistent surface itself, for effects that draw pixels directly. Call Invalidate()
  // after changing it.
  Pixmap& surface();
  void Invalidate() { Changed(); }

  bool is_container() const override { return true; }
  Point client_offset_px() const override;
  void Paint(Canvas& canvas) override;

 protected:
  std::shared_ptr<Element> Clone() const override;
  void GeometryChanged() override;

 private:
  void EnsureSurface();

  VbColor back_color_ = kVbButtonFace;
  VbColor fore_color_ = kVbWindowText;
  Picture picture_;
  Font font_;
  int border_style_ = 0;
  int current_x_ = 0;
  int current_y_ = 0;
  Pixmap surface_;
  bool has_surface_ = false;
  bool see_through_ = false;
};

}  // namespace sw::platform

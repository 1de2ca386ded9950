// Where inventory icons lie in the panel: a grid of 32-pixel icons with the project's gaps,
// row by row, in twips. The arithmetic keeps the 16- and 32-bit limits of the stored numbers,
// so a damaged setting fails the operation (VbError 6 Overflow, 11 Division by zero) instead
// of placing icons anywhere.
#pragma once

#include <cstdint>

#include "core/project/project_info.h"

namespace sw {

struct ItemPlace {
  int32_t left = 0;  // twips inside the panel
  int32_t top = 0;
  int32_t row = 0;  // 0 for the first row
};

class InventoryLayout {
 public:
  // Icon size in twips (32 pixels).
  static constexpr int32_t kIconTwips = 480;

  InventoryLayout(int16_t frameWidth, int32_t marginX, int32_t marginY)
      : frameWidth_(frameWidth), marginX_(marginX), marginY_(marginY) {}
  explicit InventoryLayout(const ProjectInfo& info)
      : InventoryLayout(info.FrameWidth, info.InventoryMarginX, info.InventoryMarginY) {}

  // The panel spans the frame: W * 15, in 16 bits.
  int16_t PanelWidth() const;
  int32_t CellWidth() const;   // Gx * 15 + 480
  int32_t CellHeight() const;  // Gy * 15 + 480
  // Whole items per row: (W * 15) / cell width, W * 15 in 16 bits.
  int16_t ItemsPerRow() const;
  // The place of item k (1-based).
  ItemPlace Place(int16_t k) const;
  // The panel height when the last item lies in `row`.
  int32_t PanelHeight(int32_t row) const;
  // The height of the panel before any item: Gy * 30 + 480.
  int32_t EmptyPanelHeight() const;

 private:
  int16_t frameWidth_;
  int32_t marginX_;
  int32_t marginY_;
};

}  // namespace sw

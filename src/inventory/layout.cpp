#include "inventory/layout.h"

#include <cmath>
#include <limits>

#include "base/vb_error.h"

namespace sw {

namespace {

constexpr int32_t kTwips = 15;

template <class T>
T Checked(int64_t value) {
  if (value > std::numeric_limits<T>::max() || value < std::numeric_limits<T>::min()) {
    throw VbError(vberr::kOverflow);
  }
  return static_cast<T>(value);
}

int32_t Long(int64_t value) {
  return Checked<int32_t>(value);
}

}  // namespace

int16_t InventoryLayout::PanelWidth() const {
  return Checked<int16_t>(int64_t{frameWidth_} * kTwips);
}

int32_t InventoryLayout::CellWidth() const {
  return Long(static_cast<int64_t>(Long(int64_t{marginX_} * kTwips)) + kIconTwips);
}

int32_t InventoryLayout::CellHeight() const {
  return Long(static_cast<int64_t>(Long(int64_t{marginY_} * kTwips)) + kIconTwips);
}

int16_t InventoryLayout::ItemsPerRow() const {
  const int16_t width = PanelWidth();
  const int32_t cell = CellWidth();
  if (cell == 0) throw VbError(vberr::kDivisionByZero);
  const double perRow = std::floor(static_cast<double>(width) / cell);
  if (perRow > std::numeric_limits<int16_t>::max() ||
      perRow < std::numeric_limits<int16_t>::min()) {
    throw VbError(vberr::kOverflow);
  }
  return static_cast<int16_t>(perRow);
}

ItemPlace InventoryLayout::Place(int16_t k) const {
  const int16_t n = ItemsPerRow();
  // A frame narrower than one cell (or a negative gap wider than the icon) leaves no column.
  if (n == 0) throw VbError(vberr::kDivisionByZero);
  const int16_t before = Checked<int16_t>(int64_t{k} - 1);
  ItemPlace place;
  const int32_t column = before % n;
  place.row = before / n;
  const int32_t gapX = Long(int64_t{marginX_} * kTwips);
  const int32_t gapY = Long(int64_t{marginY_} * kTwips);
  place.left = Long(int64_t{gapX} + Long(int64_t{CellWidth()} * column));
  place.top = Long(int64_t{gapY} + Long(int64_t{CellHeight()} * place.row));
  return place;
}

int32_t InventoryLayout::PanelHeight(int32_t row) const {
  const int32_t gapY = Long(int64_t{marginY_} * kTwips);
  const int32_t rows = Long(int64_t{row} + 1);
  return Long(int64_t{gapY} + Long(int64_t{CellHeight()} * rows));
}

int32_t InventoryLayout::EmptyPanelHeight() const {
  return Long(static_cast<int64_t>(Long(int64_t{marginY_} * 30)) + kIconTwips);
}

}  // namespace sw

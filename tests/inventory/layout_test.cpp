// The grid of icons: cells, items per row, places and panel heights, and the limits of the
// 16- and 32-bit arithmetic.
#include <gtest/gtest.h>

#include "base/vb_error.h"
#include "inventory/layout.h"

namespace sw {
namespace {

int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

TEST(InventoryLayout, SixHundredFortyPixelsWithGapsOfTenHoldFifteenItemsPerRow) {
  const InventoryLayout layout(640, 10, 10);
  EXPECT_EQ(layout.CellWidth(), 630);
  EXPECT_EQ(layout.CellHeight(), 630);
  EXPECT_EQ(layout.ItemsPerRow(), 15);
  const ItemPlace first = layout.Place(1);
  EXPECT_EQ(first.left, 150);
  EXPECT_EQ(first.top, 150);
  const ItemPlace fifteenth = layout.Place(15);
  EXPECT_EQ(fifteenth.left, 150 + 630 * 14);
  EXPECT_EQ(fifteenth.top, 150);
  EXPECT_EQ(fifteenth.row, 0);
  const ItemPlace sixteenth = layout.Place(16);
  EXPECT_EQ(sixteenth.left, 150);
  EXPECT_EQ(sixteenth.top, 780);
  EXPECT_EQ(sixteenth.row, 1);
}

TEST(InventoryLayout, PanelGrowsByOneCellPerRow) {
  const InventoryLayout layout(640, 10, 10);
  EXPECT_EQ(layout.EmptyPanelHeight(), 780);
  EXPECT_EQ(layout.PanelHeight(0), 780) << "one row is as high as the empty panel";
  EXPECT_EQ(layout.PanelHeight(1), 1410);
  EXPECT_EQ(layout.PanelWidth(), 9600);
}

TEST(InventoryLayout, OtherGapsAndWidths) {
  const InventoryLayout wide(1024, 4, 0);
  EXPECT_EQ(wide.CellWidth(), 540);
  EXPECT_EQ(wide.ItemsPerRow(), 28);  // 15360 / 540 = 28.4
  EXPECT_EQ(wide.Place(29).top, 480);
  EXPECT_EQ(wide.Place(29).left, 60);
  EXPECT_EQ(wide.EmptyPanelHeight(), 480);
}

TEST(InventoryLayout, ArithmeticBeyondItsIntegersIsAnOverflow) {
  // Gaps are 32-bit: 200,000,000 x 15 does not fit.
  EXPECT_EQ(ErrorOf([] { InventoryLayout(640, 200000000, 10).Place(1); }), 6);
  EXPECT_EQ(ErrorOf([] { InventoryLayout(640, 10, 200000000).EmptyPanelHeight(); }), 6);
  // The frame width times 15 is 16-bit: 2185 pixels is too wide.
  EXPECT_EQ(ErrorOf([] { InventoryLayout(2185, 10, 10).ItemsPerRow(); }), 6);
  EXPECT_EQ(ErrorOf([] { InventoryLayout(2184, 10, 10).ItemsPerRow(); }), 0);
  // A row far down: the top no longer fits 32 bits.
  EXPECT_EQ(ErrorOf([] { InventoryLayout(640, 10, 100000000).Place(16); }), 6);
  EXPECT_EQ(ErrorOf([] { InventoryLayout(640, 10, 100000000).PanelHeight(2); }), 6);
}

TEST(InventoryLayout, NoColumnAtAllIsADivisionByZero) {
  // A cell wider than the frame leaves no place for any item.
  EXPECT_EQ(ErrorOf([] { InventoryLayout(30, 10, 10).Place(1); }), 11);
  // A gap of -32 pixels makes the cell 0 twips wide.
  EXPECT_EQ(ErrorOf([] { InventoryLayout(640, -32, 10).ItemsPerRow(); }), 11);
}

}  // namespace
}  // namespace sw

// Value semantics shared by every user of the variant: array copies, ByRef arguments,
// whole-number fitting, currency, and calendar arithmetic.
#include <gtest/gtest.h>

#include <cstdint>

#include "variant/host_object.h"
#include "variant/variant_ops.h"
#include "variant/vb_array.h"

namespace sw {
namespace {

TEST(ArrayValues, ClonesAreDeepAndIndependent) {
  auto inner = VbArray::FromValues({Variant(int16_t{1})});
  auto outer = VbArray::FromValues({Variant(inner), Variant("s")});
  Ref<VbArray> copy = outer->Clone();
  copy->At1(1) = Variant("changed");
  copy->At1(0).AsArray()->At1(0) = Variant(int16_t{9});
  EXPECT_EQ(outer->At1(1).ToUtf8(), "s");
  EXPECT_EQ(inner->At1(0).AsInteger(), 1);  // nested arrays are copied too
  EXPECT_EQ(copy->At1(0).AsArray()->At1(0).AsInteger(), 9);
}

TEST(ArrayValues, PreserveKeepsElementsAndFixedArraysRefuse) {
  auto a = MakeRef<VbArray>(std::vector<VbArray::Bound>{{0, 2}});
  a->At1(1) = Variant("keep");
  a->Redim({{0, 5}}, true);
  EXPECT_EQ(a->At1(1).ToUtf8(), "keep");
  EXPECT_TRUE(a->At1(4).IsEmpty());
  a->Redim({{0, 0}}, false);
  EXPECT_EQ(a->UBound(), -1);
  auto fixed = MakeRef<VbArray>(std::vector<VbArray::Bound>{{0, 3}}, true);
  fixed->At1(0) = Variant("x");
  try {
    fixed->Redim({{0, 9}}, false);
    ADD_FAILURE();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 10);
  }
  fixed->Erase();
  EXPECT_EQ(fixed->UBound(), 2);  // a fixed array keeps its bounds
  EXPECT_TRUE(fixed->At1(0).IsEmpty());
  try {
    MakeRef<VbArray>(std::vector<VbArray::Bound>{{0, 1 << 20}, {0, 1 << 20}});
    ADD_FAILURE();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 7);
  }
}

TEST(ArrayValues, BoundsBelowMinusOneMakeAnEmptyArrayThatNoIndexReaches) {
  // A negative element count once let every index through the unsigned range check, and
  // `ReDim a(-5) : a(1) = 2` wrote outside the array.
  auto a = MakeRef<VbArray>(std::vector<VbArray::Bound>{{0, -4}});
  EXPECT_EQ(a->UBound(), -1);
  EXPECT_EQ(a->size(), 0u);
  for (int32_t i : {0, 1, 3, -1, INT32_MIN, INT32_MAX}) {
    EXPECT_THROW(a->At1(i), VbError) << i;
    const int32_t idx[] = {i};
    EXPECT_THROW(a->At(idx), VbError) << i;
  }
  auto shifted = MakeRef<VbArray>(std::vector<VbArray::Bound>{{1, 2}});
  EXPECT_THROW(shifted->At1(INT32_MIN), VbError) << "no overflow below the lower bound";
  shifted->At1(2) = Variant("last");
  EXPECT_EQ(shifted->At1(2).ToUtf8(), "last");
}

TEST(ByRefArguments, HostWritesReachTheCallersVariable) {
  Variant caller("old");
  Variant passed[2] = {Variant::MakeRef(&caller), Variant(int16_t{5})};
  Args args(passed, 2);
  EXPECT_EQ(args[0].ToUtf8(), "old");
  args.Assign(0, Variant("new"));
  args.Assign(1, Variant("copy only"));
  EXPECT_EQ(caller.ToUtf8(), "new");
  EXPECT_EQ(args[1].ToUtf8(), "copy only");
  EXPECT_TRUE(args.IsMissing(2));
  Variant missing = Variant::Missing();
  EXPECT_TRUE(Args(&missing, 1).IsMissing(0));
}

TEST(WholeNumbers, FitTheSmallestSubtype) {
  EXPECT_EQ(ops::FitInteger(200, 0).type(), VarType::Byte);
  EXPECT_EQ(ops::FitInteger(200, 1).type(), VarType::Integer);
  EXPECT_EQ(ops::FitInteger(-1, 0).type(), VarType::Integer);
  EXPECT_EQ(ops::FitInteger(40000, 1).type(), VarType::Long);
  EXPECT_EQ(ops::FitInteger(int64_t{1} << 40, 1).type(), VarType::Double);
}

TEST(CurrencyValues, FourDecimalsAndOverflow) {
  EXPECT_EQ(Variant::FromCurrency(1.23456).AsCurrencyScaled(), 12346);
  EXPECT_EQ(Variant::FromCurrency(-1.23454).AsCurrencyScaled(), -12345);
  Variant sum = ops::Add(Variant::FromCurrency(1.5), Variant::FromCurrency(2.25));
  EXPECT_EQ(sum.type(), VarType::Currency);
  EXPECT_EQ(sum.ToUtf8(), "3.75");
  EXPECT_EQ(ops::Mul(Variant::FromCurrency(2), Variant(1.5)).ToUtf8(), "3");
  try {
    Variant::FromCurrency(1e300);
    ADD_FAILURE();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 6);
  }
}

TEST(Calendar, SerialsRollOverAndTwoDigitYearsWindow) {
  EXPECT_EQ(DateSerialOf(2000, 14, 2), DateSerialOf(2001, 2, 2));
  EXPECT_EQ(DateSerialOf(2000, 3, 0), DateSerialOf(2000, 2, 29));
  EXPECT_EQ(DateSerialOf(1899, 12, 30), 0);
  EXPECT_EQ(*ParseDate("1/1/29"), DateSerialOf(2029, 1, 1));
  EXPECT_EQ(*ParseDate("1/1/30"), DateSerialOf(1930, 1, 1));
  DateParts p = SplitDate(-1.25);  // before the epoch: day toward zero, time positive
  EXPECT_EQ(p.day, 29);
  EXPECT_EQ(p.hour, 6);
  EXPECT_EQ(Variant::FromDate(DateSerialOf(2024, 2, 29) + 0.75).ToUtf8(), "2/29/2024 6:00:00 PM");
}

}  // namespace
}  // namespace sw

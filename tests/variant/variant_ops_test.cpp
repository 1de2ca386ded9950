#include <gtest/gtest.h>

#include "variant/variant_ops.h"
#include "variant/vb_array.h"

namespace sw {
namespace {

int ErrorOf(auto&& fn) {
  try {
    fn();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

const Variant I2(int v) {
  return Variant(static_cast<int16_t>(v));
}
const Variant I4(int32_t v) {
  return Variant(v);
}

TEST(VariantOps, IntegerOverflowWidensInsteadOfFailing) {
  Variant r = ops::Mul(I2(200), I2(200));
  EXPECT_EQ(r.type(), VarType::Long);
  EXPECT_EQ(r.AsLong(), 40000);
  EXPECT_EQ(ops::Add(I2(32767), I2(1)).type(), VarType::Long);
  EXPECT_EQ(ops::Add(I4(2147483647), I2(1)).type(), VarType::Double);
  EXPECT_EQ(ops::Add(Variant::FromByte(200), Variant::FromByte(100)).type(), VarType::Integer);
  EXPECT_EQ(ops::Add(Variant::FromByte(2), Variant::FromByte(3)).type(), VarType::Byte);
  EXPECT_EQ(ops::Neg(I2(-32768)).type(), VarType::Long);
  EXPECT_EQ(ops::Add(I4(1), Variant(1.5f)).type(), VarType::Double);  // Long with Single
  EXPECT_EQ(ops::Add(I2(1), Variant(1.5f)).type(), VarType::Single);
  EXPECT_EQ(ErrorOf([] { ops::Mul(Variant(1e200), Variant(1e200)); }), 6);
}

TEST(VariantOps, EmptyBooleanStringsAndDates) {
  EXPECT_EQ(ops::Add(Variant(), Variant()).type(), VarType::Integer);
  EXPECT_EQ(ops::Add(Variant(true), Variant(true)).AsInteger(), -2);
  EXPECT_EQ(ops::Add(Variant("ab"), Variant("cd")).ToUtf8(), "abcd");
  Variant mixed = ops::Add(Variant("5"), I2(3));
  EXPECT_EQ(mixed.type(), VarType::Double);
  EXPECT_EQ(mixed.AsDouble(), 8);
  EXPECT_EQ(ErrorOf([] { ops::Sub(Variant("x"), I2(1)); }), 13);
  Variant d = ops::Add(Variant::FromDate(1), I2(1));
  EXPECT_EQ(d.type(), VarType::Date);
  EXPECT_EQ(ops::Sub(Variant::FromDate(5), Variant::FromDate(2)).type(), VarType::Double);
}

TEST(VariantOps, DivisionRoundsOperandsAndChecksZero) {
  EXPECT_EQ(ops::IntDiv(Variant(4.6), Variant(1.5)).AsInteger(), 2);
  EXPECT_EQ(ops::IntDiv(Variant(4.6), Variant(1.49)).AsLong(), 5);
  EXPECT_EQ(ops::IntDiv(I2(-7), I2(2)).AsInteger(), -3);
  EXPECT_EQ(ops::Mod(I2(-7), I2(3)).AsInteger(), -1);
  EXPECT_EQ(ops::Mod(Variant(11.6), Variant(5.5)).AsLong(), 0);
  EXPECT_EQ(ErrorOf([] { ops::Div(I2(1), I2(0)); }), 11);
  EXPECT_EQ(ErrorOf([] { ops::Div(I2(0), I2(0)); }), 6);
  EXPECT_EQ(ErrorOf([] { ops::Mod(I2(1), Variant()); }), 11);
  EXPECT_TRUE(ops::Div(Variant::Null(), I2(0)).IsNull());  // Null before division by zero
  EXPECT_EQ(ops::Pow(Variant(), I2(2)).AsDouble(), 0);
  EXPECT_EQ(ops::Pow(I2(2), Variant()).AsDouble(), 1);
  EXPECT_EQ(ErrorOf([] { ops::Pow(I2(-8), Variant(1.0 / 3)); }), 5);
}

TEST(VariantOps, ConcatenationWithNullAndEmpty) {
  EXPECT_EQ(ops::Concat(Variant("a"), Variant::Null()).ToUtf8(), "a");
  EXPECT_EQ(ops::Concat(Variant(), I2(5)).ToUtf8(), "5");
  EXPECT_TRUE(ops::Concat(Variant::Null(), Variant::Null()).IsNull());
  EXPECT_EQ(ops::Concat(Variant(true), Variant(0.5)).ToUtf8(), "True0.5");
  EXPECT_EQ(ErrorOf([] { ops::Concat(Variant::Nothing(), Variant("x")); }), 91);
  Variant arr(VbArray::FromValues({}));
  EXPECT_EQ(ErrorOf([&] { ops::Concat(arr, Variant("x")); }), 13);
}

TEST(VariantOps, LogicalOperatorsAreBitwiseWithNullRules) {
  EXPECT_EQ(ops::And(I2(5), I2(3)).AsInteger(), 1);
  EXPECT_EQ(ops::Imp(I2(5), I2(3)).AsInteger(), -5);
  EXPECT_EQ(ops::Not(Variant()).AsLong(), -1);
  EXPECT_EQ(ops::Not(Variant()).type(), VarType::Long);
  EXPECT_EQ(ops::Or(Variant("5"), Variant("3")).AsLong(), 7);
  EXPECT_EQ(ops::Not(Variant::FromByte(0)).AsByte(), 255);
  EXPECT_EQ(ops::And(Variant(true), Variant(false)).type(), VarType::Boolean);
  EXPECT_TRUE(ops::And(Variant::Null(), Variant(true)).IsNull());
  EXPECT_FALSE(ops::And(Variant::Null(), Variant(false)).AsBool());
  EXPECT_TRUE(ops::Or(Variant::Null(), Variant(true)).AsBool());
  EXPECT_TRUE(ops::Imp(Variant(false), Variant::Null()).AsBool());
  EXPECT_EQ(ops::Imp(Variant::FromByte(170), Variant::Null()).AsByte(), 85);
  EXPECT_EQ(ops::Imp(Variant(), Variant::Null()).AsLong(), -1);
  EXPECT_EQ(ErrorOf([] { ops::And(Variant("x"), I2(1)); }), 13);
}

}  // namespace
}  // namespace sw

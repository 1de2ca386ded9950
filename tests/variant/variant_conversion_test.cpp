#include <gtest/gtest.h>

#include "variant/dispatch.h"
#include "variant/host_object.h"
#include "variant/variant.h"
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

TEST(VariantTypes, SubtypesAndNames) {
  EXPECT_EQ(Variant().type(), VarType::Empty);
  EXPECT_EQ(Variant::Null().TypeName(), "Null");
  EXPECT_EQ(Variant(int16_t{3}).TypeName(), "Integer");
  EXPECT_EQ(Variant(int32_t{3}).TypeName(), "Long");
  EXPECT_EQ(Variant(1.5f).TypeName(), "Single");
  EXPECT_EQ(Variant(1.5).TypeName(), "Double");
  EXPECT_EQ(Variant(true).AsInteger(), -1);
  EXPECT_EQ(Variant("x").TypeName(), "String");
  EXPECT_EQ(Variant::FromDate(0).TypeName(), "Date");
  EXPECT_EQ(Variant::FromByte(7).VarTypeCode(), 17);
  EXPECT_EQ(Variant::Nothing().TypeName(), "Nothing");
  Variant arr(MakeRef<VbArray>(std::vector<VbArray::Bound>{{0, 3}}));
  EXPECT_EQ(arr.TypeName(), "Variant()");
  EXPECT_EQ(arr.VarTypeCode(), 8204);
}

TEST(VariantConversion, WholeNumbersRoundHalfToEven) {
  EXPECT_EQ(Variant(36.5).ToInteger(), 36);
  EXPECT_EQ(Variant(-36.5).ToInteger(), -36);
  EXPECT_EQ(Variant(1.5).ToInteger(), 2);
  EXPECT_EQ(Variant(-32768.5).ToInteger(), -32768);
  EXPECT_EQ(ErrorOf([] { Variant(32767.5).ToInteger(); }), 6);
  EXPECT_EQ(Variant(2147483647.4).ToLong(), 2147483647);
  EXPECT_EQ(ErrorOf([] { Variant(2147483647.5).ToLong(); }), 6);
  EXPECT_EQ(Variant(true).ToByte(), 255);
  EXPECT_EQ(Variant("-0.5").ToByte(), 0);
  EXPECT_EQ(ErrorOf([] { Variant(256.0).ToByte(); }), 6);
}

TEST(VariantConversion, NullEmptyAndTextRules) {
  EXPECT_EQ(ErrorOf([] { Variant::Null().ToLong(); }), 94);
  EXPECT_EQ(ErrorOf([] { (void)Variant::Null().ToString(); }), 94);
  EXPECT_EQ(Variant().ToDouble(), 0);
  EXPECT_EQ(Variant().ToUtf8(), "");
  EXPECT_EQ(ErrorOf([] { Variant("").ToDouble(); }), 13);
  EXPECT_EQ(ErrorOf([] { Variant("abc").ToLong(); }), 13);
  EXPECT_EQ(ErrorOf([] { Variant("TRUE").ToDouble(); }), 13);
  EXPECT_EQ(Variant("  12  ").ToLong(), 12);
  EXPECT_EQ(Variant("&H10").ToLong(), 16);
  EXPECT_EQ(Variant("&HFFFF").ToLong(), -1);
  EXPECT_EQ(Variant("1e3").ToDouble(), 1000);
  EXPECT_EQ(Variant("-2.5E-1").ToDouble(), -0.25);
  EXPECT_EQ(Variant("1,000").ToLong(), 1000);
  EXPECT_TRUE(Variant("True").ToBool());
  EXPECT_FALSE(Variant("#FALSE#").ToBool());
  EXPECT_FALSE(Variant("0").ToBool());
  EXPECT_TRUE(Variant("-1").ToBool());
  EXPECT_EQ(ErrorOf([] { Variant("").ToBool(); }), 13);
  EXPECT_EQ(ErrorOf([] { Variant::Nothing().ToLong(); }), 91);
}

TEST(VariantConversion, IsNumericStyleParsing) {
  EXPECT_FALSE(ParseNumber(""));
  EXPECT_FALSE(ParseNumber("   "));
  EXPECT_FALSE(ParseNumber("1e"));
  EXPECT_FALSE(ParseNumber("1.2.3"));
  EXPECT_FALSE(ParseNumber("&O8"));
  EXPECT_FALSE(ParseNumber("12abc"));
  EXPECT_EQ(*ParseNumber(".5"), 0.5);
  EXPECT_EQ(*ParseNumber("+7"), 7);
  EXPECT_EQ(*ParseNumber("&O17"), 15);
  EXPECT_EQ(*ParseNumber("&H8000"), -32768);
  EXPECT_EQ(*ParseNumber("&H10000"), 65536);
  EXPECT_EQ(*ParseNumber("\t5\t"), 5);
}

TEST(VariantFormatting, DoublesAsCStrShowsThem) {
  EXPECT_EQ(Variant(0.1 + 0.2).ToUtf8(), "0.3");
  EXPECT_EQ(Variant(1e16).ToUtf8(), "1E+16");
  EXPECT_EQ(Variant(1e15).ToUtf8(), "1E+15");
  EXPECT_EQ(Variant(123456789012345.0).ToUtf8(), "123456789012345");
  EXPECT_EQ(Variant(1234567890123456789.0).ToUtf8(), "1.23456789012346E+18");
  EXPECT_EQ(Variant(1.0 / 3).ToUtf8(), "0.333333333333333");
  EXPECT_EQ(Variant(-0.5).ToUtf8(), "-0.5");
  EXPECT_EQ(Variant(0.0001).ToUtf8(), "0.0001");
  EXPECT_EQ(Variant(0.00001).ToUtf8(), "1E-05");
  EXPECT_EQ(Variant(2.5e-300).ToUtf8(), "2.5E-300");
  EXPECT_EQ(Variant(100.0).ToUtf8(), "100");
  EXPECT_EQ(Variant(1.5f).ToUtf8(), "1.5");
  EXPECT_EQ(Variant(0.1f).ToUtf8(), "0.1");
  EXPECT_EQ(Variant(1e7f).ToUtf8(), "1E+07");
  EXPECT_EQ(Variant::FromCurrency(12.5).ToUtf8(), "12.5");
  EXPECT_EQ(Variant::FromCurrency(-0.0001).ToUtf8(), "-0.0001");
  EXPECT_EQ(Variant(true).ToUtf8(), "True");
  EXPECT_EQ(Variant(int16_t{-5}).ToUtf8(), "-5");
}

TEST(VariantFormatting, DatesShowOnlyTheirParts) {
  EXPECT_EQ(Variant::FromDate(0).ToUtf8(), "12:00:00 AM");
  EXPECT_EQ(Variant::FromDate(1).ToUtf8(), "12/31/1899");
  EXPECT_EQ(Variant::FromDate(-1).ToUtf8(), "12/29/1899");
  double d = DateSerialOf(2026, 3, 15);
  EXPECT_EQ(Variant::FromDate(d).ToUtf8(), "3/15/2026");
  double t = (14 * 3600 + 30 * 60 + 45) / 86400.0;
  EXPECT_EQ(Variant::FromDate(t).ToUtf8(), "2:30:45 PM");
  EXPECT_EQ(Variant::FromDate(d + t).ToUtf8(), "3/15/2026 2:30:45 PM");
  EXPECT_EQ(SplitDate(d).weekday, 1);  // a Sunday
}

TEST(VariantFormatting, DateTextIsRead) {
  EXPECT_EQ(*ParseDate("1/1/2000"), DateSerialOf(2000, 1, 1));
  EXPECT_EQ(*ParseDate("2000-1-1"), DateSerialOf(2000, 1, 1));
  EXPECT_EQ(*ParseDate("3/4/2026"), DateSerialOf(2026, 3, 4));
  EXPECT_EQ(*ParseDate("Jan 15, 2024"), DateSerialOf(2024, 1, 15));
  EXPECT_EQ(*ParseDate("15-Jan-2024"), DateSerialOf(2024, 1, 15));
  EXPECT_DOUBLE_EQ(*ParseDate("3:45 PM"), (15 * 60 + 45) / 1440.0);
  EXPECT_DOUBLE_EQ(*ParseDate("2026-03-30 14:30:00"), DateSerialOf(2026, 3, 30) + 14.5 / 24);
  EXPECT_FALSE(ParseDate("15.03.2026"));
  EXPECT_FALSE(ParseDate("2/30/2001"));
  EXPECT_FALSE(ParseDate("hello"));
}

TEST(VariantCompare, NumbersStringsEmptyNull) {
  EXPECT_EQ(Compare(Variant(int16_t{1}), Variant(1.0)), CmpResult::Equal);
  EXPECT_EQ(Compare(Variant(false), Variant(true)), CmpResult::Greater);
  EXPECT_EQ(Compare(Variant("10"), Variant("9")), CmpResult::Less);
  EXPECT_EQ(Compare(Variant(), Variant("")), CmpResult::Equal);
  EXPECT_EQ(Compare(Variant(), Variant(int16_t{0})), CmpResult::Equal);
  EXPECT_EQ(Compare(Variant::Null(), Variant::Null()), CmpResult::Null);
  EXPECT_EQ(Compare(Variant("abc"), Variant("ABC"), true), CmpResult::Equal);
  EXPECT_EQ(Compare(Variant("abc"), Variant("ABC"), false), CmpResult::Greater);
  // By UTF-16 unit: the euro sign after every Latin-1 letter; text compare folds Cyrillic,
  // Greek and accented Latin letters.
  EXPECT_EQ(Compare(Variant("€"), Variant("ÿ")), CmpResult::Greater);
  EXPECT_EQ(Compare(Variant("Привет Ωμέγα Éte"), Variant("пРИВЕТ ωΜΈΓΑ éTE"), true),
            CmpResult::Equal);
  EXPECT_EQ(Compare(Variant("Я"), Variant("а"), true), CmpResult::Greater);
  EXPECT_EQ(Compare(Variant(u"\xD800"), Variant(u"\xFFFF")), CmpResult::Less);
  Variant arr(VbArray::FromValues({}));
  EXPECT_EQ(ErrorOf([&] { Compare(arr, Variant::Null()); }), 13);
}

TEST(VariantCompare, StringAgainstNumberDependsOnLiterals) {
  Variant s("5"), n(int16_t{5});
  EXPECT_EQ(Compare(s, n), CmpResult::Greater);  // both computed: the string is greater
  EXPECT_EQ(Compare(n, s), CmpResult::Less);
  EXPECT_EQ(Compare(s, n, false, kRightNumberLiteral), CmpResult::Equal);
  EXPECT_EQ(Compare(Variant(" &hff"), Variant(int16_t{255}), false, kRightNumberLiteral),
            CmpResult::Equal);
  EXPECT_EQ(
      ErrorOf([] { Compare(Variant("abc"), Variant(int16_t{5}), false, kRightNumberLiteral); }),
      13);
  EXPECT_EQ(Compare(Variant("True"), Variant(true), false, kLeftStringLiteral), CmpResult::Equal);
  EXPECT_EQ(Compare(Variant("1"), Variant(true), false, kLeftStringLiteral), CmpResult::Less);
}

TEST(VariantSharing, CopiesShareStringsAndAppendDoesNotLeak) {
  Variant a("abc");
  Variant b = a;
  b.AppendString(u"d");
  EXPECT_EQ(a.ToUtf8(), "abc");
  EXPECT_EQ(b.ToUtf8(), "abcd");
  Variant c = std::move(b);
  EXPECT_TRUE(b.IsEmpty());
  EXPECT_EQ(c.ToUtf8(), "abcd");
}

class Counter : public HostObject {
 public:
  explicit Counter(int* alive) : HostObject("Counter"), alive_(alive) {
    ++*alive_;
    AddProperty(
        "Value", [this](Args) { return Variant(value_); },
        [this](Args, const Variant& v) { value_ = v.ToLong(); });
    AddMethod(
        "Twice", [this](Args a) { return Variant(a[0].ToLong() * 2 + value_ * 0); }, 1);
    SetDefaultMember("value");
  }
  ~Counter() override { --*alive_; }

 private:
  int* alive_;
  int32_t value_ = 0;
};

TEST(HostObjects, NamesDefaultsAndLifetime) {
  int alive = 0;
  {
    Variant v(Ref<Dispatch>(MakeRef<Counter>(&alive)));
    Variant w = v;
    EXPECT_EQ(alive, 1);
    Dispatch* o = v.AsObject();
    o->Put("VALUE", Variant(int32_t{41}));
    EXPECT_EQ(o->Get("value").ToLong(), 41);
    EXPECT_EQ(v.ToLong(), 41);  // through the default member
    EXPECT_EQ(v.TypeName(), "Counter");
    Variant arg(int16_t{4});
    EXPECT_EQ(o->InvokeByName("twice", InvokeKind::Get, Args(&arg, 1)).ToLong(), 8);
    EXPECT_EQ(ErrorOf([&] { o->InvokeByName("Twice", InvokeKind::Get, {}); }), 450);
    EXPECT_EQ(ErrorOf([&] { o->Get("missing"); }), 438);
    v = Variant();
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 0);
}

TEST(Arrays, BoundsRedimAndLocks) {
  auto a = MakeRef<VbArray>(std::vector<VbArray::Bound>{{0, 2}, {0, 3}});
  int32_t idx[] = {1, 2};
  a->At(idx) = Variant(int16_t{9});
  EXPECT_EQ(a->data()[5].AsInteger(), 9);  // first index varies fastest
  EXPECT_EQ(a->UBound(2), 2);
  EXPECT_EQ(ErrorOf([&] { a->UBound(3); }), 9);
  int32_t bad[] = {2, 0};
  EXPECT_EQ(ErrorOf([&] { a->At(bad); }), 9);
  a->Redim({{0, 2}, {0, 5}}, true);
  EXPECT_EQ(a->At(idx).AsInteger(), 9);
  EXPECT_EQ(ErrorOf([&] { a->Redim({{0, 3}, {0, 5}}, true); }), 9);
  a->Lock();
  EXPECT_EQ(ErrorOf([&] { a->Redim({{0, 1}}, false); }), 10);
  a->Unlock();
  a->Erase();
  EXPECT_FALSE(a->allocated());
}

}  // namespace
}  // namespace sw

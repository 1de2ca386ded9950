// Date and time functions for US English: construction, arithmetic, differences, parts,
// names and the clock.
#include "scripting/vbscript/lib_test_support.h"

namespace sw::vbs {
namespace {

using DateTime = LibTest;

TEST_F(DateTime, DateSerialRollsOverAndMapsTwoDigitYears) {
  EXPECT_EQ(Str("DateSerial(2000, 14, 2)"), "2/2/2001");
  EXPECT_EQ(Str("DateSerial(2000, 3, 0)"), "2/29/2000");
  EXPECT_EQ(Str("DateSerial(2001, 1, -1)"), "12/30/2000");
  EXPECT_EQ(Str("DateSerial(99, 1, 1)"), "1/1/1999");
  EXPECT_EQ(Str("DateSerial(29, 1, 1)"), "1/1/2029");
  EXPECT_EQ(Type("DateSerial(2000, 1, 1)"), "Date");
  EXPECT_EQ(ErrorOf("DateSerial(10000, 1, 1)"), 5);
  EXPECT_EQ(ErrorOf("DateSerial(Null, 1, 1)"), 94);
}

TEST_F(DateTime, TimeSerialRollsOver) {
  EXPECT_EQ(Str("TimeSerial(10, 60, 2)"), "11:00:02 AM");
  EXPECT_EQ(Str("TimeSerial(25, 2, 1)"), "12/31/1899 1:02:01 AM");
  EXPECT_EQ(Str("TimeSerial(0, 0, 0)"), "12:00:00 AM");
  EXPECT_EQ(ErrorOf("TimeSerial(1, Null, 1)"), 94);
}

TEST_F(DateTime, ValuesFromText) {
  EXPECT_EQ(Str("DateValue(\"3/4/2026 10:00\")"), "3/4/2026");
  EXPECT_EQ(Str("DateValue(\"2024-01-15\")"), "1/15/2024");
  EXPECT_EQ(Str("CDbl(DateValue(\"14:30\"))"), "0");
  EXPECT_EQ(Str("DateValue(#1/2/2000 3:00#)"), "1/2/2000");
  EXPECT_EQ(ErrorOf("DateValue(5)"), 13);
  EXPECT_EQ(ErrorOf("DateValue(\"\")"), 13);
  EXPECT_EQ(ErrorOf("DateValue(\"15.03.2026\")"), 13);
  EXPECT_EQ(ErrorOf("DateValue(Null)"), 94);
  EXPECT_EQ(Str("TimeValue(\"2:30 PM\")"), "2:30:00 PM");
  EXPECT_EQ(Str("TimeValue(\"2026-03-30 14:30:00\")"), "2:30:00 PM");
  EXPECT_EQ(Str("CDbl(TimeValue(\"1/1/2000\"))"), "0");
  EXPECT_EQ(ErrorOf("TimeValue(\"x\")"), 13);
}

TEST_F(DateTime, IsDateAcceptsDatesAndDateText) {
  EXPECT_EQ(Str("IsDate(\"1/1/2000\")"), "True");
  EXPECT_EQ(Str("IsDate(\"Jan 15, 2024\")"), "True");
  EXPECT_EQ(Str("IsDate(#1/1/2000#)"), "True");
  EXPECT_EQ(Str("IsDate(\"4\")"), "False");
  EXPECT_EQ(Str("IsDate(4)"), "False");
  EXPECT_EQ(Str("IsDate(True)"), "False");
  EXPECT_EQ(Str("IsDate(Null)"), "False");
  EXPECT_EQ(Str("IsDate(Empty)"), "False");
  EXPECT_EQ(Str("IsDate(\"2/30/2000\")"), "False");
  EXPECT_EQ(Str("IsDate(Nothing)"), "False");
  EXPECT_EQ(Run("Class Holder\n  Public Default Property Get Value : Value = \"1/2/2000\" : End "
                "Property\n"
                "End Class\nSet h = New Holder : WScript.Echo IsDate(h)"),
            "True\n");
}

TEST_F(DateTime, PartsOfDatesAndSerials) {
  EXPECT_EQ(Str("Year(#3/15/2026#)"), "2026");
  EXPECT_EQ(Str("Month(#3/15/2026#)"), "3");
  EXPECT_EQ(Str("Day(\"3/15/2026\")"), "15");
  EXPECT_EQ(Type("Day(#3/15/2026#)"), "Integer");
  EXPECT_EQ(Str("Year(2)"), "1900");
  EXPECT_EQ(Str("Hour(2.75)"), "18");
  EXPECT_EQ(Str("Minute(2.02083)"), "30");
  EXPECT_EQ(Str("Second(#1:02:03 PM#)"), "3");
  EXPECT_EQ(Str("Hour(-1.25)"), "6");
  EXPECT_EQ(Str("Day(Null)"), "Null");
  EXPECT_EQ(ErrorOf("Day(\"x\")"), 13);
}

TEST_F(DateTime, WeekdaysAndNames) {
  EXPECT_EQ(Str("Weekday(#1/1/2000#)"), "7");
  EXPECT_EQ(Str("Weekday(#1/1/2000#, vbMonday)"), "6");
  EXPECT_EQ(Str("Weekday(#1/2/2000#, 0)"), "1");
  EXPECT_EQ(Str("Weekday(Null)"), "Null");
  EXPECT_EQ(ErrorOf("Weekday(Null, 8)"), 5);
  EXPECT_EQ(ErrorOf("Weekday(#1/1/2000#, \"x\")"), 13);
  EXPECT_EQ(ErrorOf("Weekday(#1/1/2000#, Null)"), 94);
  EXPECT_EQ(Str("WeekdayName(1)"), "Sunday");
  EXPECT_EQ(Str("WeekdayName(7, True)"), "Sat");
  EXPECT_EQ(Str("WeekdayName(1, True, 2.5)"), "Mon");
  EXPECT_EQ(Str("WeekdayName(7, False, vbMonday)"), "Sunday");
  EXPECT_EQ(ErrorOf("WeekdayName(8)"), 5);
  EXPECT_EQ(Str("MonthName(1)"), "January");
  EXPECT_EQ(Str("MonthName(12, True)"), "Dec");
  EXPECT_EQ(ErrorOf("MonthName(13)"), 5);
  EXPECT_EQ(ErrorOf("MonthName(Null)"), 94);
}

TEST_F(DateTime, DateAddKeepsTimeAndClampsMonths) {
  EXPECT_EQ(Str("DateAdd(\"m\", 1, #1/31/2001#)"), "2/28/2001");
  EXPECT_EQ(Str("DateAdd(\"m\", 1, #1/31/2000#)"), "2/29/2000");
  EXPECT_EQ(Str("DateAdd(\"yyyy\", 1, #2/29/2000#)"), "2/28/2001");
  EXPECT_EQ(Str("DateAdd(\"Q\", -1, #5/31/2000#)"), "2/29/2000");
  EXPECT_EQ(Str("DateAdd(\"d\", 1, #12/31/1999 10:00#)"), "1/1/2000 10:00:00 AM");
  EXPECT_EQ(Str("DateAdd(\"y\", 1, #1/1/2000#)"), "1/2/2000");
  EXPECT_EQ(Str("DateAdd(\"w\", 1, #1/1/2000#)"), "1/2/2000");
  EXPECT_EQ(Str("DateAdd(\"ww\", 2, #1/1/2000#)"), "1/15/2000");
  EXPECT_EQ(Str("DateAdd(\"h\", 25, #1/1/2000#)"), "1/2/2000 1:00:00 AM");
  EXPECT_EQ(Str("DateAdd(\"n\", -1, #1/1/2000#)"), "12/31/1999 11:59:00 PM");
  EXPECT_EQ(Str("DateAdd(\"s\", 30, \"1/1/2000 10:00:00\")"), "1/1/2000 10:00:30 AM");
  EXPECT_EQ(Str("DateAdd(\"d\", 1, Null)"), "Null");
}

TEST_F(DateTime, DateAddErrors) {
  EXPECT_EQ(ErrorOf("DateAdd(\"x\", 1, #1/1/2000#)"), 5);
  EXPECT_EQ(ErrorOf("DateAdd(\"d\", Null, #1/1/2000#)"), 94);
  EXPECT_EQ(ErrorOf("DateAdd(Null, 1, #1/1/2000#)"), 94);
  EXPECT_EQ(ErrorOf("DateAdd(\"yyyy\", 9000, #1/1/2000#)"), 5);
}

TEST_F(DateTime, DateDiffCountsBoundaries) {
  EXPECT_EQ(Str("DateDiff(\"h\", #1/1/2000 23:00#, #1/2/2000 01:00#)"), "2");
  EXPECT_EQ(Str("DateDiff(\"d\", #1/1/2000 23:59#, #1/2/2000 00:01#)"), "1");
  EXPECT_EQ(Str("DateDiff(\"yyyy\", #12/31/1999#, #1/1/2000#)"), "1");
  EXPECT_EQ(Str("DateDiff(\"m\", #1/31/2000#, #2/1/2000#)"), "1");
  EXPECT_EQ(Str("DateDiff(\"q\", #3/31/2000#, #4/1/2000#)"), "1");
  EXPECT_EQ(Str("DateDiff(\"d\", #1/10/2000#, #1/1/2000#)"), "-9");
  EXPECT_EQ(Str("DateDiff(\"w\", #1/1/2000#, #1/14/2000#)"), "1");
  EXPECT_EQ(Str("DateDiff(\"ww\", #1/1/2000#, #1/2/2000#)"), "1");
  EXPECT_EQ(Str("DateDiff(\"ww\", #1/2/2000#, #1/8/2000#)"), "0");
  EXPECT_EQ(Str("DateDiff(\"ww\", #1/2/2000#, #1/8/2000#, vbSaturday)"), "1");
  EXPECT_EQ(Str("DateDiff(\"n\", #10:00#, #10:30:59#)"), "30");
  EXPECT_EQ(Str("DateDiff(\"s\", #10:00#, #10:01#)"), "60");
  EXPECT_EQ(Type("DateDiff(\"d\", #1/1/2000#, #1/2/2000#)"), "Long");
  EXPECT_EQ(Str("DateDiff(\"d\", Null, #1/2/2000#)"), "Null");
  EXPECT_EQ(ErrorOf("DateDiff(\"\", #1/1/2000#, #1/2/2000#)"), 5);
  EXPECT_EQ(ErrorOf("DateDiff(\"d\", \"bad\", #1/2/2000#)"), 13);
  EXPECT_EQ(ErrorOf("DateDiff(Null, #1/1/2000#, #1/2/2000#)"), 94);
}

TEST_F(DateTime, DatePartWithWeekRules) {
  EXPECT_EQ(Str("DatePart(\"ww\", #1/1/2000#)"), "1");
  EXPECT_EQ(Str("DatePart(\"ww\", #1/1/2000#, vbSunday, vbFirstJan1)"), "1");
  EXPECT_EQ(Str("DatePart(\"ww\", #1/1/2000#, vbSunday, vbFirstFourDays)"), "52");
  EXPECT_EQ(Str("DatePart(\"ww\", #1/1/2000#, vbSunday, vbFirstFullWeek)"), "52");
  EXPECT_EQ(Str("DatePart(\"ww\", #1/9/2000#)"), "3");
  EXPECT_EQ(Str("DatePart(\"y\", #2/1/2000#)"), "32");
  EXPECT_EQ(Str("DatePart(\"w\", #1/1/2000#)"), "7");
  EXPECT_EQ(Str("DatePart(\"w\", #1/1/2000#, vbMonday)"), "6");
  EXPECT_EQ(Str("DatePart(\"q\", #5/1/2000#)"), "2");
  EXPECT_EQ(Str("DatePart(\"yyyy\", \"2024-01-15\")"), "2024");
  EXPECT_EQ(Str("DatePart(\"h\", #3:45 PM#)"), "15");
  EXPECT_EQ(Type("DatePart(\"d\", #1/1/2000#)"), "Integer");
  EXPECT_EQ(Str("DatePart(\"d\", Null)"), "Null");
  EXPECT_EQ(ErrorOf("DatePart(\"ww\", #1/1/2000#, 8)"), 5);
  EXPECT_EQ(ErrorOf("DatePart(\"ww\", #1/1/2000#, 1, 4)"), 5);
  EXPECT_EQ(ErrorOf("DatePart(Null, #1/1/2000#)"), 94);
}

TEST_F(DateTime, ClockFunctions) {
  EXPECT_EQ(Type("Now"), "Date");
  EXPECT_EQ(Type("Date()"), "Date");
  EXPECT_EQ(Type("Time"), "Date");
  EXPECT_EQ(Type("Timer"), "Single");
  EXPECT_EQ(Str("CDbl(Date) = Int(CDbl(Date))"), "True");
  EXPECT_EQ(Str("CDbl(Time) < 1 And CDbl(Time) >= 0"), "True");
  EXPECT_EQ(Str("Abs(CDbl(Now) - CDbl(Date) - CDbl(Time)) < 0.001"), "True");
  EXPECT_EQ(Str("Timer >= 0 And Timer < 86400"), "True");
  EXPECT_EQ(Str("Year(Now) >= 2024"), "True");
}

}  // namespace
}  // namespace sw::vbs

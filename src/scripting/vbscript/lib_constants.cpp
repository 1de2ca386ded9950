// The named constants every script can use (vbCrLf, vbYes, vbString ...).
#include "scripting/vbscript/lib_register.h"

namespace sw::vbs {

namespace lib {

void RegisterLibConstants(BuiltinTable& t) {
  auto i2 = [&](const char* n, int v) { t.AddConstant(n, Variant(static_cast<int16_t>(v))); };
  auto i4 = [&](const char* n, int32_t v) { t.AddConstant(n, Variant(v)); };
  auto str = [&](const char* n, std::string v) { t.AddConstant(n, Variant(std::move(v))); };

  i4("vbBlack", 0);
  i4("vbRed", 0xFF);
  i4("vbGreen", 0xFF00);
  i4("vbYellow", 0xFFFF);
  i4("vbBlue", 0xFF0000);
  i4("vbMagenta", 0xFF00FF);
  i4("vbCyan", 0xFFFF00);
  i4("vbWhite", 0xFFFFFF);
  i2("vbBinaryCompare", 0);
  i2("vbTextCompare", 1);
  i2("vbDatabaseCompare", 2);
  const char* days[] = {"vbSunday",   "vbMonday", "vbTuesday", "vbWednesday",
                        "vbThursday", "vbFriday", "vbSaturday"};
  for (int d = 0; d < 7; ++d) i2(days[d], d + 1);
  i2("vbUseSystemDayOfWeek", 0);
  i2("vbUseSystem", 0);
  i2("vbFirstJan1", 1);
  i2("vbFirstFourDays", 2);
  i2("vbFirstFullWeek", 3);
  i2("vbGeneralDate", 0);
  i2("vbLongDate", 1);
  i2("vbShortDate", 2);
  i2("vbLongTime", 3);
  i2("vbShortTime", 4);
  i2("vbOKOnly", 0);
  i2("vbOKCancel", 1);
  i2("vbAbortRetryIgnore", 2);
  i2("vbYesNoCancel", 3);
  i2("vbYesNo", 4);
  i2("vbRetryCancel", 5);
  i2("vbCritical", 16);
  i2("vbQuestion", 32);
  i2("vbExclamation", 48);
  i2("vbInformation", 64);
  i2("vbDefaultButton1", 0);
  i2("vbDefaultButton2", 256);
  i2("vbDefaultButton3", 512);
  i2("vbDefaultButton4", 768);
  i2("vbApplicationModal", 0);
  i2("vbSystemModal", 4096);
  i4("vbMsgBoxHelpButton", 16384);
  i4("vbMsgBoxSetForeground", 65536);
  i4("vbMsgBoxRight", 524288);
  i4("vbMsgBoxRtlReading", 1048576);
  i2("vbOK", 1);
  i2("vbCancel", 2);
  i2("vbAbort", 3);
  i2("vbRetry", 4);
  i2("vbIgnore", 5);
  i2("vbYes", 6);
  i2("vbNo", 7);
  str("vbCr", "\r");
  str("vbLf", "\n");
  str("vbCrLf", "\r\n");
  str("vbNewLine", "\r\n");
  str("vbFormFeed", "\f");
  str("vbNullChar", std::string(1, '\0'));
  str("vbNullString", "");
  str("vbTab", "\t");
  str("vbVerticalTab", "\v");
  i2("vbUseDefault", -2);
  i2("vbTrue", -1);
  i2("vbFalse", 0);
  const std::pair<const char*, int> vartypes[] = {
      {"vbEmpty", 0},    {"vbNull", 1},        {"vbInteger", 2},  {"vbLong", 3},
      {"vbSingle", 4},   {"vbDouble", 5},      {"vbCurrency", 6}, {"vbDate", 7},
      {"vbString", 8},   {"vbObject", 9},      {"vbError", 10},   {"vbBoolean", 11},
      {"vbVariant", 12}, {"vbDataObject", 13}, {"vbDecimal", 14}, {"vbByte", 17},
      {"vbArray", 8192}};
  for (auto [n, v] : vartypes) i2(n, v);
  i4("vbObjectError", static_cast<int32_t>(0x80040000u));
}

}  // namespace lib

}  // namespace sw::vbs

' Regional settings: SetLocale and GetLocale, and the conversions and formats that follow them
' in German (1031), French (1036), Japanese (1041), British English (2057) and US English (1033).
Dim d, id, previous
d = DateSerial(2026, 3, 15) + TimeSerial(14, 30, 45)

Sub TryNumber(text)
  On Error Resume Next
  Dim v
  v = CDbl(text)
  If Err.Number <> 0 Then
    WScript.Echo "CDbl(" & text & "): error", Err.Number
  Else
    WScript.Echo "CDbl(" & text & "):", CStr(v)
  End If
End Sub

Sub TryDate(text)
  On Error Resume Next
  Dim v
  v = DateValue(text)
  If Err.Number <> 0 Then
    WScript.Echo "DateValue(" & text & "): error", Err.Number
  Else
    WScript.Echo "DateValue(" & text & "): day", Day(v), "month", Month(v), "year", Year(v)
  End If
End Sub

For Each id In Array(1031, 1036, 1041, 2057, 1033)
  previous = SetLocale(id)
  WScript.Echo "-- locale", GetLocale(), "after", previous
  WScript.Echo CStr(1.5), CStr(-0.25), CStr(1E-05), CStr(CSng(2.5)), CStr(CCur(3.75)), 1.5, "x" & 1.5
  TryNumber "1,5"
  TryNumber "1.5"
  TryNumber "1.234,5"
  WScript.Echo IsNumeric("1,5"), IsNumeric("1.234,5"), CStr("1,5" + 1)
  WScript.Echo FormatNumber(1234567.891, 2), FormatNumber(-0.5), FormatNumber(1234.5, 1, , , 0)
  WScript.Echo FormatCurrency(1234567.891), FormatCurrency(-5)
  WScript.Echo FormatPercent(0.1234)
  WScript.Echo CStr(d), CStr(DateValue(d)), CStr(TimeValue(d))
  WScript.Echo FormatDateTime(d, 2), FormatDateTime(d, 3), FormatDateTime(d, 4)
  WScript.Echo CDate(CStr(d)) = d, CDate(FormatDateTime(d, 2)) = DateValue(d), IsDate(CStr(d))
  If id <> 1041 Then TryDate "15.03.2026" : TryDate "3/4/2026"
  WScript.Echo MonthName(3), WeekdayName(1), WeekdayName(1, True, vbSunday), Weekday(d, 0)
Next

' Names Windows gives only where its data and the library's agree.
SetLocale "de-de"
WScript.Echo FormatDateTime(d, 1), MonthName(3, True), MonthName(12, True), WeekdayName(3, True)
TryDate "15. März 2026"
SetLocale "FR-fr"
WScript.Echo FormatDateTime(d, 1), MonthName(2, True), WeekdayName(7)
SetLocale 2057
WScript.Echo MonthName(3, True), WeekdayName(7, True)
SetLocale "1041"
WScript.Echo WeekdayName(2, False, vbSunday), FormatDateTime(0, 3), CStr(TimeSerial(9, 5, 0))

' Unknown locales leave the one in force; no argument (or 0) goes back to the user's own.
On Error Resume Next
previous = SetLocale(12345)
WScript.Echo Err.Number, Err.Description, GetLocale()
Err.Clear
previous = SetLocale("xx-yy")
WScript.Echo Err.Number, GetLocale()
Err.Clear
previous = SetLocale(Null)
WScript.Echo Err.Number, GetLocale()
Err.Clear
On Error GoTo 0
WScript.Echo SetLocale(), GetLocale(), SetLocale("de-DE"), SetLocale(0), GetLocale()

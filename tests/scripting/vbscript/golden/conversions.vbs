' Conversions and CStr formatting
WScript.Echo CInt(36.5), CInt(-36.5), CInt(1.5), CInt(2.5), CLng(-2.5), CInt(-32768.5)
WScript.Echo CStr(0.1 + 0.2), CStr(1E+16), CStr(1E+15), CStr(1 / 3), CStr(-0.5), 123456789012345
WScript.Echo 1234567890123456789, 0.0001, 0.00001, 100000 * 100000
WScript.Echo CBool("true"), CBool("#FALSE#"), CBool(0.1), CBool("0"), CBool(Empty)
WScript.Echo CByte(255), CByte("-0.5"), CByte(True), CCur(1.23456), TypeName(CCur(1))
WScript.Echo CDbl("1e3"), CDbl(" 12 "), CLng("&H10"), CDbl(True), CSng(1.5), TypeName(CSng(1))
WScript.Echo CDate(1), CDate(-1), CDate("2000-01-15"), CDate(0), CDate(0.5)
WScript.Echo CStr(True), CStr(Empty) = "", TypeName(CStr(5)), Len(CStr(12.5))
WScript.Echo IsNumeric("12"), IsNumeric(" 1e3 "), IsNumeric("abc"), IsNumeric(Empty), IsNumeric(Null), IsNumeric("")
WScript.Echo VarType(1), VarType("a"), VarType(Null), VarType(Array()), VarType(CCur(1)), VarType(#1/1/2000#)
On Error Resume Next
x = CInt(32767.5)
WScript.Echo Err.Number, Err.Description
Err.Clear
x = CLng("abc")
WScript.Echo Err.Number, Err.Description
Err.Clear
x = CStr(Null)
WScript.Echo Err.Number, Err.Description
Err.Clear
x = CInt(Nothing)
WScript.Echo Err.Number, Err.Description

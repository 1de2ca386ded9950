' The built-in functions the language itself needs
WScript.Echo Len("abc"), Len(123), Len(Empty), IsNull(Len(Null)), TypeName(Len("x"))
WScript.Echo Mid("abcdef", 2, 3), Mid("abcdef", 4), "[" & Mid("abc", 9) & "]", IsNull(Mid(Null, 1))
WScript.Echo Left("123456", 2.5), Right("abc", 10), UCase("mixed Case"), LCase("ABC"), UCase(True)
WScript.Echo "[" & Trim("  a b  ") & "]", "[" & LTrim("  a ") & "]", "[" & RTrim(" a  ") & "]", "[" & Space(3) & "]"
WScript.Echo Chr(65), Chr(119.5), Asc("A"), Asc(3), Asc(Chr(200)), Len(Chr(0))
WScript.Echo Abs(-5), TypeName(Abs(-5)), Abs(-32768), TypeName(Abs(-32768)), Abs("-2.5"), IsNull(Abs(Null))
WScript.Echo Int(-1.99), Fix(-1.99), Int(2.5), TypeName(Int(True)), Int("3.7")
WScript.Echo IsArray(Array()), UBound(Array()), UBound(Array(1, 2, 3)), IsEmpty(Empty), IsObject(Nothing)
On Error Resume Next
x = Mid("abc", 0) : WScript.Echo "mid start 0", Err.Number : Err.Clear
x = Left("abc", -1) : WScript.Echo "left negative", Err.Number : Err.Clear
x = Chr(256) : WScript.Echo "chr 256", Err.Number : Err.Clear
x = Asc("") : WScript.Echo "asc empty", Err.Number : Err.Clear
x = Asc(Null) : WScript.Echo "asc null", Err.Number : Err.Clear
x = UBound(5) : WScript.Echo "ubound number", Err.Number : Err.Clear
x = Len() : WScript.Echo "len no args", Err.Number : Err.Clear
Call CInt(5) : WScript.Echo "call conversion", Err.Number : Err.Clear
x = Randomize(0) : WScript.Echo "randomize as value", Err.Number : Err.Clear
vbCrLf = 1 : WScript.Echo "assign constant", Err.Number : Err.Clear
WScript.Echo Len(vbCrLf), vbObjectError, vbString, vbYes

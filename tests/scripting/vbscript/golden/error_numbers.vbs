' Error numbers as the script sees them: Null arguments, failure codes, member calls, loops
Class Holder : Public pv, arr : End Class
Sub Try(name, code)
  On Error Resume Next
  Dim r : r = Eval(code)
  If Err.Number <> 0 Then WScript.Echo name, "error", Err.Number Else WScript.Echo name, TypeName(r)
End Sub
Try "Mid start", "Mid(""abc"", Null)"
Try "Mid length", "Mid(""abc"", 1, Null)"
Try "Mid of Null", "Mid(Null, 1)"
Try "MonthName", "MonthName(Null)"
Try "MonthName abbreviate", "MonthName(1, Null)"
Try "WeekdayName", "WeekdayName(Null)"
Try "Left length", "Left(""abc"", Null)"
Try "Space", "Space(Null)"
Try "Chr", "Chr(Null)"
Try "Replace", "Replace(""abc"", Null, ""b"")"
Try "DateSerial", "DateSerial(Null, 1, 1)"
Try "CInt", "CInt(Null)"
Try "Len of Null", "Len(Null)"
On Error Resume Next
' failure codes given to Err.Raise become the script's numbers
Dim codes : codes = Array(&H80020011, &H80030002, &H80020005, &H80020006, &H8002000B, _
  &H8002000E, &H80020012, &H80028CA0, &H80030003, &H80030005, &H80030050, &H80030070, _
  &H800300FC, &H800401E6, &H800401F3, &H80040154, &H80070057, &H8007000E, &H80004001, _
  &H800A01A8, &H80020010, &H80004005)
For Each c In codes
  Err.Clear : Err.Raise c
  WScript.Echo Hex(c), Err.Number
Next
Err.Clear
Set h = New Holder
h.pv = 3
x = h.pv() : WScript.Echo "public variable with parentheses", Err.Number : Err.Clear
x = h.pv : WScript.Echo "public variable", Err.Number, x : Err.Clear
h.arr = Array(4, 5)
x = h.arr(1) : WScript.Echo "public array element", Err.Number, x : Err.Clear
For Each e In 5 : WScript.Echo "body runs once", Err.Number : Next
WScript.Echo "for each over a number", Err.Number : Err.Clear
For Each e In New Holder : WScript.Echo "object body", Err.Number : Next
WScript.Echo "for each over a plain object", Err.Number : Err.Clear
Set dd = CreateObject("Scripting.Dictionary")
x = Nothing & dd : WScript.Echo "concatenation of two failing objects", Err.Number : Err.Clear
x = dd & Nothing : WScript.Echo "the same the other way round", Err.Number : Err.Clear
WScript.Echo "whole numbers joined", -32768 & "|" & CLng(-2147483647) - 1 & "|" & 0 & 7 & -5
On Error GoTo 0
WScript.Echo "before its Dim", IsEmpty(fixed), TypeName(fixed), IsArray(fixed)
Dim fixed(2)
WScript.Echo "after its Dim", TypeName(fixed), UBound(fixed)
fixed(1) = "kept"
Dim dynamic()
WScript.Echo "dynamic before ReDim", IsArray(dynamic), fixed(1)

' Sizes and dates at the edges of 32-bit numbers: an error the script can trap, never a
' wrapped value, and the array is kept as it was.
On Error Resume Next
ReDim a(2)
a(1) = "kept"
ReDim Preserve a(2147483647)
WScript.Echo "ReDim Preserve", Err.Number, UBound(a), a(1)
Err.Clear
ReDim a(2147483647)
WScript.Echo "ReDim", Err.Number, UBound(a), a(1)
Err.Clear
ReDim b(100000, 100000)
WScript.Echo "two dimensions", Err.Number, IsArray(b)
Err.Clear
Sub MakeHuge
  Dim h(2147483647)
  WScript.Echo "not reached"
End Sub
MakeHuge
WScript.Echo "Dim", Err.Number, Err.Description
Err.Clear
d = DateDiff("s", #1/1/1900#, #1/1/2000#)
WScript.Echo "DateDiff seconds", Err.Number, IsEmpty(d)
Err.Clear
WScript.Echo "DateDiff days", DateDiff("d", #1/1/1900#, #1/1/2000#)
WScript.Echo "DateDiff seconds in range", DateDiff("s", #1/1/1990#, #1/1/2000#)
d = DateSerial(-2147483648, -2147483648, -2147483648)
WScript.Echo "DateSerial", Err.Number
Err.Clear
d = DateSerial(2147483647, 2147483647, 2147483647)
WScript.Echo "DateSerial", Err.Number

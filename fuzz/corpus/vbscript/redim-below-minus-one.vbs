' A bound below -1 once made an array that every index passed, read or written.
On Error Resume Next
ReDim a(-5)
a(1) = 2
x = a(0)
ReDim Preserve b(-23741802)
b(1) = "kept"
WScript.Echo UBound(a), UBound(b), Err.Number

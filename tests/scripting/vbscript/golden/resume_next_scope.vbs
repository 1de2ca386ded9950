' On Error Resume Next belongs to one procedure call: it does not leak into the caller
Sub Tolerant
  On Error Resume Next
  Dim z : z = 1 / 0
  WScript.Echo "tolerant trapped", Err.Number
End Sub
Function Recurse(n)
  If n = 0 Then Recurse = CInt("bad") : Exit Function
  On Error Resume Next
  Recurse = Recurse(n - 1)
  WScript.Echo "level", n, Err.Number
  Err.Clear
End Function
Tolerant
WScript.Echo "caller", Err.Number
Recurse 2
WScript.Echo "still running"
Dim q : q = 1 / 0
WScript.Echo "never"

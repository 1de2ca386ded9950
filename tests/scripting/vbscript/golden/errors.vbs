' On Error Resume Next scope, Err object, Raise
Function Failing()
  Failing = 1 / 0
  WScript.Echo "not reached in Failing"
End Function
Sub Careful
  On Error Resume Next
  Dim v : v = Failing()
  WScript.Echo "careful continues", Err.Number, IsEmpty(v)
End Sub
Careful
Sub Inner : x = 1 / 0 : WScript.Echo "inner continues" : End Sub
Sub Outer
  On Error Resume Next
  Inner
  WScript.Echo "outer after inner", Err.Number
End Sub
Outer
Sub NoHandler : y = CInt("x") : End Sub
On Error Resume Next
NoHandler
WScript.Echo "global trapped", Err.Number, Err.Source
Err.Clear
WScript.Echo "cleared", Err.Number, "[" & Err.Description & "]"
Err.Raise 1000, "MySource", "My text"
WScript.Echo Err.Number, Err.Source, Err.Description
Err.Raise 5
WScript.Echo Err.Number, Err.Description
Err.Clear
Err.Raise vbObjectError + 7, "obj", "custom"
WScript.Echo Err.Number, Err.Description
Err.Clear
Err.Raise &H800A000B
WScript.Echo Err.Number, Err.Description
Dim e : e = Err : WScript.Echo e, TypeName(e)
Err.Clear
If 1 / 0 = 1 Then WScript.Echo "failing condition runs the branch"
Dim k : k = 5 : k = 1 / 0 : WScript.Echo "unchanged", k
On Error GoTo 0
WScript.Echo "cleared by goto 0", Err.Number
Function Deep(n) : Deep = Deep(n + 1) : End Function
On Error Resume Next
Deep 1
WScript.Echo "deep", Err.Number, Err.Description

' Execute inside procedures declares locals that the procedure's own code sees
Option Explicit
Sub Declares()
  Execute "Dim v : v = 20"
  WScript.Echo "declared local", v
  v = v + 1
  WScript.Echo "assigned local", v, Eval("v * 2")
End Sub
Declares
Function Counts(n)
  Execute "Dim acc"
  Dim i
  For i = 1 To n : acc = acc + i : Next
  Counts = acc
End Function
WScript.Echo "function local", Counts(4), Counts(3)
Dim outside : outside = "global"
Sub Shadows()
  Execute "Dim outside : outside = ""local"""
  WScript.Echo "shadowing", outside
End Sub
Shadows
WScript.Echo "global kept", outside
On Error Resume Next
Sub Missing()
  WScript.Echo "undeclared", w
End Sub
Missing
WScript.Echo "undeclared number", Err.Number : Err.Clear
Dim r : r = Eval("1 +")
WScript.Echo "eval syntax", Err.Number, Err.Description : Err.Clear
r = Eval("x = ")
WScript.Echo "eval junk", Err.Number : Err.Clear
r = Eval("Dim q")
WScript.Echo "eval statement", Err.Number : Err.Clear
Const limit = 5
ExecuteGlobal "Dim limit"
WScript.Echo "constant kept after ExecuteGlobal Dim", limit, Eval("limit")
ExecuteGlobal "limit = 7"
WScript.Echo "assigning it", Err.Number, limit : Err.Clear

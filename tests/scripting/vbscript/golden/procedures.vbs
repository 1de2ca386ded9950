' Calls, ByRef and ByVal
Sub Inc(n) : n = n + 1 : End Sub
Sub IncVal(ByVal n) : n = n + 1 : End Sub
Function Twice(x) : Twice = x * 2 : End Function
Dim a, arr(2), r
a = 1
Inc a : WScript.Echo "byref", a
Inc (a) : WScript.Echo "parens by value", a
Call Inc(a) : WScript.Echo "call", a
Call Inc((a)) : WScript.Echo "call double parens", a
IncVal a : WScript.Echo "byval", a
arr(1) = 10 : Inc arr(1) : WScript.Echo "element", arr(1)
Inc (arr(1)) : WScript.Echo "element in parens", arr(1)
r = Twice(4) : WScript.Echo r, Twice(Twice(1)), Twice (3) + 1
Sub Show(x, y) : WScript.Echo "show", x, y : End Sub
Show (2) * 8, 7
Show 1 = 1, 2
Function Fact(n)
  If n <= 1 Then Fact = 1 Else Fact = n * Fact(n - 1)
End Function
WScript.Echo Fact(10)
Function LastValue()
  LastValue = 1
  LastValue = LastValue + 5
End Function
WScript.Echo LastValue, LastValue()
Function NoValue() : End Function
WScript.Echo IsEmpty(NoValue)
Sub Twiddle(p) : p(0) = "changed" : End Sub
Dim b(0) : Twiddle b : WScript.Echo b(0)
Sub Early(x) : If x Then Exit Sub
  WScript.Echo "not early"
End Sub
Early True : Early False
Function Pick(ByVal k) : Pick = Array("a", "b", "c")(k) : End Function
WScript.Echo Pick(2)
Dim copy1, copy2 : copy1 = Array(1, 2) : copy2 = copy1 : copy2(0) = 9 : WScript.Echo copy1(0), copy2(0)
Sub SetGlobal : g = "global set" : End Sub
Dim g : SetGlobal : WScript.Echo g
Sub MakeLocal : newname = 5 : End Sub
MakeLocal : WScript.Echo "[" & newname & "]"
On Error Resume Next
Inc 1, 2
WScript.Echo Err.Number, Err.Description
Err.Clear
Call Nowhere(1)
WScript.Echo Err.Number

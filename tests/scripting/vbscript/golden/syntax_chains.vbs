' Valid syntax that chains from parenthesised expressions and from continued lines
Class C
  Public p
  Private Sub Class_Initialize : p = 7 : End Sub
  Public Sub s() : WScript.Echo "s ran" : End Sub
  Public Function Ret() : Set Ret = Me : End Function
  Public Function Twice(n) : Twice = n * 2 : End Function
End Class
Function f(a) : f = a * 2 : End Function
Function Pair() : Pair = Array("a", "b") : End Function
Sub Bump(ByRef a) : a = a + 1 : End Sub
x = (New C).p : WScript.Echo "new member", x
Call (New C).s()
Call (New C).Ret().s()
WScript.Echo "paren call", (f)(3), ((f))(4)
a = Array(5, 6)
WScript.Echo "paren index", ((a))(0), (a)(1), (Pair())(0)
z = 1
call (((Bump))) (z)
WScript.Echo "by reference through parentheses", z
Call (Bump)(z) : WScript.Echo "again", z
Bump (z) : WScript.Echo "argument in parentheses is by value", z
Set o = New C
Set r = o.Ret() _
  .Ret()
WScript.Echo "continued dot", r.p, o.Ret() _
   .Ret() _
   .Twice(4)
o.p = 3
WScript.Echo "member of parenthesised object", (o).p, (o).Ret().p, ((o)).Twice(5)
If (o).p = 3 Then WScript.Echo "if on parenthesised member"
Select Case (o).Twice(1)
  Case 2 : WScript.Echo "select on parenthesised call"
End Select
With (New C)
  WScript.Echo "with parenthesised", .p
End With
For Each e In (Pair) : WScript.Echo "each", e : Next
Set d = CreateObject("Scripting.Dictionary")
d.Add "k", "v"
WScript.Echo "keys", (d.Keys())(0), (d).Item("k")
y = (f)(3) + (a)(1) * 2
WScript.Echo "in arithmetic", y
' a dot after a blank still passes a With member as an argument
With o
  WScript.Echo .p, .Twice(1)
End With

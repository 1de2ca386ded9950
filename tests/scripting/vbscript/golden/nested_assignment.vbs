' Assignments through nested elements change the element itself, not a copy
Class Box
  Public v, arr
  Public Sub Fill() : arr = Array(Array(1, 2), 3) : arr(0)(1) = 20 : End Sub
End Class
x = Array(Array(1, 2), Array(3, 4))
x(0)(1) = 5
WScript.Echo "inner element", x(0)(0), x(0)(1), x(1)(0)
Set b = New Box
Set x(1)(0) = b
WScript.Echo "set inner element", TypeName(x(1)(0)), x(1)(1)
x(1)(0).v = "field"
WScript.Echo "field through elements", b.v
Dim m(1)
m(0) = Array(1, 2)
m(0)(0) = 9
WScript.Echo "fixed array holding an array", m(0)(0), m(0)(1)
z = Array(Array(Array(1, 2)))
z(0)(0)(1) = 6
WScript.Echo "three levels", z(0)(0)(0), z(0)(0)(1)
' copies stay copies
y = x
y(0)(0) = 100
WScript.Echo "copy untouched", x(0)(0), y(0)(0)
inner = Array(7, 8)
w = Array(inner)
w(0)(0) = 70
WScript.Echo "source array untouched", inner(0), w(0)(0)
Sub Change(ByRef e) : e = "changed" : End Sub
Change x(0)(0)
WScript.Echo "nested element by reference", x(0)(0)
Sub Body()
  Dim l : l = Array(Array(0, 0))
  l(0)(1) = "local"
  WScript.Echo "local variable", l(0)(1)
End Sub
Body
b.Fill
WScript.Echo "class field", b.arr(0)(1)
On Error Resume Next
n = Array(Nothing)
n(0)(0) = 5
WScript.Echo "nothing inside", Err.Number : Err.Clear
q = Array(1)
q(0)(0) = 5
WScript.Echo "number inside", Err.Number : Err.Clear
q = Array(Array(1))
q(0)(3) = 5
WScript.Echo "inner out of range", Err.Number, q(0)(0) : Err.Clear

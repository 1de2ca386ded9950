' Arrays: Dim, ReDim, Preserve, Erase, bounds and copies
Dim fixed(2), dyn(), m(1, 2), i
WScript.Echo UBound(fixed), LBound(fixed), UBound(m, 2), IsArray(dyn), TypeName(fixed)
ReDim dyn(3)
dyn(3) = "last" : dyn(0) = "first"
ReDim Preserve dyn(5)
WScript.Echo UBound(dyn), dyn(0), dyn(3), IsEmpty(dyn(5))
ReDim dyn(1)
WScript.Echo UBound(dyn), IsEmpty(dyn(0))
ReDim e(-1) : WScript.Echo "empty", UBound(e)
m(1, 2) = "corner" : WScript.Echo m(1, 2), m(1, "2"), m(0.6, 1.5) = m(1, 2)
Dim nested : nested = Array(Array(1, 2), Array(3, 4))
WScript.Echo nested(1)(0), UBound(nested(0))
Erase fixed : WScript.Echo UBound(fixed), IsEmpty(fixed(0))
Erase dyn
On Error Resume Next
x = dyn(0) : WScript.Echo "erased", Err.Number : Err.Clear
ReDim fixed(5) : WScript.Echo "redim fixed", Err.Number : Err.Clear
i = fixed(3) : WScript.Echo "out of range", Err.Number : Err.Clear
i = fixed(1, 1) : WScript.Echo "wrong dims", Err.Number : Err.Clear
ReDim dm(1, 2) : ReDim Preserve dm(2, 2) : WScript.Echo "preserve first dim", Err.Number : Err.Clear
Dim n : n = 5 : i = n(0) : WScript.Echo "not an array", Err.Number : Err.Clear
Sub Grow(a) : ReDim Preserve a(UBound(a) + 1) : a(UBound(a)) = "grown" : End Sub
Dim g : g = Array("a") : Grow g : WScript.Echo UBound(g), g(1)
Sub Locked(el) : ReDim h(0) : End Sub
Dim h : ReDim h(2) : Locked h(1) : WScript.Echo "locked", Err.Number, UBound(h) : Err.Clear
Function MakeArr() : Dim r(1) : r(0) = "r0" : MakeArr = r : End Function
Dim got : got = MakeArr() : WScript.Echo got(0), UBound(MakeArr())

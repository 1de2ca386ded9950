' With blocks, GetRef, Me, object-returning functions
Class Point
  Public X, Y
  Public Function Moved(dx) : Set Moved = New Point : Moved.X = X + dx : Moved.Y = Y : End Function
  Public Function Self() : Set Self = Me : End Function
  Public Property Get Text : Text = "(" & X & "," & Y & ")" : End Property
End Class
Dim p : Set p = New Point
With p
  .X = 1 : .Y = 2
  WScript.Echo .Text, .Moved(10).Text
  With .Moved(5)
    WScript.Echo "inner", .X
  End With
  WScript.Echo "outer again", .X
End With
WScript.Echo p.Self().Self().Text, p.Moved(1).Moved(1).X
Function Add(a, b) : Add = a + b : End Function
Sub Hello : WScript.Echo "hello from ref" : End Sub
Dim f : Set f = GetRef("add")
WScript.Echo f(2, 3), TypeName(f) <> ""
Dim h : Set h = GetRef("Hello") : h
Call h()
On Error Resume Next
Set f = GetRef("nothere") : WScript.Echo "getref unknown", Err.Number : Err.Clear
With 5 : End With
WScript.Echo "with number", Err.Number : Err.Clear
Dim nobody : Set nobody = Nothing
x = nobody.Name : WScript.Echo "member of nothing", Err.Number : Err.Clear
x = Nothing : WScript.Echo "nothing as value", Err.Number : Err.Clear
Set x = 5 : WScript.Echo "set a number", Err.Number : Err.Clear
x = New Undefined : WScript.Echo "new unknown", Err.Number : Err.Clear

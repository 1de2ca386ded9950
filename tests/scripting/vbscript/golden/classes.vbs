' Classes: lifetime, properties, default members
Class Tracker
  Public Name
  Private secret
  Private Sub Class_Initialize
    secret = 42
    WScript.Echo "init"
  End Sub
  Private Sub Class_Terminate
    WScript.Echo "terminate " & Name
  End Sub
  Public Property Get Secret2 : Secret2 = secret : End Property
  Public Property Let Secret2(v) : secret = v * 2 : End Property
  Public Function Describe() : Describe = Name & ":" & secret : End Function
  Public Sub Rename(n) : Me.Name = n : End Sub
End Class
Dim t, u
Set t = New Tracker
t.Name = "first"
t.Secret2 = 5
WScript.Echo t.Secret2, t.Describe(), TypeName(t), IsObject(t)
t.Rename "renamed"
Set u = t
Set t = Nothing
WScript.Echo "still alive", TypeName(t)
Set u = New Tracker
WScript.Echo "replaced"
u.Name = "second"
Sub Scoped
  Dim local : Set local = New Tracker
  local.Name = "local"
End Sub
Scoped
WScript.Echo "after scoped"
On Error Resume Next
WScript.Echo u.secret
WScript.Echo Err.Number, Err.Description
On Error GoTo 0

Class Box
  Private items(3)
  Public Default Property Get Item(i) : Item = items(i) : End Property
  Public Property Let Item(i, v) : items(i) = v : End Property
  Public Count
End Class
Dim b : Set b = New Box
b.Item(1) = "one"
b(2) = "two"
WScript.Echo b(1), b.Item(2), IsEmpty(b(0))

Class Holder
  Private m_obj
  Public Property Set Obj(o) : Set m_obj = o : End Property
  Public Property Get Obj : Set Obj = m_obj : End Property
  Public Default Function Greet() : Greet = "hello" : End Function
End Class
Dim h : Set h = New Holder
Set h.Obj = b
WScript.Echo TypeName(h.Obj), h.Obj.Item(2), h, "x" & h
Dim plain : plain = h : WScript.Echo plain
Set u = Nothing
WScript.Echo "end"

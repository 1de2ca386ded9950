' Runaway recursion through Execute, Eval, default members and Class_Terminate is an
' "Out of stack space" error the script can trap; the script goes on afterwards.
On Error Resume Next
s = "Execute s"
Execute s
WScript.Echo "Execute", Err.Number, Err.Description
Err.Clear
e = "Eval(e)"
x = Eval(e)
WScript.Echo "Eval", Err.Number, Err.Description
Err.Clear
g = "ExecuteGlobal g"
ExecuteGlobal g
WScript.Echo "ExecuteGlobal", Err.Number, Err.Description
Err.Clear

Class Mirror
  Public Default Property Get Value
    Set Value = Me
  End Property
End Class
Set m = New Mirror
x = m
WScript.Echo "default member", Err.Number, Err.Description
Err.Clear
y = m & "text"
WScript.Echo "default member in an operator", Err.Number
Err.Clear

' Each terminator makes and drops another object of its class.
Dim made : made = 0
Class Chain
  Private Sub Class_Terminate
    made = made + 1
    Dim o
    Set o = New Chain
  End Sub
End Class
Set c = New Chain
Set c = Nothing
WScript.Echo "terminators ran", made > 100, "and stopped"

Function Deep(n)
  Deep = Deep(n + 1)
End Function
z = Deep(0)
WScript.Echo "recursive function", Err.Number
Err.Clear
Function Fine(n)
  If n = 0 Then Fine = 0 Else Fine = 1 + Fine(n - 1)
End Function
WScript.Echo "100 levels", Fine(100), Err.Number
On Error GoTo 0
Execute s
WScript.Echo "not reached"

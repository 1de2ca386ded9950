' On Error Resume Next over block heads that fail: the run goes on inside the block
Class Thing : Public name : End Class
Dim calls : calls = 0
' fails on its first call only
Function FailOnce()
  calls = calls + 1
  If calls = 1 Then Err.Raise 11
  FailOnce = False
End Function
On Error Resume Next
With 5
  WScript.Echo "with a number: body runs", Err.Number
  x = .name
  WScript.Echo "member inside", Err.Number
End With
Err.Clear
Dim nobody : Set nobody = Nothing
With nobody.inner
  WScript.Echo "with a failing expression: body runs", Err.Number
End With
Err.Clear
With New Thing
  .name = "fine"
  WScript.Echo "with an object", .name, Err.Number
End With
If 1 / 0 Then
  WScript.Echo "if: first statement inside", Err.Number
Else
  WScript.Echo "else not run"
End If
Err.Clear
If False Then
  WScript.Echo "not run"
ElseIf 1 / 0 Then
  WScript.Echo "elseif: its branch", Err.Number
End If
Err.Clear
Select Case 1 / 0
  Case 1 : WScript.Echo "not run"
  Case Else : WScript.Echo "not run either"
End Select
WScript.Echo "select with a failing selector skips every case", Err.Number
Err.Clear
Select Case 2
  Case 1 / 0 : WScript.Echo "failing case value runs its body", Err.Number
  Case 2 : WScript.Echo "not reached"
End Select
Err.Clear
For i = 1 To 1 / 0
  WScript.Echo "for: body once", Err.Number
Next
WScript.Echo "after for", Err.Number
Err.Clear
For Each e In 1 / 0
  WScript.Echo "for each: body once", Err.Number
Next
Err.Clear
calls = 0
n = 0
Do While FailOnce() Or n = 0
  n = n + 1
  WScript.Echo "do while: body", n, Err.Number
Loop
Err.Clear
calls = 0
n = 0
While FailOnce()
  n = n + 1
  WScript.Echo "while: body", n, Err.Number
Wend
WScript.Echo "while ran", n
Err.Clear
calls = 0
n = 0
Do
  n = n + 1
Loop Until FailOnce() Or n >= 3
WScript.Echo "loop until", n
Sub NoResume()
  With 5
    WScript.Echo "never"
  End With
End Sub
Err.Clear
NoResume
WScript.Echo "without resume next the procedure stops", Err.Number

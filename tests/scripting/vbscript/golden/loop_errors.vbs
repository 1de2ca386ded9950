' Loop bounds, counters and errors under On Error Resume Next
Dim i, n, s
For i = 0 To 1 Step 0.25 : n = n + 1 : Next : WScript.Echo "fractional", n, i
For i = 3 To 1 Step True : s = s & i : Next : WScript.Echo "step True", s
For i = "2" To "4" : s = s & i : Next : WScript.Echo "text bounds", s, TypeName(i)
Dim lim : lim = 3 : n = 0
For i = 1 To lim : lim = 10 : n = n + 1 : Next : WScript.Echo "bounds fixed once", n
On Error Resume Next
n = 0
For i = 1 To CInt("x") : n = n + 1 : Next
WScript.Echo "bad bound", n, Err.Number
Err.Clear
For Each i In 42 : WScript.Echo "body once" : Next
WScript.Echo "not a collection", Err.Number
Err.Clear
n = 0
Do While 1 / 0 : n = n + 1 : If n > 2 Then Exit Do
Loop
WScript.Echo "do condition error enters", n
Err.Clear
n = 0
Do : n = n + 1 : Loop Until 1 / 0
WScript.Echo "loop condition error leaves", n
Err.Clear
Select Case 1 / 0
  Case Else : WScript.Echo "never"
End Select
WScript.Echo "select skipped", Err.Number
Err.Clear
Select Case 2
  Case 1 / 0 : WScript.Echo "failing case runs"
  Case 2 : WScript.Echo "never"
End Select
Err.Clear
For i = 1 To 2
  s = "a"
  i = "text"
Next
WScript.Echo "counter made text", Err.Number

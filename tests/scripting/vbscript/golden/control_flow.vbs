' If, Select Case, loops and Exit
Dim i, j, s
If 1 Then WScript.Echo "one-line" Else WScript.Echo "no"
If False Then WScript.Echo "no" : WScript.Echo "no2" Else WScript.Echo "else1" : WScript.Echo "else2"
If True Then s = "a" Else s = "b" End If
WScript.Echo s
If Null Then WScript.Echo "null true" Else WScript.Echo "null false"
If "0" Then WScript.Echo "zero text true" Else WScript.Echo "zero text false"
i = 5
If i < 3 Then
  WScript.Echo "small"
ElseIf i < 10 Then WScript.Echo "medium"
Else
  WScript.Echo "large"
End If
For Each i In Array(1, "2", 3.5, True)
  Select Case i
    Case 1, 3.5 : WScript.Echo "number", i
    Case "2"
      WScript.Echo "text two"
    Case Else WScript.Echo "other", i
  End Select
Next
s = ""
For i = 1 To 10 Step 3 : s = s & i & " " : Next
WScript.Echo s, i
s = ""
For i = 10 To 1 Step -4 : s = s & i & " " : Next
WScript.Echo s, i
For i = 1.5 To 1 : WScript.Echo "never" : Next
s = 0
For i = Empty To 3 : s = s + 1 : Next
WScript.Echo s, i
For i = 1 To 3
  i = i + 1
  WScript.Echo "body", i
Next
For i = 1 To 5
  Select Case i
    Case 3
      Exit For
  End Select
Next
WScript.Echo "exit for in select at", i
i = 0
Do
  i = i + 1
  For j = 1 To 10
    If i = 3 Then Exit Do
  Next
Loop
WScript.Echo "exit do from for at", i
i = 0 : Do While i < 3 : i = i + 1 : Loop : WScript.Echo "while", i
i = 0 : Do Until i >= 4 : i = i + 1 : Loop : WScript.Echo "until", i
i = 10 : Do : i = i + 1 : Loop While i < 5 : WScript.Echo "bottom", i
i = 0 : Do : i = i + 1 : Loop Until i = 2 : WScript.Echo "bottom until", i
i = 0 : While i < 7 : i = i + 1 : Wend : WScript.Echo "wend", i
Dim total : total = 0
For i = 1 To 3 : For j = 1 To 3 : total = total + i * j : Next : Next
WScript.Echo total
For Each i In Array() : WScript.Echo "never" : Next
Dim d(1, 2) : d(0, 0) = "a" : d(1, 0) = "b" : d(0, 1) = "c"
s = "" : For Each i In d : s = s & "[" & i & "]" : Next : WScript.Echo s

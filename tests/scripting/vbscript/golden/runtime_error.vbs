' An untrapped error ends the script and names the failing variable
Option Explicit
Dim ok : ok = 1
WScript.Echo "before"
Sub Fails
  WScript.Echo "in sub"
  undefinedName = 5
End Sub
Fails
WScript.Echo "never"

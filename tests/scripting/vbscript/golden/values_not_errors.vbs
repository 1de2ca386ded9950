' Tests and operators that give a value where one might expect an error
Class Plain : Public v : End Class
Class WithDefault : Public Default Property Get Value : Value = "12" : End Property : End Class
Set o = New Plain
WScript.Echo "object without default", IsDate(o), IsNumeric(o), IsEmpty(o), IsNull(o), IsArray(o), IsObject(o)
Set d = New WithDefault
WScript.Echo "object with default", IsNumeric(d), IsDate(d)
WScript.Echo "nothing", IsNumeric(Nothing), IsDate(Nothing), IsEmpty(Nothing), IsNull(Nothing)
WScript.Echo "not of boolean text", Not "True", Not "#FALSE#", Not "false", TypeName(Not "True")
WScript.Echo "not of numeric text", Not "5", TypeName(Not "5")
WScript.Echo "single and double", CSng(0.1) = 0.1, 0.1 = CSng(0.1), CSng(0.1) < 0.1, CSng(0.1) <> 0.1
Dim s : s = CSng(1 / 3)
WScript.Echo "single variable", s = 1 / 3, CDbl(s) = 1 / 3, s > 0.3
WScript.Echo "single and integer", CSng(2.5) > 2, CSng(0.5) = 0.5
On Error Resume Next
x = Not "maybe"
WScript.Echo "not of other text", Err.Number : Err.Clear

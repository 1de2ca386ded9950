Class C
Sub Class_Terminate
Dim o
Set o = New C
End Sub
End Class
Set x = New C
Set x = Nothing
WScript.Echo "after"

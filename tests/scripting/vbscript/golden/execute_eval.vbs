' Eval, Execute and ExecuteGlobal
Dim a : a = 3
WScript.Echo Eval("a * 2"), Eval("a = 3"), Eval(42), TypeName(Eval("1.5"))
Execute "a = a + 1"
WScript.Echo a
Sub UsesLocal
  Dim local : local = 10
  Execute "local = local + 5"
  WScript.Echo "local", local, Eval("local * 2")
  ExecuteGlobal "Dim fromGlobal : fromGlobal = ""global"""
  Execute "Dim fresh : fresh = 7"
  Execute "fresh = fresh + 1"
  WScript.Echo "declared by execute", Eval("fresh")
End Sub
UsesLocal
WScript.Echo "not global", IsEmpty(fresh)
WScript.Echo fromGlobal
ExecuteGlobal "Function Added(x) : Added = x + 100 : End Function"
WScript.Echo Added(1)
On Error Resume Next
Execute "x = "
WScript.Echo Err.Number, Err.Description, Err.Source
Err.Clear
Eval "1 +"
WScript.Echo Err.Number
Err.Clear
Execute 5
WScript.Echo Err.Number

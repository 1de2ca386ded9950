' Class member rules: private members, Let-only properties, field indexing, Me
Class Account
  Private balance
  Public Owner
  Public History()
  Private Sub Class_Initialize : balance = 0 : ReDim History(-1) : End Sub
  Public Property Let Deposit(v)
    balance = balance + v
    ReDim Preserve History(UBound(History) + 1)
    History(UBound(History)) = v
  End Property
  Public Property Get Total : Total = balance : End Property
  Public Function Describe() : Describe = Me.Owner & " has " & Me.Total : End Function
  Public Default Function Entry(i) : Entry = History(i) : End Function
  Public Function Copy()
    Set Copy = New Account
    Copy.Owner = Owner & " copy"
  End Function
End Class
Dim a : Set a = New Account
a.Owner = "Ann"
a.Deposit = 10 : a.Deposit = 5
WScript.Echo a.Describe(), a(1), a.History(0), UBound(a.History)
WScript.Echo a.Copy().Describe()
On Error Resume Next
x = a.Deposit : WScript.Echo "read let-only", Err.Number : Err.Clear
a.balance = 1 : WScript.Echo "write private", Err.Number : Err.Clear
a.Total = 3 : WScript.Echo "write get-only", Err.Number : Err.Clear
Set a.Deposit = a : WScript.Echo "set on let-only", Err.Number : Err.Clear
x = a.Owner(0) : WScript.Echo "index a scalar field", Err.Number : Err.Clear
x = a : WScript.Echo "default needs argument", Err.Number : Err.Clear
a.Missing : WScript.Echo "unknown member", Err.Number : Err.Clear
WScript.Echo a.Total

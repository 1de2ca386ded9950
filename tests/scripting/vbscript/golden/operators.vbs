' Arithmetic promotion and operator rules
WScript.Echo 200 * 200, TypeName(200 * 200), TypeName(100 * 100)
WScript.Echo TypeName(32767 + 1), TypeName(CLng(1) + 1), TypeName(1 + 1.5)
WScript.Echo TypeName(Empty + Empty), True + True, TypeName(True + True)
WScript.Echo TypeName(CByte(200) + CByte(100)), TypeName(CByte(1) + CByte(2))
WScript.Echo 2147483647 + 1, TypeName(2147483647 + 1)
WScript.Echo 7 \ 2, -7 \ 2, 4.6 \ 1.5, 4.6 \ 1.49, -7 Mod 3, 11.6 Mod 5.5, TypeName(7 \ 2)
WScript.Echo 5 \ 4 / 2, 12 / 3 \ 2, 7 Mod 4 + 2, 2 + 3 \ 4
WScript.Echo -3 ^ 2, 2 ^ -2, 2 ^ 3 ^ 2, +--+-+1, TypeName(2 ^ 2)
WScript.Echo 1 / 4, TypeName(4 / 2), "a" & 1 & True & Empty & Null
WScript.Echo IsNull(Null & Null), IsNull(Null + 1), IsNull(Null = 1), IsNull(Null & "")
WScript.Echo "5" + 3, TypeName("5" + 3), "5" & 3, "ab" + "cd"
WScript.Echo 5 And 3, 5 Or 3, 5 Xor 3, Not 5, 5 Eqv 3, 5 Imp 3
WScript.Echo True And False, True Or False, Not True, TypeName(Not True)
WScript.Echo Not Empty, TypeName(Empty And Empty), "5" Or "3", CInt(5) Imp Empty
WScript.Echo IsNull(Null And True), Null And False, CInt(0) And Null, IsNull(Null Or False), Null Or True
WScript.Echo False Imp Null, IsNull(True Imp Null), CByte(0) Imp Null, CByte(170) Imp Null
WScript.Echo 1 = 1 < 0, "10" < "9", "abc" = "ABC", Empty = "", Empty = 0, False > True
WScript.Echo "10" > 9, " 5" = 5, "&hff" = 255, "True" = True, "1" = True
Dim s, n : s = "5" : n = 5
WScript.Echo s = n, s > n, n < s
WScript.Echo 1 > Not 5 > 3, Not 1 > 2
WScript.Echo 3 => 2, 2 =< 3, 1 >< 2
Dim o1, o2 : Set o1 = New Thing : Set o2 = o1
WScript.Echo o1 Is o2, o1 Is Nothing, Nothing Is Nothing, Not o1 Is Nothing
Class Thing : End Class
WScript.Echo -Empty, TypeName(-Empty), TypeName(-CInt(-32768)), TypeName(-CByte(3))

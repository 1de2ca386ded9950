' Comments, Rem, separators, continuation, literals and case
REM a comment at the start
Dim x : x = 1 : Rem another comment
WSCRIPT.ECHO "case", X
WScript.Echo "quote""inside", "", "a'b"
x = 1 + _
    2 +_
    3
WScript.Echo x
WScript.Echo &HFF, &HFFFF, &H8000, TypeName(&H8000), &H8001, TypeName(&H8001)
WScript.Echo &HFFFF&, TypeName(&HFFFF&), &O17, &17, &010, 010
WScript.Echo TypeName(32767), TypeName(32768), TypeName(2147483648), TypeName(-32768)
WScript.Echo TypeName(10.), .5, 1e3, 34E+5, 56.789e-2
WScript.Echo TypeName(#1/1/2000#), #2000-1-1#, # 1/1/2011 #
WScript.Echo &h01or&h02
::
WScript.Echo [my var], 2

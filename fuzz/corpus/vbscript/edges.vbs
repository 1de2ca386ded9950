ReDim Preserve a(2147483647)
x = DateDiff("s", #1/1/1900#, #1/1/2000#)

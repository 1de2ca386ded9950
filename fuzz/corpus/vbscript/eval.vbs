s = "Eval(s)" : x = Eval(s)

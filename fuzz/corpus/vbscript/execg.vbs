s = "ExecuteGlobal s" : ExecuteGlobal s

-- Recursive fib(25) with a global function, as the script's Fib is global.
local common = dofile(arg[0]:match("(.*/)") .. "common.lua")
function Fib(n)
  if n < 2 then return n else return Fib(n - 1) + Fib(n - 2) end
end
common.time("BM_Fib25", 10, function() return Fib(25) end)

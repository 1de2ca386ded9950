-- Method calls on an object in a loop, as BM_MethodCalls does on a script class.
local common = dofile(arg[0]:match("(.*/)") .. "common.lua")
local Counter = {}
Counter.__index = Counter
function Counter.new() return setmetatable({n = 0}, Counter) end
function Counter:Add(k) self.n = self.n + k end
function Counter:Total() return self.n end
local function Work()
  local c = Counter.new()
  for i = 1, 200000 do c:Add(i % 3) end
  return c:Total()
end
common.time("BM_MethodCalls", 5, Work)

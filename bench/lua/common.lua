-- Times a function: best CPU time in milliseconds over a few runs.
local M = {}
function M.time(name, runs, fn)
  local best = math.huge
  for _ = 1, runs do
    local t0 = os.clock()
    fn()
    local dt = (os.clock() - t0) * 1000
    if dt < best then best = dt end
  end
  print(string.format("%s %.3f", name, best))
end
return M

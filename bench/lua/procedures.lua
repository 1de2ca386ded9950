-- Loads a 5,000-line procedures text (500 functions of 10 lines) and calls an empty wrapper,
-- the work a host repeats before every script.
local common = dofile(arg[0]:match("(.*/)") .. "common.lua")
local parts = {"gScore, gName = 0, ''\n"}
for i = 0, 499 do
  parts[#parts + 1] = string.format([[
function Helper%d(a, b)
  local k, s
  s = ""
  for k = 1, a do
    s = s .. string.char(65 + (k %% 26))
  end
  if b > %d then gScore = gScore + b else gName = s end
  if a == 1 or a == 2 then s = "low" else s = "high" end
  return s .. b
end
]], i, i)
end
parts[#parts + 1] = "function StartupProcedure()\nend\n"
local text = table.concat(parts)
common.time("BM_UnchangedProcedures", 20, function()
  local chunk = assert(load(text))
  chunk()
  StartupProcedure()
end)

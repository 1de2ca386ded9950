-- Builds a 100,000-character string one character at a time.
local common = dofile(arg[0]:match("(.*/)") .. "common.lua")
local function Build()
  local s = ""
  for _ = 1, 100000 do s = s .. "x" end
  return #s
end
common.time("BM_StringBuild", 3, Build)

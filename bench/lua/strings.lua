-- Search, cut and replace over a 10,000-character text, as BM_StringFunctions does.
local common = dofile(arg[0]:match("(.*/)") .. "common.lua")
local function Work()
  local s = string.rep("a", 10000) .. "needle"
  local t = 0
  for i = 1, 200 do
    t = t + string.find(s, "needle", 1, true) + #string.sub(s, i * 10, i * 10 + 49)
    local r = string.gsub(s, "aa", "b")
    t = t + #r
  end
  return t
end
common.time("BM_StringFunctions", 5, Work)

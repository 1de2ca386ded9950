-- Summing an array by iteration, as BM_ForEachArray does with For Each.
local common = dofile(arg[0]:match("(.*/)") .. "common.lua")
local function Work()
  local a = {}
  for i = 0, 9999 do a[i + 1] = i end
  local t = 0
  for _ = 1, 20 do
    for _, v in ipairs(a) do t = t + v end
  end
  return t
end
common.time("BM_ForEachArray", 5, Work)

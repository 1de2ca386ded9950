-- 1,000,000 passes of integer arithmetic and array stores.
local common = dofile(arg[0]:match("(.*/)") .. "common.lua")
local function Work()
  local a, t = {}, 0
  for i = 0, 999 do a[i] = false end
  for i = 1, 1000000 do
    a[i % 1000] = i * 2
    t = t + a[i % 1000] % 7
  end
  return t
end
common.time("BM_LoopArrayStores", 5, Work)

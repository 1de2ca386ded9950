-- Adds and look-ups of text keys, as BM_DictionaryAddLookup does with a Dictionary.
local common = dofile(arg[0]:match("(.*/)") .. "common.lua")
local function Work()
  local d = {}
  for i = 1, 20000 do d["key" .. i] = i end
  local t = 0
  for i = 1, 20000 do
    local v = d["key" .. i]
    if v ~= nil then t = t + v end
  end
  return t
end
common.time("BM_DictionaryAddLookup", 5, Work)

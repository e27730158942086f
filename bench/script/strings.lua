local total = 0
local s = 'The quick brown fox jumps over the lazy dog'
for i = 1, 1000000 do
  local start = i % 20 + 1
  local t = string.upper(string.sub(s, start, start + 9))
  local p = string.find(t, 'O', 1, true) or 0
  local trimmed = ('  ' .. t .. '  '):match('^%s*(.-)%s*$')
  total = total + p + #trimmed
end
print(total)

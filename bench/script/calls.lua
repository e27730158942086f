local function add3(a, b, c)
  return a + b + c
end
local total = 0
for i = 1, 3000000 do
  total = (total + add3(i, 1, 2)) % 1000003
end
print(total)

local n, x, s = 0, 0.0, ''
for i = 1, 10000000 do
  n = (n + i * 7) % 1000003
  x = x + i / 3
  if i % 1000 == 0 then
    s = s .. 'x'
  end
end
print(n .. ' ' .. x .. ' ' .. #s)

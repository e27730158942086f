procedure Main;
var
  i, total: Integer;
  s, t: String;
begin
  total := 0;
  s := 'The quick brown fox jumps over the lazy dog';
  for i := 1 to 1000000 do
  begin
    t := UpperCase(Copy(s, i mod 20 + 1, 10));
    total := total + Pos('O', t) + Length(Trim('  ' + t + '  '));
  end;
  ShowMessage(IntToStr(total));
end;

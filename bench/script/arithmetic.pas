procedure Main;
var
  i, n: Integer;
  x: Double;
  s: String;
begin
  n := 0;
  x := 0;
  s := '';
  for i := 1 to 10000000 do
  begin
    n := (n + i * 7) mod 1000003;
    x := x + i / 3;
    if i mod 1000 = 0 then
      s := s + 'x';
  end;
  ShowMessage(IntToStr(n) + ' ' + FloatToStr(x) + ' ' + IntToStr(Length(s)));
end;

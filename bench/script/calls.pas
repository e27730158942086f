function Add3(A, B, C: Integer): Integer;
begin
  Result := A + B + C;
end;

procedure Main;
var
  i, total: Integer;
begin
  total := 0;
  for i := 1 to 3000000 do
    total := (total + Add3(i, 1, 2)) mod 1000003;
  ShowMessage(IntToStr(total));
end;

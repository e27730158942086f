#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct RunCase {
    const char* name;
    const char* file;
    const char* output;
};

// Statements, calls and storage: each program prints what it found.
const RunCase kRuns[] = {
    {"for counts up and leaves the value past the end",
     "procedure Main; var i, s: Integer; begin s := 0; for i := 1 to 4 do s := s * 10 + i;\n"
     "ShowMessage(IntToStr(s) + ' ' + IntToStr(i)); end;",
     "1234 5\n"},
    {"for downto",
     "procedure Main; var i: Integer; t: String; begin for i := 3 downto 1 do t := t + IntToStr(i);\n"
     "ShowMessage(t + ' ' + IntToStr(i)); end;",
     "321 0\n"},
    {"for that never runs still sets the control variable",
     "procedure Main; var i: Integer; begin i := 9; for i := 1 to 0 do i := 5; ShowMessage(IntToStr(i)); "
     "end;",
     "1\n"},
    {"bounds are evaluated once",
     "procedure Main; var i, n, c: Integer; begin n := 3; for i := 1 to n do begin n := 10; c := c + 1 end;\n"
     "ShowMessage(IntToStr(c)); end;",
     "3\n"},
    {"case range, list and else",
     "procedure Main; var x: Integer; t: String; begin for x := 1 to 6 do begin case x of 1..2: t := t + "
     "'a'; 4, 5: "
     "t := t + 'b'; else t := t + 'c'; end; end; ShowMessage(t); end;",
     "aacbbc\n"},
    {"case on text and characters, labelled by constants",
     "procedure Main; const One = 'one'; Two = 'two'; A = 'a'; M = 'm'; N = 'n'; Z = 'z';\n"
     "var s: String; c: Char; begin s := 'two'; c := 'q'; case s of One: s := '1'; Two: s := '2'; "
     "end; case c of A..M: c := '<'; N..Z: c := '>'; end; ShowMessage(s + c); end;",
     "2>\n"},
    {"while and repeat",
     "procedure Main; var i: Integer; begin i := 0; while i < 5 do i := i + 2; repeat i := i + 10 until "
     "True;\n"
     "while False do i := 0; ShowMessage(IntToStr(i)); end;",
     "16\n"},
    {"if with a Variant condition",
     "procedure Main; var v: Variant; begin v := True; if v then ShowMessage('true runs'); v := 1;\n"
     "if v then ShowMessage('one runs') else ShowMessage('one does not'); end;",
     "true runs\none does not\n"},
    {"a function called twice keeps both results",
     "function Twice(X: Integer): Integer; begin Result := X * 2; end;\n"
     "procedure Main; begin ShowMessage(IntToStr(Twice(1) + Twice(2))); end;",
     "6\n"},
    {"unary minus binds tightest", "procedure Main; begin ShowMessage(IntToStr(2 * -3 + 10)); end;", "4\n"},
    {"a parenthesised argument",
     "function F(X: Integer): Integer; begin Result := X; end;\n"
     "procedure Main; var a, b, c: Integer; begin a := 1; b := 2; c := 3; ShowMessage(IntToStr(F((a + b) * "
     "c))); end;",
     "9\n"},
    {"the right operand is evaluated first",
     "function Say(S: String): Integer; begin ShowMessage(S); Result := 1; end;\n"
     "procedure Main; var i: Integer; begin i := Say('left') + Say('right'); end;",
     "right\nleft\n"},
    {"var parameters change the caller, value parameters do not",
     "procedure Bump(var A: Integer; B: Integer); begin A := A + 1; B := B + 1; end;\n"
     "procedure Main; var x, y: Integer; begin x := 1; y := 1; Bump(x, y); Bump(x + 0, y);\n"
     "ShowMessage(IntToStr(x) + ' ' + IntToStr(y)); end;",
     "2 1\n"},
    {"recursion gets its own parameters",
     "function Fact(N: Integer): Integer; begin if N <= 1 then Result := 1 else Result := N * Fact(N - 1); "
     "end;\n"
     "function Fib(N: Integer): Integer; begin if N < 2 then Result := N else Result := Fib(N - 1) + Fib(N - "
     "2); end;\n"
     "procedure Main; begin ShowMessage(IntToStr(Fact(10)) + ' ' + IntToStr(Fib(15))); end;",
     "3628800 610\n"},
    {"a routine may call one further down the file",
     "procedure Main; begin ShowMessage(Later('ok')); end;\n"
     "function Later(S: String): String; begin Result := S + '!'; end;",
     "ok!\n"},
    {"locals keep their values from one run to the next",
     "function Counter: Integer; var n: Integer; begin n := n + 1; Result := n; end;\n"
     "procedure Main; var i: Integer; begin i := Counter; i := Counter; ShowMessage(IntToStr(Counter)); end;",
     "3\n"},
    {"globals and constants are shared",
     "procedure GlobalConsts; const Greeting = 'hi'; Limit = -3; begin end;\n"
     "procedure GlobalVars; var Total: Integer; begin end;\n"
     "procedure Add(N: Integer); begin Total := Total + N; end;\n"
     "procedure Main; begin Add(5); Add(Limit); ShowMessage(Greeting + ' ' + IntToStr(Total)); end;",
     "hi 2\n"},
    {"string append in place",
     "procedure Main; var s: String; c: Char; i: Integer; begin c := 'y'; for i := 1 to 3 do s := s + 'x';\n"
     "s := s + c; ShowMessage(s); end;",
     "xxxy\n"},
    {"runaway recursion is a script error",
     "function Down(N: Integer): Integer; begin Result := Down(N + 1); end;\n"
     "procedure Main; var i: Integer; begin i := Down(0); end;",
     "Runtime error: Could not run program: Main\n"
     "Too many nested calls: more than 500 routines are running at once (a routine that calls itself without "
     "end?)\n"},
    {"a failure names the program that was run",
     "procedure Main; var i: Integer; begin i := StrToInt('x1'); end;",
     "Runtime error: Could not run program: Main\n'x1' is not a valid integer\n"},
    {"mod by zero", "procedure Main; var i: Integer; begin i := 0; i := 5 mod i; end;",
     "Runtime error: Could not run program: Main\nDivision by zero\n"},
    {"division by zero gives zero",
     "procedure Main; var d: Double; i: Integer; begin d := 1 / 0; i := 5 div 0; ShowMessage(FloatToStr(d) + "
     "' ' + "
     "IntToStr(i)); end;",
     "0 0\n"},
};

class RunTest : public testing::TestWithParam<RunCase> {};

TEST_P(RunTest, Prints) {
    const RunCase& c = GetParam();
    EXPECT_EQ(runScript(c.file), c.output) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Programs, RunTest, testing::ValuesIn(kRuns));

TEST(ScriptFile, SplitsAtProgramHeadersInColumnZero) {
    const std::vector<TraScriptChunk> chunks =
        splitScriptFile("{ preamble }\r\nPROCEDURE GlobalVars;\r\nvar x: Integer;\r\n"
                        "begin end;\r\n  procedure NotAHeader;\nproceduresX\n"
                        "function F: Integer;\nbegin Result := 1 end;\n"
                        "procedure");
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].name, "GlobalVars");
    EXPECT_TRUE(chunks[0].source.contains("proceduresX"))
        << "indented or longer words do not start a program";
    EXPECT_EQ(chunks[1].name, "F");
    EXPECT_EQ(chunks[2].source, "procedure") << "a header at the very end";
}

TEST(ScriptFile, PrintsEveryCompileErrorAndRunsNothing) {
    const std::string output = runScript("procedure Main;\nbegin\n  ShowMessage('never');\n  x := 1;\nend;\n"
                                         "procedure Other;\nbegin\nend\n");
    EXPECT_EQ(output, "Program 1 (4,2): Undeclared identifier: 'x'.\n"
                      "Program 2 (3,0): Expected: ';', but found 'end' instead.\n"
                      "Program 2 (3,0): Unexpected end of source.\n");
}

TEST(ScriptFile, SaysWhenThereIsNoMain) {
    EXPECT_EQ(runScript("procedure Other; begin end;\n"), "Runtime error: there is no routine named Main\n");
}

} // namespace

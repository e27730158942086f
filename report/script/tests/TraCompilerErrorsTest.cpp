#include "PagewrightErrors.h"
#include "TraCodeModule.h"
#include "TraProgram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ExpectedError {
    int code;
    const char* msg;
    const char* at; // the error sits at the last occurrence of this text on line 1; none: line 0, column 0
};

struct ErrorCase {
    const char* name;
    const char* source;
    std::vector<ExpectedError> errors;
};

// Every compiler message, each at the token it names.
const ErrorCase kErrors[] = {
    {"empty source", "", {{12, "Unexpected end of source.", nullptr}}},
    {"only a comment", "{ nothing here }", {{12, "Unexpected end of source.", nullptr}}},
    {"header alone has no previous token", "procedure", {{12, "Unexpected end of source.", nullptr}}},
    {"identifier redeclared",
     "procedure P; var a: Integer; a: Integer; begin end;",
     {{0, "Identifier redeclared: 'a'.", "a: Integer; begin"}}},
    {"incompatible types",
     "procedure P; var s: String; begin s := 'n' + 5; end;",
     {{1, "Incompatible types.", "5"}}},
    {"comparison binds like addition",
     "procedure P; var a, b: Integer; begin if a = b + 1 then a := 1; end;",
     {{1, "Incompatible types.", "1 then"}}},
    {"system constant",
     "procedure P; var clRed: Integer; begin end;",
     {{3, "'clRed' is a system constant, and cannot be used as an identifier.", "clRed"}}},
    {"missing procedure or function",
     "begin end;",
     {{6, "Missing the reserved word 'procedure' or 'function'.", "begin"}}},
    {"missing program name", "procedure 5;", {{7, "Missing the program name.", "5"}}},
    {"unmatched right parenthesis",
     "procedure P; var i: Integer; begin i := (1 + 2)); end;",
     {{8, "Missing a right parentheses.", ")"}}},
    {"not a type", "procedure P(a: Foo); begin end;", {{9, "'Foo' is not type identifier.", "Foo"}}},
    {"not a type for a variable",
     "procedure P; var a: Foo; begin end;",
     {{9, "'Foo' is not type identifier.", "Foo"}}},
    {"malformed string", "procedure P; begin x := 'abc; end;", {{10, "Parser error.", "'abc; end;"}}},
    {"a string that ends the source", "procedure P; begin x := 'abc'", {{10, "Parser error.", "'abc'"}}},
    {"malformed number",
     "procedure P; var i: Integer; begin i := 3000000000; end;",
     {{10, "Parser error.", "3000000000"}}},
    {"undeclared identifier",
     "procedure P; begin Foo := 1; end;",
     {{11, "Undeclared identifier: 'Foo'.", "Foo"}}},
    {"procedure used as a function",
     "procedure P; var s: String; begin s := ShowMessage('x'); end;",
     {{11, "Undeclared identifier: 'ShowMessage'.", "ShowMessage"}}},
    {"case label that names nothing",
     "procedure P; var i: Integer; begin case i of Foo: i := 1; end; end;",
     {{13, "Unexpected token: 'Foo'", "Foo"}}},
    {"expected, one name", "procedure P; begin end x", {{-1, "Expected: ';', but found 'x' instead.", "x"}}},
    {"expected, two names",
     "procedure P; var b: Boolean; begin while b do if b then b := False; end;",
     {{-1, "Expected: identifier or 'begin', but found 'if' instead.", "if"}}},
    {"expected, many names",
     "procedure P; begin if then end;",
     {{-1, "Expected: identifier, number, string, type, unary operator or '(', but found 'then' instead.",
       "then"}}},
    {"for takes a name or number after :=",
     "procedure P; var i: Integer; begin for i := (1) to 10 do i := 1; end;",
     {{-1, "Expected: identifier or number, but found '(' instead.", "("}}},
    {"a bad byte is an unexpected token",
     "procedure P; begin # end;",
     {{-1,
       "Expected: identifier, type, '(', 'case', 'end', 'for', 'if', 'repeat' or 'while', but found '#' "
       "instead.",
       "#"}}},
    {"too few arguments",
     "procedure P; var s: String; begin s := Copy('abc', 2); end;",
     {{-1, "Expected: ',', but found ')' instead.", ")"}}},
    {"a case else part is one statement",
     "procedure P; var i: Integer; begin case i of 1: i := 0; else i := 1; i := 2; end; end;",
     {{-1, "Expected: 'end', but found 'i' instead.", "i := 2"}}},
    {"a case else part starts a statement",
     "procedure P; var i: Integer; begin case i of 1: i := 0; else 5; end; end;",
     {{-1, "Expected: identifier, 'begin', 'case', 'for', 'if', 'repeat' or 'while', but found '5' instead.",
       "5"}}},
    {"end of source inside a construct",
     "procedure P; begin end",
     {{-1, "Expected: ';', but found 'end' instead.", "end"}, {12, "Unexpected end of source.", "end"}}},
    {"unary minus on text",
     "procedure P; var s: String; begin s := -s; end;",
     {{1, "Incompatible types.", "-"}}},
    {"or on numbers",
     "procedure P; var i: Integer; begin i := i or 1; end;",
     {{1, "Incompatible types.", "1;"}}},
    {"an integer is not an object",
     "procedure P; var i: Integer; begin if i = nil then i := 1; end;",
     {{1, "Incompatible types.", "nil"}}},
};

class CompileErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(CompileErrorTest, ReportsTheMessageAtItsToken) {
    const ErrorCase& c = GetParam();
    TraProgram program;
    program.setSource(QByteArray(c.source));
    EXPECT_FALSE(program.compile()) << c.name;
    const std::vector<TraSyntaxError>& errors = program.syntaxErrors();
    ASSERT_EQ(errors.size(), c.errors.size())
        << c.name << ": first is " << (errors.empty() ? "" : errors[0].msg.toStdString());
    const std::string source = c.source;
    for (size_t i = 0; i < errors.size(); ++i) {
        const ExpectedError& expected = c.errors[i];
        EXPECT_EQ(errors[i].errorCode, expected.code) << c.name;
        EXPECT_EQ(errors[i].msg.toStdString(), expected.msg) << c.name;
        EXPECT_EQ(errors[i].lineNo, expected.at ? 1 : 0) << c.name;
        EXPECT_EQ(errors[i].charPos, expected.at ? int(source.rfind(expected.at)) : 0) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Messages, CompileErrorTest, testing::ValuesIn(kErrors));

TEST(CompileErrors, PositionsCountLinesAndColumns) {
    TraProgram program;
    program.setSource("procedure P;\r\nbegin\n\tx := 1;\nend;");
    ASSERT_FALSE(program.compile());
    ASSERT_EQ(program.syntaxErrors().size(), 1u);
    EXPECT_EQ(program.syntaxErrors()[0].lineNo, 3);
    EXPECT_EQ(program.syntaxErrors()[0].charPos, 1) << "a tab is one column";
}

// Nested source is compiled, run and freed on the stack: what nests deeper
// than the compiler allows is refused as a parser error, never a crash.
TEST(CompileErrors, SourceNestedTooDeeplyIsAParserError) {
    const auto repeated = [](const std::string& text, int times) {
        std::string out;
        for (int i = 0; i < times; ++i)
            out += text;
        return out;
    };
    struct Nested {
        const char* name;
        std::string body;
        bool compiles;
    };
    const Nested cases[] = {
        {"parentheses", "i := " + repeated("(", 400) + "1" + repeated(")", 400) + ";", true},
        {"a long sum", "i := 1" + repeated(" + 1", 900) + ";", true},
        {"parentheses past the limit", "i := " + repeated("(", 50000) + "1" + repeated(")", 50000) + ";",
         false},
        {"negations past the limit", "b := " + repeated("not ", 50000) + "True;", false},
        {"a sum past the limit", "i := 1" + repeated(" + 1", 50000) + ";", false},
        {"a product of sums past the limit", "i := " + repeated("(1 + 1 + 1) * ", 20000) + "1;", false},
        {"blocks past the limit", repeated("while b do begin ", 50000) + repeated("end; ", 50000), false},
        {"ifs past the limit", repeated("if b then ", 50000) + "i := 1;", false},
    };
    for (const Nested& c : cases) {
        TraProgram program;
        program.setSource(QByteArray::fromStdString(
            "function F: Integer; var i: Integer; b: Boolean; begin " + c.body + " Result := i; end;"));
        ASSERT_EQ(program.compile(), c.compiles) << c.name;
        if (c.compiles) {
            EXPECT_GT(program.execute().integer(), 0) << c.name;
            continue;
        }
        ASSERT_FALSE(program.syntaxErrors().empty()) << c.name;
        EXPECT_EQ(program.syntaxErrors().back().msg, "Parser error.") << c.name;
    }
}

TEST(CompileErrors, GlobalsOfTheOtherKindClash) {
    TraCodeModule module;
    module.globalVariables().setSource("procedure GlobalVars; var Total: Integer; begin end;");
    ASSERT_TRUE(module.compileAll());
    module.globalConstants().setSource("procedure GlobalConsts; const Total = 1; begin end;");
    EXPECT_FALSE(module.compileAll());
    ASSERT_EQ(module.globalConstants().syntaxErrors().size(), 1u);
    EXPECT_EQ(module.globalConstants().syntaxErrors()[0].msg,
              "'Total' is already declared as a global variable.");

    TraCodeModule other;
    other.globalConstants().setSource("procedure GlobalConsts; const Total = 1; begin end;");
    other.globalVariables().setSource("procedure GlobalVars; var Total: Integer; begin end;");
    EXPECT_FALSE(other.compileAll());
    ASSERT_EQ(other.globalVariables().syntaxErrors().size(), 1u);
    EXPECT_EQ(other.globalVariables().syntaxErrors()[0].msg,
              "'Total' is already declared as a global constant.");
}

TEST(CompileErrors, CompileAllRaisesNamingTheProgram) {
    TraCodeModule module;
    module.addRoutine("procedure Broken; begin x := 1; end;");
    EXPECT_FALSE(module.compileAll(false));
    try {
        module.compileAll(true);
        FAIL() << "expected ECodeError";
    } catch (const ECodeError& error) {
        EXPECT_EQ(error.message(), "Could not compile program: Broken");
    }
}

TEST(Compile, AcceptsTheDocumentedForms) {
    // Two sources are too long for one line and continue on the next.
    // NOLINTBEGIN(bugprone-suspicious-missing-comma)
    const char* const sources[] = {
        "procedure P; begin end;",
        "function F: Integer; begin Result := 1 end;",
        "procedure P; var x: Integer; begin x := 1 end;",
        "procedure P; var x: Integer; begin x := 1; end; tokens after the end are not read",
        "procedure P; var x: Integer; begin ;; x := 1;; end;",
        "procedure P; var a, b, x: Integer; begin x := a + -b; x := -a * b; end;",
        "procedure P; var a, b: Boolean; begin a := not a and b; end;",
        "function F(a: Integer; var b: Integer; const c: String): Integer; begin Result := a; end;",
        "procedure P; const A = -5; B = 'x'; C = clRed; var x: Integer; begin x := A; end;",
        "procedure P; var i: Integer; begin if i = (i + 1) then i := 0 else if (i > 2) then i := 1 else i := "
        "2; end;",
        "procedure P; var i: Integer; begin case i of 1..3, 5: i := 0; 7: begin i := 1 end; else i := 2; "
        "end; end;",
        "procedure P; var i: Integer; begin case i of 1: i := 0; else begin i := 2; i := 3 end end; end;",
        "procedure P; var i: Integer; begin repeat i := i + 1 until i > 3; end;",
        "procedure P; var d: TDateTime; begin d := CurrentDate; end;",
        "procedure P; var i: Integer; begin i := Round(Sqrt((i + 1) * 2)); end;",
    };
    // NOLINTEND(bugprone-suspicious-missing-comma)
    for (const char* source : sources) {
        TraProgram program;
        program.setSource(QByteArray(source));
        EXPECT_TRUE(program.compile())
            << source << "\n  "
            << (program.syntaxErrors().empty() ? "" : program.syntaxErrors()[0].msg.toStdString());
    }
}

} // namespace

namespace {

TEST(ProgramSource, DefaultSourceCompilesAndBodiesCanBeReplaced) {
    TraProgram procedure;
    procedure.setSource(procedure.createDefaultSource("Tally"));
    EXPECT_EQ(procedure.source(), "procedure Tally;\r\nbegin\r\n\r\nend;");
    ASSERT_TRUE(procedure.compile());
    procedure.replaceBody("  MessageBeep;");
    EXPECT_EQ(procedure.source(), "procedure Tally;\r\nbegin\r\n  MessageBeep;\r\nend;");
    EXPECT_TRUE(procedure.compile());

    TraProgram function;
    function.setSource(
        "function Half(A: Integer;\n  B: Integer): Extended;\nbegin\n  Result := A / 2;\nend;");
    ASSERT_TRUE(function.compile());
    EXPECT_EQ(function.declaration(), "function Half(A: Integer;\r\n  B: Integer): Extended;");
    EXPECT_TRUE(function.createDefaultSource("F").startsWith("function F: Variant;"));

    TraProgram variables(TraProgram::Role::GlobalVariables);
    variables.setSource(variables.createDefaultSource("GlobalVars"));
    variables.replaceBody("var\r\n  Total: Integer;");
    EXPECT_EQ(variables.source(), "procedure GlobalVars;\r\nvar\r\n  Total: Integer;\r\nbegin\r\n\r\nend;");
    ASSERT_TRUE(variables.compile());
    EXPECT_TRUE(variables.findLocal("total"));
    EXPECT_EQ(variables.declaration(), "procedure GlobalVars;\r\n");
}

} // namespace

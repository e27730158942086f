#include "RecordingPrompter.h"
#include "ScriptTestSupport.h"
#include "TraCodeModule.h"
#include "TraSystemFunction.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

namespace {

struct RoutineCase {
    const char* name;
    const char* expression; // shown through a Variant
    const char* shown;
};

// Every built-in routine; "now" is Friday 15 March 2024, 13:45:30.
const RoutineCase kRoutines[] = {
    {"Copy", "Copy('abcdef', 3, 2)", "cd"},
    {"Copy past the end", "Copy('abc', 5, 2)", ""},
    {"Copy cut at the end", "Copy('abc', 2, 10)", "bc"},
    {"Length", "Length('abc')", "3"},
    {"Pos", "Pos('c', 'abcabc')", "3"},
    {"Pos of nothing", "Pos('', 'abc')", "0"},
    {"CompareText ignores case", "CompareText('A', 'a')", "0"},
    {"CompareText orders", "(CompareText('abc', 'ABD') < 0) and (CompareText('b', 'A') > 0)", "True"},
    {"UpperCase", "UpperCase('aBc1-z')", "ABC1-Z"},
    {"LowerCase", "LowerCase('aBc1-Z')", "abc1-z"},
    {"Capitalize", "Capitalize('hello big_world')", "Hello Big_World"},
    {"Capitalize lowers the rest", "Capitalize('ABC')", "Abc"},
    {"Trim", "'[' + Trim(' \tx y\t ') + ']'", "[x y]"},
    {"TrimLeft", "'[' + TrimLeft('  x  ') + ']'", "[x  ]"},
    {"TrimRight", "'[' + TrimRight('  x  ') + ']'", "[  x]"},
    {"StrToCurr", "CurrToStr(StrToCurr('12.34567'))", "12.3457"},
    {"StrToFloat", "FloatToStr(StrToFloat('1.5E3'))", "1500"},
    {"StrToInt", "StrToInt(' -42 ')", "-42"},
    {"StrToIntDef", "StrToIntDef('x1', 7)", "7"},
    {"StrToDate", "DateToStr(StrToDate('3/5/2024'))", "3/5/2024"},
    {"StrToDate without a year", "DateToStr(StrToDate('12/24'))", "12/24/2024"},
    {"StrToDate with a two-digit year", "DateToStr(StrToDate('1/2/99'))", "1/2/1999"},
    {"StrToTime", "TimeToStr(StrToTime('1:30 PM'))", "1:30:00 PM"},
    {"StrToDateTime", "DateTimeToStr(StrToDateTime('3/15/2024 13:05:09'))", "3/15/2024 1:05:09 PM"},
    {"CurrToStr", "CurrToStr(1.5)", "1.5"},
    {"DateToStr", "DateToStr(EncodeDate(2024, 2, 29))", "2/29/2024"},
    {"DateTimeToStr leaves out midnight", "DateTimeToStr(EncodeDate(2024, 2, 29))", "2/29/2024"},
    {"FloatToStr has 15 digits", "FloatToStr(1 / 3)", "0.333333333333333"},
    {"IntToStr", "IntToStr(-5)", "-5"},
    {"TimeToStr", "TimeToStr(EncodeTime(13, 5, 7, 0))", "1:05:07 PM"},
    {"RGB", "RGB(1, 2, 3)", "197121"},
    {"Chr keeps the low byte", "Chr(321)", "A"},
    {"FormatCurr", "FormatCurr('#,0.00', 1234.5)", "1,234.50"},
    {"FormatDateTime",
     "FormatDateTime('dddd d mmmm yyyy hh:nn', EncodeDate(2024, 2, 29) + EncodeTime(9, 5, 0, 0))",
     "Thursday 29 February 2024 09:05"},
    {"FormatFloat", "FormatFloat('0.0E+00', 12345)", "1.2E+04"},
    {"FormatMaskText inserts literals", "FormatMaskText('(999)000-0000;0;_', '5551234567')", "(555)123-4567"},
    {"FormatMaskText keeps typed literals", "FormatMaskText('00/00;1', '12/34')", "12/34"},
    {"FormatMaskText changes case", "FormatMaskText('>LL-00;0', 'ab12')", "AB-12"},
    {"FormatMaskText fills from the right", "'[' + FormatMaskText('!999;0', '12') + ']'", "[ 12]"},
    {"FormatString is FormatMaskText", "FormatString('000-00;0', '12345')", "123-45"},
    {"CurrentDate", "DateTimeToStr(CurrentDate)", "3/15/2024"},
    {"CurrentDateTime", "DateTimeToStr(CurrentDateTime)", "3/15/2024 1:45:30 PM"},
    {"CurrentTime", "TimeToStr(CurrentTime)", "1:45:30 PM"},
    {"DayOfWeek counts from Sunday", "DayOfWeek(EncodeDate(2024, 3, 15))", "6"},
    {"EncodeDate refuses a day that does not exist", "EncodeDate(2023, 2, 29)",
     "Runtime error: Could not run program: Main\nYear 2023, month 2, day 29 is not a valid date"},
    {"EncodeTime refuses hour 24", "EncodeTime(24, 0, 0, 0)",
     "Runtime error: Could not run program: Main\n24 h 0 min 0 s 0 ms is not a valid time"},
    {"ArcTan", "FloatToStr(ArcTan(1) * 4)", "3.14159265358979"},
    {"Cos", "Cos(0)", "1"},
    {"Cosh", "Cosh(0)", "1"},
    {"Cotan", "FloatToStr(Cotan(1))", "0.642092615934331"},
    {"Exp", "FloatToStr(Exp(1))", "2.71828182845905"},
    {"Frac keeps the sign", "Frac(-2.75)", "-0.75"},
    {"Int truncates", "Int(-2.7)", "-2"},
    {"IntPower with a negative exponent", "IntPower(2, -2)", "0.25"},
    {"Ln", "Ln(Exp(2))", "2"},
    {"Power", "Power(2, 0.5) * Power(2, 0.5)", "2"},
    {"Round halves to even", "IntToStr(Round(2.5)) + IntToStr(Round(3.5)) + IntToStr(Round(-2.5))", "24-2"},
    {"Sin", "Sin(0)", "0"},
    {"Sqr", "Sqr(3)", "9"},
    {"Sqrt", "Sqrt(16)", "4"},
    {"Tan", "Tan(0)", "0"},
    {"Tanh", "Tanh(0)", "0"},
    {"Trunc", "Trunc(-2.7)", "-2"},
    {"Ln of 0 is an error", "Ln(0)", "Runtime error: Could not run program: Main\nFloating-point overflow"},
    {"a real power of a negative number is an error", "Power(-8, 1 / 3)",
     "Runtime error: Could not run program: Main\nInvalid floating-point operation"},
    {"StrToInt of a non-number ends the program", "StrToInt('x1')",
     "Runtime error: Could not run program: Main\n'x1' is not a valid integer"},
};

class RoutineTest : public testing::TestWithParam<RoutineCase> {};

TEST_P(RoutineTest, Computes) {
    const RoutineCase& c = GetParam();
    EXPECT_EQ(valueOf(c.expression), c.shown) << c.name;
}

INSTANTIATE_TEST_SUITE_P(BuiltIns, RoutineTest, testing::ValuesIn(kRoutines));

TEST(BuiltIns, ProceduresWriteTheirVarParameters) {
    EXPECT_EQ(
        runScript(
            "procedure Main; var s: String; y, m, d, h, n, sec, ms: Integer; begin\n"
            "s := 'abcdef'; Delete(s, 2, 3); ShowMessage(s);\n"
            "Delete(s, 9, 1); Insert('X', s, 1); Insert('Y', s, 99); ShowMessage(s);\n"
            "DecodeDate(EncodeDate(2024, 2, 29), y, m, d);\n"
            "DecodeTime(EncodeTime(13, 5, 7, 250), h, n, sec, ms);\n"
            "ShowMessage(IntToStr(y) + ' ' + IntToStr(m) + ' ' + IntToStr(d) + ' ' + IntToStr(h) + ' ' +\n"
            "  IntToStr(n) + ' ' + IntToStr(sec) + ' ' + IntToStr(ms)); end;"),
        "aef\nXaefY\n2024 2 29 13 5 7 250\n");
}

TEST(BuiltIns, RegistryHoldsTheLibraryByGroup) {
    const auto all = TraSystemFunctions::all();
    ASSERT_EQ(all.size(), 59u);
    EXPECT_EQ(all.front()->name, "Capitalize");
    EXPECT_EQ(all.back()->name, "ShowMessage");
    for (const auto& function : all)
        EXPECT_TRUE(function->isFunction || function->resultType == daUnknown)
            << function->name.toStdString();
    const auto copy = TraSystemFunctions::find("cOpY");
    ASSERT_TRUE(copy);
    EXPECT_EQ(functionGroupName(copy->group), "String");
    ASSERT_EQ(copy->parameters.size(), 3u) << "read from its declaration line";
    EXPECT_EQ(copy->parameters[1].type, daInteger);
    EXPECT_EQ(copy->resultType, daString);
    const auto remove = TraSystemFunctions::find("Delete");
    EXPECT_FALSE(remove->isFunction);
    EXPECT_TRUE(remove->parameters[0].isVar);
    EXPECT_FALSE(TraSystemFunctions::find("CurrentDate")->hasParams());
    EXPECT_EQ(functionGroupName(TraSystemFunctions::find("Sqrt")->group), "Math");
    EXPECT_EQ(functionGroupName(TraSystemFunctions::find("MessageBeep")->group), "Utility");
}

TEST(BuiltIns, MessagesGoThroughTheInjectedSeams) {
    RecordingPrompter prompter;
    int beeps = 0;
    TraCodeModule module;
    module.environment().prompter = &prompter;
    module.environment().beep = [&beeps] { ++beeps; };
    TraProgram& main = module.addRoutine("procedure Main; begin MessageBeep; ShowMessage('hello'); end;");
    ASSERT_TRUE(module.compileAll());
    module.runProgram(main);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(prompter.messages, QStringList{"hello"});
}

TEST(BuiltIns, ShowMessageOffTheApplicationThreadIsShownOnIt) {
    RecordingPrompter prompter;
    TraCodeModule module;
    module.environment().prompter = &prompter;
    TraProgram& main = module.addRoutine("procedure Main; begin ShowMessage('from a worker'); end;");
    ASSERT_TRUE(module.compileAll());
    QThread* worker = QThread::create([&] { module.runProgram(main); });
    worker->start();
    while (!worker->isFinished())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker->wait();
    delete worker;
    ASSERT_EQ(prompter.messages, QStringList{"from a worker"});
    EXPECT_EQ(prompter.threads.value(0), QCoreApplication::instance()->thread());
}

} // namespace

#include "ScriptTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct ValueCase {
    const char* name;
    const char* declarations;
    const char* statements; // end by assigning the Variant V, which Main shows
    std::string shown;
};

std::string show(const ValueCase& c) {
    std::string output = runScript(std::string("procedure Main;\nvar\n  V: Variant;\n") + c.declarations +
                                   "\nbegin\n" + c.statements + ";\n  ShowMessage(V);\nend;\n");
    if (!output.empty() && output.back() == '\n')
        output.pop_back();
    return output;
}

const char* const kNullFailure = "Runtime error: Could not run program: Main\n"
                                 "A null variant cannot be converted to Integer";

// Conversion on assignment: the target's type decides what it takes.
const ValueCase kConversions[] = {
    {"a quotient into a Double", "x: Double;", "x := 7 / 2; V := x", "3.5"},
    {"a quotient into an Integer truncates", "i: Integer;", "i := 7 / 2; V := i", "3"},
    {"negative reals truncate toward zero", "i: Integer;", "i := -2.7; V := i", "-2"},
    {"a whole quotient", "i: Integer;", "i := 6 / 2; V := i", "3"},
    {"currency keeps four places", "c: Currency;", "c := 1.23456; V := c", "1.2346"},
    {"a Date does not go into a Double", "d: Date; x: Double;",
     "x := 5; d := EncodeDate(2024, 1, 1); x := d; V := x", "5"},
    {"a DateTime goes in as its day count", "t: DateTime; x: Double;",
     "t := EncodeDate(2024, 1, 1); x := t; V := x", "45292"},
    {"a new Char is a blank", "c: Char;", "V := c", " "},
    {"a Char from an empty string is code 0", "c: Char;", "c := ''; V := c", std::string(1, '\0')},
    {"a Char from a string takes its first character", "c: Char;", "c := 'xyz'; V := c", "x"},
    {"a number does not go into a String", "s: String;", "s := 'a'; s := 5; V := s", "a"},
    {"a Variant goes into a String as text", "s: String;", "V := 5; s := V; V := s + '!'", "5!"},
    {"an Integer does not go into a Boolean", "b: Boolean; i: Integer;", "b := True; i := 1; b := i; V := b",
     "True"},
    {"a Variant holding a Boolean does", "b: Boolean;", "V := True; b := V; V := not b", "False"},
    {"an enumerated value becomes a byte", "o: TppBarCodeType;", "o := bcCode39; V := o", "6"},
    {"a Variant holding text becomes a number", "i: Integer;", "V := ' 42 '; i := V; V := i + 1", "43"},
    {"a null Variant cannot become a number", "i: Integer;", "V := Null; i := V", kNullFailure},
    {"an Integer out of range is an error", "i: Integer; x: Double;", "x := 3000000000.0; i := x",
     "Runtime error: Could not run program: Main\n3000000000 is out of the Integer range"},
};

// Operators: the left operand's type decides.
const ValueCase kOperators[] = {
    {"Char after String", "c: Char;", "c := 'b'; V := 'a' + c", "ab"},
    {"String after Char keeps one character", "c: Char;", "c := 'q'; V := c + 'xyz'", "qx"},
    {"other operators on text give empty text", "", "V := 'a' * 'b'", ""},
    {"text compares byte by byte", "", "V := ('B' < 'a') and ('ab' < 'abc') and not ('b' <= 'a')", "True"},
    {"False is below True", "", "V := (True > False) and (True <> False)", "True"},
    {"and or not", "a, b: Boolean;", "a := True; V := not a or (a and not b)", "True"},
    {"Integer overflow keeps 32 bits", "i: Integer;", "i := 2147483647; i := i + 1; V := i", "-2147483648"},
    {"a whole real too big for an Integer stays real", "", "V := 3000000000.0 + 0", "3000000000"},
    {"mod takes the sign of the left operand", "", "V := -7 mod 3", "-1"},
    {"div truncates both operands", "", "V := 7.9 div 2", "3"},
    {"div by a fraction that truncates to zero", "x: Double;", "x := 0.5; V := 5 div x",
     "Runtime error: Could not run program: Main\nDivision by zero"},
    {"a new Variant holds the number 0", "W: Variant;", "V := (W = 0) and not (W = 1)", "True"},
    {"Variant arithmetic", "", "V := 5; V := V + 1", "6"},
    {"Variant division by zero gives 0", "", "V := 5; V := V / 0", "0"},
    {"Variant division is real", "", "V := 5; V := V / 2", "2.5"},
    {"Variant text joins", "", "V := 'a'; V := V + 'b'", "ab"},
    {"Variant text reads as a number with a number", "", "V := '2'; V := V + 3", "5"},
    {"Null in arithmetic gives Null", "", "V := Null; V := V + 1", ""},
    {"a number with a Variant holding a number", "i: Integer;", "V := 2; i := 40; V := i + V", "42"},
    {"a number with a Variant holding text gives nothing", "i: Integer;",
     "i := 1; V := 'x'; i := i + V; V := i", "1"},
    {"comparing with a Variant", "", "V := 2; V := V > 1", "True"},
    {"a square root of a negative number is an error", "", "V := Sqrt(-1)",
     "Runtime error: Could not run program: Main\nInvalid floating-point operation"},
    {"an overflowing product is an error", "x: Extended;", "x := 1.0E4000; V := x * x",
     "Runtime error: Could not run program: Main\nFloating-point overflow"},
    {"constants fold", "", "V := -(2 + 3) * 4", "-20"},
    {"typed casts pass values of their type", "i: Integer;", "i := 7; V := Integer(i)", "7"},
};

class ConversionTest : public testing::TestWithParam<ValueCase> {};
TEST_P(ConversionTest, Converts) {
    EXPECT_EQ(show(GetParam()), GetParam().shown) << GetParam().name;
}
INSTANTIATE_TEST_SUITE_P(Assignment, ConversionTest, testing::ValuesIn(kConversions));

class OperatorTest : public testing::TestWithParam<ValueCase> {};
TEST_P(OperatorTest, Operates) {
    EXPECT_EQ(show(GetParam()), GetParam().shown) << GetParam().name;
}
INSTANTIATE_TEST_SUITE_P(Operators, OperatorTest, testing::ValuesIn(kOperators));

TEST(Values, SystemConstantsAndEnumerations) {
    EXPECT_EQ(valueOf("clRed"), "255");
    EXPECT_EQ(valueOf("clBtnFace"), std::to_string(qint32(0xFF00000F)));
    EXPECT_EQ(valueOf("dtScreen"), "Screen");
    EXPECT_EQ(valueOf("RGB(255, 0, 0) = clRed"), "True");
    EXPECT_EQ(valueOf("bcCode128 < bcCode39"), "True") << "enumerated values compare by ordinal";
}

} // namespace

#include "BinaryStreamReader.h"
#include "BinaryStreamWriter.h"
#include "ComponentStream.h"
#include "PagewrightErrors.h"
#include "TextStreamReader.h"
#include "TextStreamWriter.h"

#include <gtest/gtest.h>

namespace {

// The text of one object holding the given properties, at the first level.
QByteArray textOf(std::vector<StreamProperty> properties, std::vector<StreamObject> children = {}) {
    StreamObject object;
    object.className = "TSample";
    object.name = "Sample1";
    object.properties = std::move(properties);
    object.children = std::move(children);
    QByteArray text;
    TextStreamWriter(text).writeObject(object);
    return text;
}

QByteArray crlf(const char* lines) {
    return QByteArray(lines).replace("\n", "\r\n");
}

StreamValue list(std::vector<StreamValue> items) {
    StreamValue value = StreamValue::withTag(ValueTag::List);
    value.items = std::move(items);
    return value;
}

TEST(TextFormTest, ValuesAreWrittenAsTheFormSpellsThem) {
    struct Row {
        const char* name;
        StreamValue value;
        const char* line; // the property line without its name
    };
    const Row rows[] = {
        {"integer", StreamValue::fromInteger(-40000), "-40000"},
        {"extended float: fixed with 18 decimals", StreamValue::fromExtended(Extended80::fromDouble(0.75)),
         "0.750000000000000000"},
        {"single: general notation and s", StreamValue::fromSingle(1.5f), "1.5s"},
        {"currency: c", StreamValue::fromCurrency(125000), "12.5c"},
        {"negative currency, all four decimals", StreamValue::fromCurrency(-10001), "-1.0001c"},
        {"date: d", StreamValue::fromDate(45000.25), "45000.25d"},
        {"identifier", StreamValue::fromIdent("clBlack"), "clBlack"},
        {"Null, False, True and nil keep their names", StreamValue::fromIdent("null"), "Null"},
        {"empty string", StreamValue::fromString(""), "''"},
        {"apostrophe as #39 between quoted runs", StreamValue::fromString("Don't"), "'Don'#39't'"},
        {"control and non-ASCII characters as codes", StreamValue::fromString(QString::fromUtf8("a\tb€")),
         "'a'#9'b'#8364"},
        {"ANSI bytes from 127 on as themselves", StreamValue::fromAnsi("Caf\xe9 \x80\x7f"),
         "'Caf\xe9 \x80\x7f'"},
        {"the same text as a UTF-8 string spells them as codes",
         StreamValue::fromString(QString::fromUtf8("Café")), "'Caf'#233"},
        {"set", StreamValue::fromSet({"fsBold", "fsItalic"}), "[fsBold, fsItalic]"},
        {"empty set", StreamValue::fromSet({}), "[]"},
        {"short binary data on the line", StreamValue::fromBinary(QByteArray::fromHex("00ff1a")), "{00FF1A}"},
        {"empty list", list({}), "()"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(textOf({{"P", row.value}}),
                  "object Sample1: TSample\r\n  P = " + QByteArray(row.line) + "\r\nend\r\n")
            << row.name;
}

TEST(TextFormTest, LongValuesTakeLinesOfTheirOwn) {
    const QString seventy = QString("abcdefghij").repeated(7);
    StreamValue items = StreamValue::withTag(ValueTag::Collection);
    items.collection.push_back({StreamValue::fromInteger(3), {{"Width", StreamValue::fromInteger(5)}}});
    items.collection.push_back({std::nullopt, {}});
    const QByteArray text = textOf({
        {"Caption", StreamValue::fromString(seventy)},
        {"Data", StreamValue::fromBinary(QByteArray(40, '\x11'))},
        {"Lines.Strings", list({StreamValue::fromString("one"), StreamValue::fromInteger(2)})},
        {"Columns", items},
    });
    EXPECT_EQ(text, crlf("object Sample1: TSample\n"
                         "  Caption =\n"
                         "    'abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcd' +\n"
                         "    'efghij'\n"
                         "  Data = {\n"
                         "    1111111111111111111111111111111111111111111111111111111111111111\n"
                         "    1111111111111111}\n"
                         "  Lines.Strings = (\n"
                         "    'one'\n"
                         "    2)\n"
                         "  Columns = <\n"
                         "    item [3]\n"
                         "      Width = 5\n"
                         "    end\n"
                         "    item\n"
                         "    end>\n"
                         "end\n"))
        << text.constData();
}

TEST(TextFormTest, HeadersNestAndNameTheirKind) {
    StreamObject child;
    child.className = "TppLabel";
    child.flags = ofInherited | ofChildPosition;
    child.childPosition = StreamValue::fromInteger(2);
    StreamObject inlined;
    inlined.className = "TFrame";
    inlined.name = "Frame1";
    inlined.flags = ofInline;
    EXPECT_EQ(textOf({}, {child, inlined}), crlf("object Sample1: TSample\n"
                                                 "  inherited TppLabel [2]\n"
                                                 "  end\n"
                                                 "  inline Frame1: TFrame\n"
                                                 "  end\n"
                                                 "end\n"));
}

TEST(TextFormTest, ValuesWithoutATextFormAreRefused) {
    const auto refused = [](const StreamValue& value) {
        try {
            textOf({{"P", value}});
            return std::string("written");
        } catch (const ETemplateLoadError& error) {
            return error.message().toStdString();
        }
    };
    EXPECT_EQ(refused(StreamValue::fromSingle(std::numeric_limits<float>::infinity())),
              "Cannot write P in the text form: a single float that is not a finite number");
    EXPECT_EQ(refused(StreamValue::fromExtended(
                  Extended80::fromBytes(QByteArray::fromHex("00000000000000c0ff7f")))),
              "Cannot write P in the text form: an extended float that is not a finite number");
    EXPECT_EQ(refused(list({StreamValue::withTag(ValueTag::Null)})),
              "Cannot write P in the text form: Null inside a list")
        << "the binary form would read it as the list's end";
}

TEST(TextFormTest, ReadingAcceptsEverySpellingOfTheForm) {
    const QByteArray text = "OBJECT Sample1 : TSample\n"
                            "  Caption = 'It'#39's ' + \n   'one''s'#$20#$41\n"
                            "  Wide = 'x'#8364#128512\n"
                            "  Font.Style = [fsBold,fsItalic]\n"
                            "  Price = 1.25C\n"
                            "  When = 3D\n"
                            "  Scale = -2.5e1s\n"
                            "  Ratio = +1e-30\n"
                            "  Big = -9223372036854775808\n"
                            "  Data = { 0a0B\n 0c }\n"
                            "  Ref = Form2.Table1\n"
                            "  Flag = true\n"
                            "  inline Child: TChild [1]\n"
                            "  END\n"
                            "End";
    const StreamObject object = TextStreamReader(text).readObject();
    ASSERT_EQ(object.properties.size(), 11u);
    const auto value = [&](int index) -> const StreamValue& {
        return object.properties[size_t(index)].value;
    };
    EXPECT_EQ(value(0).toString(), "It's one's A") << "runs, codes and + join into one string";
    EXPECT_EQ(value(0).tag, ValueTag::String);
    EXPECT_EQ(value(1).toString(), QString::fromUtf8("x€😀")) << "a code past FFFFh becomes a surrogate pair";
    EXPECT_EQ(value(1).tag, ValueTag::WideString)
        << "8 UTF-8 bytes are not fewer than twice its 4 UTF-16 units";
    EXPECT_EQ(object.properties[2].name, "Font.Style");
    EXPECT_EQ(value(2).elements, QList<QByteArray>({"fsBold", "fsItalic"}));
    EXPECT_EQ(value(3).tag, ValueTag::Currency);
    EXPECT_EQ(value(3).integer, 12500);
    EXPECT_EQ(value(4).tag, ValueTag::Date) << "a suffix makes an integer a float";
    EXPECT_EQ(value(5).tag, ValueTag::Single);
    EXPECT_EQ(value(5).single(), -25.0f);
    EXPECT_EQ(value(6).tag, ValueTag::Extended);
    EXPECT_EQ(value(7).tag, ValueTag::Int64);
    EXPECT_EQ(value(7).integer, std::numeric_limits<qint64>::min());
    EXPECT_EQ(value(8).bytes, QByteArray::fromHex("0a0b0c"));
    EXPECT_EQ(value(9).bytes, "Form2.Table1");
    EXPECT_EQ(value(10).tag, ValueTag::True);
    ASSERT_EQ(object.children.size(), 1u);
    EXPECT_EQ(object.children[0].flags, unsigned(ofInline | ofChildPosition));
}

TEST(TextFormTest, MistakesSayWhatAndWhere) {
    struct Row {
        const char* name;
        std::string text;
        const char* message;
    };
    const Row rows[] = {
        {"a symbol for a value", "object A: TA\n  P = @\nend",
         "at line 2, column 7, in A.P: Invalid property value"},
        {"no identifier after object", "object : TA\nend", "at line 1, column 8: Identifier expected"},
        {"no class after the colon", "object A:\n", "at line 2, column 1: Identifier expected"},
        {"string without its end", "object A: TA\n  P = 'abc\nend",
         "at line 2, column 7, in A.P: Unterminated string"},
        {"+ without a string", "object A: TA\n  P = 'a' + 5\nend", "a string must follow \"+\""},
        {"integer out of range", "object A: TA\n  P = 9223372036854775808\nend",
         "Invalid property value: 9223372036854775808 is out of range"},
        {"odd hex digits", "object A: TA\n  P = {ABC}\nend", "binary data with an odd number of digits"},
        {"Null in a list", "object A: TA\n  P = (1 Null)\nend",
         "at line 2, column 10, in A.P: Invalid property value: Null cannot stand in a list"},
        {"missing end", "object A: TA\n  P = 1\n", "at line 3, column 1, in A: \"end\" expected"},
        {"property after a child", "object A: TA\n  object B: TB\n  end\n  P = 1\nend", "\"end\" expected"},
        {"not an object", "thing A: TA", "\"object\" expected"},
        {"a name too long for the binary form", "object A: TA\n  " + std::string(256, 'n') + " = 1\nend",
         "at line 2, column 3, in A: \"nnnnnnnnnnnnnnnnnnnn...\" is longer than 255 characters"},
        {"a class name that would read as flags", "object A: T" + std::string(239, 'a') + "\nend",
         "at line 1, column 8: a class name may have at most 239 characters"},
    };
    for (const Row& row : rows) {
        try {
            TextStreamReader(QByteArray::fromStdString(row.text)).readComponents();
            ADD_FAILURE() << row.name << ": read without error";
        } catch (const ETemplateLoadError& error) {
            EXPECT_TRUE(error.message().contains(QLatin1String(row.message)))
                << row.name << "\n  expected: " << row.message
                << "\n  got: " << error.message().toStdString();
        }
    }
}

TEST(TextFormTest, DeepNestingIsRefusedNotRecursedInto) {
    const QByteArray text = "object A: TA\n  P = " + QByteArray(5000, '(') + "\nend";
    EXPECT_THROW(TextStreamReader(text).readObject(), ETemplateLoadError);
}

// A stream with a value of every tag, then binary to text to binary.
TEST(TextFormTest, BinaryToTextToBinaryReproducesTheBytes) {
    StreamValue collection = StreamValue::withTag(ValueTag::Collection);
    collection.collection.push_back({StreamValue::fromInteger(1), {{"Title", StreamValue::fromString("t")}}});
    const std::vector<StreamProperty> properties = {
        {"Null", StreamValue::withTag(ValueTag::Null)},
        {"Int8", StreamValue::fromInteger(-5)},
        {"Int16", StreamValue::fromInteger(1000)},
        {"Int32", StreamValue::fromInteger(-100000)},
        {"Int64", StreamValue::fromInteger(qint64(1) << 40)},
        {"Ext", StreamValue::fromExtended(Extended80::fromDouble(0.1))},
        {"Tiny",
         StreamValue::fromExtended(Extended80::fromBytes(QByteArray::fromHex("01000000000000000000")))},
        {"Str", StreamValue::fromString("Don't")},
        {"LStr", StreamValue::fromString(QString(300, u'x'))},
        {"Utf8", StreamValue::fromString(QString::fromUtf8("Intérêt"))},
        {"Ansi", StreamValue::fromAnsi("Int\xe9r\xeat \x80")},
        {"LAnsi", StreamValue::fromAnsi(QByteArray(300, '\xe9'))},
        {"Wide", StreamValue::fromString(QString::fromUtf8("日本語"))},
        {"Ident", StreamValue::fromIdent("taCenter")},
        {"F", StreamValue::fromBoolean(false)},
        {"T", StreamValue::fromBoolean(true)},
        {"Nil", StreamValue::withTag(ValueTag::Nil)},
        {"Bin", StreamValue::fromBinary(QByteArray(70, '\xab'))},
        {"Set", StreamValue::fromSet({"a", "b"})},
        {"Cur", StreamValue::fromCurrency(std::numeric_limits<qint64>::min())},
        {"Single", StreamValue::fromSingle(0.1f)},
        {"Denormal", StreamValue::fromSingle(1e-40f)},
        {"Date", StreamValue::fromDate(45123.123456789)},
        {"List", list({StreamValue::fromInteger(1), list({StreamValue::fromString("in")})})},
        {"Col", collection},
    };
    StreamObject child;
    child.className = "TChild";
    child.flags = ofChildPosition;
    child.childPosition = StreamValue::fromInteger(-1);
    StreamObject object;
    object.className = "TSample";
    object.name = "Sample1";
    object.properties = properties;
    object.children = {child};

    QByteArray binary;
    BinaryStreamWriter writer(binary);
    writer.WriteSignature();
    writer.writeObject(object);
    const QByteArray text = ObjectBinaryToText(binary);
    EXPECT_EQ(ObjectTextToBinary(text).toHex(), binary.toHex()) << text.constData();
    EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(text)), text);
}

// Characters above 127 in quoted runs are an ANSI string's bytes, whether
// the file holds them in the code page (as older programs write it) or in
// UTF-8 (as an editor may save it); spelt as codes they are Unicode.
TEST(TextFormTest, QuotedCharactersAbove127ReadAsAnAnsiString) {
    const struct {
        const char* name;
        QByteArray text;
        ValueTag tag;
        QByteArray bytes;
    } rows[] = {
        {"code page bytes", "object A: TA\n  P = 'Caf\xe9 '#9'\x80'\nend", ValueTag::String,
         "Caf\xe9 \t\x80"},
        {"UTF-8", "object A: TA\n  P = 'Caf\xc3\xa9 \xe2\x82\xac'\nend", ValueTag::String, "Caf\xe9 \x80"},
        {"codes", "object A: TA\n  P = 'Caf'#233\nend", ValueTag::Utf8String, "Caf\xc3\xa9"},
        {"a character the code page lacks", "object A: TA\n  P = 'Caf\xc3\xa9 \xe2\x86\x92'\nend",
         ValueTag::Utf8String, "Caf\xc3\xa9 \xe2\x86\x92"},
    };
    for (const auto& row : rows) {
        const StreamValue value = TextStreamReader(row.text).readObject().properties.at(0).value;
        EXPECT_EQ(value.tag, row.tag) << row.name;
        EXPECT_EQ(value.bytes.toHex(), row.bytes.toHex()) << row.name;
    }
}

TEST(TextFormTest, StreamsAreRecognisedByTheirFirstWord) {
    EXPECT_EQ(detectStreamForm("TPF0\x05"), StreamForm::Binary);
    EXPECT_EQ(detectStreamForm("\r\n  OBJECT A: TA"), StreamForm::Text)
        << "keywords in any case, after blanks";
    EXPECT_EQ(detectStreamForm("inherited A: TA"), StreamForm::Text);
    EXPECT_EQ(detectStreamForm("objection"), std::nullopt);
    EXPECT_EQ(detectStreamForm(""), std::nullopt);
    EXPECT_THROW(parseComponentStream("hello"), EInvalidTemplateError);
    EXPECT_EQ(parseComponentStream("object A: TA\nend\nobject B: TB\nend\n").size(), 2u);
}

} // namespace

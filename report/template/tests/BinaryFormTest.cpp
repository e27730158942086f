#include "BinaryStreamReader.h"
#include "BinaryStreamWriter.h"
#include "PagewrightErrors.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// Pieces of a hand-built binary stream.
QByteArray shortString(const QByteArray& text) {
    return char(text.size()) + text;
}
QByteArray le32(quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}
QByteArray header(const QByteArray& className, const QByteArray& name) {
    return "TPF0" + shortString(className) + shortString(name);
}
QByteArray property(const QByteArray& name, const QByteArray& taggedValue) {
    return shortString(name) + taggedValue;
}
const QByteArray kEnd(1, '\0');

QByteArray encoded(const StreamValue& value) {
    QByteArray out;
    BinaryStreamWriter(out).writeValue(value);
    return out;
}

TEST(BinaryFormTest, WriterPicksTheSmallestTagThatHoldsTheValue) {
    struct Row {
        const char* name;
        StreamValue value;
        QByteArray bytes;
    };
    const QByteArray a255(255, 'a');
    const Row rows[] = {
        {"127 is an 8-bit integer", StreamValue::fromInteger(127), QByteArray::fromHex("027f")},
        {"-128 still is", StreamValue::fromInteger(-128), QByteArray::fromHex("0280")},
        {"128 needs 16 bits", StreamValue::fromInteger(128), QByteArray::fromHex("038000")},
        {"32768 needs 32 bits", StreamValue::fromInteger(32768), QByteArray::fromHex("0400800000")},
        {"2^31 needs 64 bits", StreamValue::fromInteger(qint64(1) << 31),
         QByteArray::fromHex("130000008000000000")},
        {"255 ASCII characters: a short string", StreamValue::fromString(QString(a255)), "\x06\xff" + a255},
        {"256 characters: a long string", StreamValue::fromString(QString(a255 + 'a')),
         "\x0c" + le32(256) + a255 + 'a'},
        {"a character outside ASCII: UTF-8", StreamValue::fromString(QString::fromUtf8("é")),
         "\x14" + le32(2) + QByteArray::fromHex("c3a9")},
        {"wide, yet shorter in UTF-8 than twice its length",
         StreamValue::fromString(QString::fromUtf8("ab€")),
         "\x14" + le32(5) + QByteArray("ab") + QByteArray::fromHex("e282ac")},
        {"wide and no shorter in UTF-8: UTF-16", StreamValue::fromString(QString::fromUtf8("€")),
         "\x12" + le32(1) + QByteArray::fromHex("ac20")},
        {"False", StreamValue::fromIdent("false"), QByteArray::fromHex("08")},
        {"True", StreamValue::fromIdent("TRUE"), QByteArray::fromHex("09")},
        {"nil", StreamValue::fromIdent("Nil"), QByteArray::fromHex("0d")},
        {"Null is the end-of-list byte", StreamValue::fromIdent("null"), QByteArray::fromHex("00")},
        {"any other identifier", StreamValue::fromIdent("clRed"), "\x07" + shortString("clRed")},
        {"currency in ten-thousandths", StreamValue::fromCurrency(125000),
         QByteArray::fromHex("1048e8010000000000")},
        {"single", StreamValue::fromSingle(1.5f), QByteArray::fromHex("0f0000c03f")},
        {"date", StreamValue::fromDate(2.0), QByteArray::fromHex("110000000000000040")},
        {"set", StreamValue::fromSet({"fsBold", "fsItalic"}),
         "\x0b" + shortString("fsBold") + shortString("fsItalic") + shortString("")},
        {"binary", StreamValue::fromBinary(QByteArray::fromHex("0102")), "\x0a" + le32(2) + "\x01\x02"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(encoded(row.value).toHex(), row.bytes.toHex()) << row.name;
}

// One value of every tag, a nested list and a collection, in a parent and a child.
QByteArray everyTagStream() {
    return header("TSample", "Sample1") + property("A", kEnd) + property("B", "\x02\xff") +
           property("C", QByteArray::fromHex("030080")) + property("D", "\x04\x01\x02\x03\x04") +
           property("E", "\x05" + QByteArray::fromHex("000000000000 00c0 fe3f")) +
           property("F", "\x06\x02hi") + property("G", "\x07\x04Name") + property("H", "\x08") +
           property("I", "\x09") + property("J", "\x0a" + le32(3) + "xyz") +
           property("K", "\x0b" + shortString("a") + shortString("b") + shortString("")) +
           property("L", "\x0c" + le32(2) + "lo") + property("M", "\x0d") +
           property("N", "\x0e\x02\x07\x01" + property("Width", "\x02\x05") + kEnd + "\x01" + kEnd + kEnd) +
           property("O", "\x0f" + QByteArray::fromHex("0000c03f")) +
           property("P", "\x10" + QByteArray(8, '\x01')) +
           property("Q", "\x11" + QByteArray::fromHex("0000000000000040")) +
           property("R", "\x12" + le32(2) + QByteArray::fromHex("ac204100")) +
           property("S", "\x13" + QByteArray::fromHex("0102030405060708")) +
           property("T", "\x14" + le32(2) + "\xc3\xa9") +
           property("U.V", "\x01\x02\x01\x01\x02\x02" + kEnd + kEnd) + kEnd +       // properties end
           "\xf2\x02\x03" + shortString("TChild") + shortString("") + kEnd + kEnd + // child at position 3
           kEnd;                                                                    // children end
}

TEST(BinaryFormTest, EveryTagReadsAndWritesBackByteForByte) {
    const QByteArray stream = everyTagStream();
    BinaryStreamReader reader(stream);
    reader.readSignature();
    const StreamObject object = reader.readObject();
    EXPECT_TRUE(reader.atEnd());

    EXPECT_EQ(object.className, "TSample");
    EXPECT_EQ(object.name, "Sample1");
    ASSERT_EQ(object.properties.size(), 21u);
    const auto value = [&](int index) -> const StreamValue& {
        return object.properties[size_t(index)].value;
    };
    EXPECT_EQ(value(1).integer, -1);
    EXPECT_EQ(value(2).integer, -32768);
    EXPECT_EQ(value(3).integer, 0x04030201);
    EXPECT_EQ(value(4).toDouble(), 0.75);
    EXPECT_EQ(value(5).toString(), "hi");
    EXPECT_EQ(value(6).bytes, "Name");
    EXPECT_EQ(value(10).elements, QList<QByteArray>({"a", "b"}));
    ASSERT_EQ(value(13).collection.size(), 2u);
    EXPECT_EQ(value(13).collection[0].index->integer, 7) << "an item index is kept";
    EXPECT_EQ(value(13).collection[0].properties[0].value.integer, 5);
    EXPECT_FALSE(value(13).collection[1].index);
    EXPECT_EQ(value(14).single(), 1.5f);
    EXPECT_EQ(value(16).toDouble(), 2.0);
    EXPECT_EQ(value(17).toString(), QString::fromUtf8("€A"));
    EXPECT_EQ(value(19).toString(), QString::fromUtf8("é"));
    EXPECT_EQ(object.properties[20].name, "U.V");
    EXPECT_EQ(value(20).items.size(), 2u) << "a list holding a list";
    ASSERT_EQ(object.children.size(), 1u);
    EXPECT_EQ(object.children[0].flags, unsigned(ofChildPosition));
    EXPECT_EQ(object.children[0].childPosition.integer, 3);

    QByteArray written;
    BinaryStreamWriter writer(written);
    writer.WriteSignature();
    writer.writeObject(object);
    EXPECT_EQ(written.toHex(), stream.toHex());
}

TEST(BinaryFormTest, ComponentStreamsEndWithTheEndOfListByte) {
    const QByteArray one = header("TA", "A1") + kEnd + kEnd;
    const QByteArray two = header("TB", "") + kEnd + kEnd;
    EXPECT_EQ(BinaryStreamReader(one + two + kEnd + "trailing").readComponents().size(), 2u)
        << "what follows the end-of-list byte is not read";
    EXPECT_THROW(BinaryStreamReader(one).readComponents(), ETemplateLoadError)
        << "a stream cut short after an object is no whole stream";
    EXPECT_TRUE(BinaryStreamReader(kEnd).readComponents().empty());
}

TEST(BinaryFormTest, DamagedStreamsSayWhatAndWhere) {
    struct Row {
        const char* name;
        QByteArray stream;
        const char* message;
    };
    QByteArray deep = header("TDeep", "Deep1") + shortString("Items");
    for (int level = 0; level < 200; ++level)
        deep += '\x01';
    const Row rows[] = {
        {"truncated signature", "TPF", "Invalid stream format: no \"TPF0\" at byte 0"},
        {"another signature", "TPF1" + shortString("TA"), "Invalid stream format: no \"TPF0\" at byte 0"},
        {"ends inside a name", "TPF0\x05TRep", "at byte 5: a class name needs 5 bytes, 4 remain"},
        {"ends before the properties' end", header("TA", "A1"),
         "at byte 10, in A1: the next tag needs 1 bytes, 0 remain"},
        {"string longer than the stream",
         header("TA", "A1") + property("Caption", "\x0c" + le32(300) + "abc"),
         "at byte 23, in A1.Caption: a long string needs 300 bytes, 3 remain"},
        {"negative length", header("TA", "A1") + property("Data", "\x0a" + le32(0xFFFFFFFF)),
         "in A1.Data: binary data needs 4294967295 bytes, 0 remain"},
        {"wide string count times two", header("TA", "A1") + property("W", "\x12" + le32(0x80000001) + "ab"),
         "in A1.W: a wide string needs 4294967298 bytes, 2 remain"},
        {"tag above 20", header("TA", "A1") + property("Color", "\x15"),
         "at byte 16, in A1.Color: unknown value tag 21"},
        {"nesting without end", deep, "in Deep1.Items: objects and lists nest deeper than 128 levels"},
        {"class name not an identifier", "TPF0" + shortString("1ab"),
         "the class name \"1ab\" is not an identifier"},
        {"property name not an identifier", header("TA", "A1") + property("a b", "\x08"),
         "the property name \"a b\" is not an identifier"},
        {"identifier value with a blank", header("TA", "A1") + property("P", "\x07" + shortString("a b")),
         "in A1.P: \"a b\" is not an identifier"},
        {"unknown object flag", "TPF0\xf8" + shortString("TA"), "unknown object flags 8"},
        {"child position not an integer", "TPF0\xf2\x06\x01x", "the child position is not an integer"},
        {"collection item without its list tag", header("TA", "A1") + property("Cols", "\x0e\x02\x01\x08"),
         "in A1.Cols: a collection item does not start with a list tag"},
    };
    for (const Row& row : rows) {
        try {
            BinaryStreamReader(row.stream).readComponents();
            ADD_FAILURE() << row.name << ": read without error";
        } catch (const EPagewrightError& error) {
            EXPECT_TRUE(error.message().contains(QLatin1String(row.message)))
                << row.name << "\n  expected: " << row.message
                << "\n  got: " << error.message().toStdString();
        }
    }
}

} // namespace

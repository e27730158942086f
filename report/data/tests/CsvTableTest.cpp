#include "CsvTable.h"
#include "CsvReader.h"
#include "MemoryTable.h"
#include "PagewrightErrors.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

TEST(CsvReader, QuotedCellsAndEveryLineEnding) {
    const auto records = readCsvRecords(
        QChar(0xFEFF) + QStringLiteral("a,b\r\n\"x, \"\"y\"\"\",\"two\r\nlines\"\n\r1,\rlast,"));
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[0].cells, (QStringList{"a", "b"}))
        << "the byte-order mark is not part of the first name";
    EXPECT_EQ(records[1].cells, (QStringList{"x, \"y\"", "two\nlines"}));
    EXPECT_EQ(records[2].line, 5) << "the quoted line break and the skipped blank line both count";
    EXPECT_EQ(records[2].cells, (QStringList{"1", ""}));
    EXPECT_EQ(records[3].cells, (QStringList{"last", ""}));
}

TEST(CsvReader, AnUnclosedQuoteNamesItsLine) {
    try {
        readCsvRecords(QStringLiteral("a\n\"open\n\nmore"));
        FAIL() << "expected EDataError";
    } catch (const EDataError& error) {
        EXPECT_TRUE(error.message().startsWith("line 2:")) << error.message().toStdString();
    }
}

TEST(CsvTable, ColumnsTakeTheNarrowestTypeTheirValuesFit) {
    MemoryTable table;
    loadCsvTable(QStringLiteral("n,big,x,d,dt,flag,s,empty,declared:dtString\n"
                                "1,1,1,2027-01-31,2027-01-31T08:30:00,true,a,,007\n"
                                "-2,9000000000,2.5,2027-02-28,2027-02-28,FALSE,1,,\n"),
                 table);
    struct Expected {
        const char* name;
        FieldType type;
        const char* why;
    };
    const Expected expected[] = {
        {"n", FieldType::Integer, "whole numbers"},
        {"big", FieldType::LargeInt, "too large for 32 bits"},
        {"x", FieldType::Float, "one value has decimals"},
        {"d", FieldType::Date, "ISO dates"},
        {"dt", FieldType::DateTime, "a date among date-times"},
        {"flag", FieldType::Boolean, "true and false in any case"},
        {"s", FieldType::String, "a letter among numbers"},
        {"empty", FieldType::String, "no values at all"},
        {"declared", FieldType::String, "declared types win over what the values look like"},
    };
    ASSERT_EQ(table.fieldDefs().size(), std::size(expected));
    for (int i = 0; i < int(std::size(expected)); ++i) {
        EXPECT_EQ(table.fieldDefs()[i].name, expected[i].name);
        EXPECT_EQ(table.fieldDefs()[i].type, expected[i].type) << expected[i].name << ": " << expected[i].why;
    }
    ASSERT_EQ(table.recordCount(), 2);
    table.first();
    EXPECT_EQ(table.value(QStringLiteral("declared")).toString(), "007");
    EXPECT_TRUE(table.value(QStringLiteral("empty")).isNull());
    table.last();
    EXPECT_EQ(table.value(QStringLiteral("dt")).toDateTime(), QDateTime(QDate(2027, 2, 28), QTime(0, 0)));
    EXPECT_DOUBLE_EQ(table.value(QStringLiteral("x")).toDouble(), 2.5);
    EXPECT_FALSE(table.value(QStringLiteral("flag")).toBool());
}

TEST(CsvTable, BadInputNamesLineAndField) {
    struct Case {
        const char* csv;
        const char* message;
    };
    const Case cases[] = {
        {"", "the CSV data has no header line naming its fields"},
        {"a,b\n1\n", "line 2: 1 values where the header names 2 fields"},
        {"a:dtInteger\n1\nx\n", "line 3: \"x\" in field \"a\" is not a dtInteger value"},
        {"a:dtWhatever\n1\n", "line 1: field \"a\" has the unknown type \"dtWhatever\""},
        {"a,,c\n1,2,3\n", "line 1: field 2 has no name"},
    };
    for (const Case& c : cases) {
        MemoryTable table;
        try {
            loadCsvTable(QString::fromUtf8(c.csv), table);
            ADD_FAILURE() << "accepted: " << c.csv;
        } catch (const EDataError& error) {
            EXPECT_EQ(error.message(), QString::fromUtf8(c.message));
        }
    }
}

} // namespace

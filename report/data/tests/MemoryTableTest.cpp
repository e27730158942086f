#include "MemoryTable.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class MemoryTableTest : public testing::Test {
protected:
    void SetUp() override {
        table.setFieldDefs({{"NAME", FieldType::String, 10}, {"AMOUNT", FieldType::Float}});
        table.open();
    }
    void addRows(int count) {
        for (int i = 0; i < count; ++i) {
            table.append();
            table.setValue("NAME", QStringLiteral("row %1").arg(i));
            table.setValue(1, i * 1.5);
            table.post();
        }
    }
    MemoryTable table;
};

TEST_F(MemoryTableTest, EmptyTableIsAtBothEnds) {
    EXPECT_TRUE(table.bof());
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.recNo(), -1);
    EXPECT_EQ(table.moveBy(1), 0);
    EXPECT_TRUE(table.value("NAME").isNull());
}

TEST_F(MemoryTableTest, RecordsKeepTheirPostedOrder) {
    addRows(3);
    table.first();
    EXPECT_EQ(table.value(0).toString(), "row 0");
    table.next();
    EXPECT_EQ(table.value("amount").toDouble(), 1.5); // names without regard to case
    EXPECT_EQ(table.valueAt(2, 0).toString(), "row 2");
}

TEST_F(MemoryTableTest, MoveByAnswersTheDistanceMovedAndSetsTheEndFlags) {
    addRows(5);
    table.first();
    EXPECT_TRUE(table.bof());
    EXPECT_FALSE(table.eof());
    EXPECT_EQ(table.moveBy(3), 3);
    EXPECT_FALSE(table.bof());
    EXPECT_EQ(table.moveBy(10), 1); // stops on the last record
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.recNo(), 4);
    EXPECT_EQ(table.moveBy(-100), -4);
    EXPECT_TRUE(table.bof());
    EXPECT_FALSE(table.eof());
    EXPECT_EQ(table.moveBy(0), 0);
    table.last();
    EXPECT_TRUE(table.eof());
    EXPECT_EQ(table.recNo(), 4);
}

TEST_F(MemoryTableTest, BookmarksFindTheirRecordAndDieWithIt) {
    addRows(4);
    table.first();
    table.moveBy(2);
    const Bookmark mark = table.bookmark();
    table.first();
    table.gotoBookmark(mark);
    EXPECT_EQ(table.value(0).toString(), "row 2");
    table.emptyTable();
    EXPECT_FALSE(table.bookmarkValid(mark));
    EXPECT_THROW(table.gotoBookmark(mark), std::invalid_argument);
}

TEST_F(MemoryTableTest, CancelledAppendLeavesNoRecord) {
    addRows(1);
    table.append();
    table.setValue(0, QStringLiteral("dropped"));
    table.cancel();
    EXPECT_EQ(table.recordCount(), 1);
}

TEST_F(MemoryTableTest, DisabledControlsSendOneNoticeAtTheEnd) {
    QSignalSpy content(&table, &Dataset::contentChanged);
    table.disableControls();
    addRows(10);
    table.emptyTable();
    addRows(2);
    EXPECT_EQ(content.count(), 0);
    table.enableControls();
    EXPECT_EQ(content.count(), 1);
}

TEST_F(MemoryTableTest, FieldsChangeOnlyWhileClosed) {
    EXPECT_THROW(table.setFieldDefs({}), std::logic_error);
    table.close();
    EXPECT_THROW(table.first(), std::logic_error);
    table.setFieldDefs({{"X", FieldType::Integer}});
    EXPECT_EQ(table.fieldIndex("x"), 0);
}

} // namespace

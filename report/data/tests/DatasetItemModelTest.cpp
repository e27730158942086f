#include "DatasetItemModel.h"
#include "MemoryTable.h"

#include <gtest/gtest.h>

namespace {

TEST(DatasetItemModel, ShowsFieldsAndRecordsAsTheGridDoes) {
    MemoryTable table;
    table.setFieldDefs({{"DATE", FieldType::String, 10}, {"PAYMENT", FieldType::Float}});
    table.open();
    DatasetItemModel model(&table, FormatSettings::invariant());
    EXPECT_EQ(model.rowCount(), 0);
    table.append();
    table.setValue(0, QStringLiteral("04/2024"));
    table.setValue(1, 860.664);
    table.post();
    table.append();
    table.setValue(0, QStringLiteral("05/2024"));
    table.setValue(1, 50.0);
    table.post();

    ASSERT_EQ(model.rowCount(), 2);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "PAYMENT");
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), "860.664");
    EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), "50");
    EXPECT_EQ(model.data(model.index(1, 1), Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));

    table.first();
    EXPECT_FALSE(model.headerData(0, Qt::Vertical, Qt::DisplayRole).toString().isEmpty());
    EXPECT_TRUE(model.headerData(1, Qt::Vertical, Qt::DisplayRole).toString().isEmpty());
}

} // namespace

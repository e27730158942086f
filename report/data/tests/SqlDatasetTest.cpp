#include "SqlDataset.h"
#include "PagewrightErrors.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

// A SQLite table of its own per test, and a second look at it that does not
// go through the dataset.
class SqlDatasetWriteTest : public testing::Test {
protected:
    void SetUp() override {
        static int connections = 0;
        db = SqlDataset::openSqlite(":memory:", QStringLiteral("write%1").arg(++connections));
        QSqlQuery(db).exec("CREATE TABLE templates (id INTEGER PRIMARY KEY, name TEXT NOT NULL, body BLOB)");
        QSqlQuery(db).exec("INSERT INTO templates (name, body) VALUES ('first', x'00ff')");
        dataset.setDatabase(db);
        dataset.setTable("templates");
        dataset.open();
    }

    QStringList stored() const {
        QStringList rows;
        QSqlQuery query("SELECT id, name, hex(body) FROM templates ORDER BY id", db);
        while (query.next())
            rows << QStringLiteral("%1 %2 %3")
                        .arg(query.value(0).toString(), query.value(1).toString(), query.value(2).toString());
        return rows;
    }

    QSqlDatabase db;
    SqlDataset dataset;
};

TEST_F(SqlDatasetWriteTest, InsertsEditsAndDeletesReachTheTable) {
    dataset.insert();
    dataset.setValue(1, "second");
    dataset.setValue(2, QByteArray("\x01\x02", 2));
    dataset.post();
    EXPECT_EQ(dataset.value(0).toInt(), 2) << "the key the database chose is read back";
    EXPECT_EQ(stored(), QStringList({"1 first 00FF", "2 second 0102"}));

    dataset.edit();
    dataset.setValue(1, "renamed");
    dataset.post();
    EXPECT_EQ(stored(), QStringList({"1 first 00FF", "2 renamed 0102"}))
        << "the record inserted last, by its key";

    dataset.first();
    dataset.deleteRecord();
    EXPECT_EQ(stored(), QStringList({"2 renamed 0102"}));
    EXPECT_EQ(dataset.recordCount(), 1);
    EXPECT_EQ(dataset.value(1).toString(), "renamed");
}

TEST_F(SqlDatasetWriteTest, ARefusedStatementKeepsTheRecordToBeCorrectedOrCancelled) {
    dataset.insert();
    dataset.setValue(2, QByteArray("x"));
    EXPECT_THROW(dataset.post(), EDataError) << "name may not be null";
    dataset.setValue(1, "named now");
    dataset.post();
    EXPECT_EQ(stored(), QStringList({"1 first 00FF", "2 named now 78"}));

    dataset.edit();
    dataset.setValue(1, QVariant());
    EXPECT_THROW(dataset.post(), EDataError);
    dataset.cancel();
    EXPECT_EQ(dataset.value(1).toString(), "named now");
    EXPECT_EQ(stored(), QStringList({"1 first 00FF", "2 named now 78"}));
}

TEST_F(SqlDatasetWriteTest, OnlyWholeTablesWithAKeyCanBeChanged) {
    QSqlQuery(db).exec("CREATE TABLE notes (text TEXT)");
    SqlDataset keyless;
    keyless.setDatabase(db);
    keyless.setTable("notes");
    keyless.open();
    keyless.insert();
    keyless.setValue(0, "kept");
    keyless.post();
    EXPECT_EQ(keyless.recordCount(), 1) << "a new record needs no key";
    keyless.edit();
    keyless.setValue(0, "changed");
    EXPECT_THROW(keyless.post(), EDataError) << "but an old one cannot be found again without one";
    keyless.cancel();

    SqlDataset query;
    query.setDatabase(db);
    query.setQuery("SELECT name FROM templates");
    query.open();
    EXPECT_THROW(query.edit(), EDataError);
    EXPECT_THROW(query.insert(), EDataError);
}

} // namespace

#include "SearchConditions.h"
#include "DataSourceOption.h"
#include "PagewrightErrors.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The same rows as a CSV file and as a SQLite table: a search must keep the
// same ones from both, the SQL path through its WHERE clause of bound
// parameters, the CSV path in memory.
class SearchConditionsTest : public testing::Test {
protected:
    SearchConditionsTest() {
        QFile csv(folder.filePath("rows.csv"));
        EXPECT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write("NAME:dtString,AMOUNT:dtInteger\n"
                  "Ann,120\nann,80\nBob,\n\"O'Hara;--\",300\n50%,10\n");
        csv.close();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "search-rows");
            db.setDatabaseName(folder.filePath("rows.db"));
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec("CREATE TABLE rows (NAME TEXT, AMOUNT INTEGER)"));
            EXPECT_TRUE(query.exec("INSERT INTO rows VALUES ('Ann', 120), ('ann', 80), ('Bob', NULL), "
                                   "('O''Hara;--', 300), ('50%', 10)"));
            db.close();
        }
        QSqlDatabase::removeDatabase("search-rows");
    }

    static QStringList names(Dataset& rows) {
        QStringList found;
        for (rows.first(); !rows.eof(); rows.next())
            found << rows.value("NAME").toString();
        return found;
    }

    QStringList kept(const QString& source, const SearchCondition& condition) const {
        return names(*DataSourceOption{"Rows", source}.open({condition}));
    }

    QTemporaryDir folder;
};

TEST_F(SearchConditionsTest, SqlAndMemoryKeepTheSameRows) {
    const QStringList all{"Ann", "ann", "Bob", "O'Hara;--", "50%"};
    const struct {
        const char* name;
        SearchCondition condition;
        QStringList rows;
    } cases[] = {
        {"equal texts compare with their case", {"NAME", soEqual, dtString, {"Ann"}, {}}, {"Ann"}},
        {"a null is no value that differs",
         {"AMOUNT", soNotEqual, dtInteger, {120}, {}},
         {"ann", "O'Hara;--", "50%"}},
        {"less than", {"AMOUNT", soLessThan, dtInteger, {100}, {}}, {"ann", "50%"}},
        {"less or equal", {"AMOUNT", soLessThanOrEqualTo, dtInteger, {80}, {}}, {"ann", "50%"}},
        {"greater than", {"AMOUNT", soGreaterThan, dtInteger, {120}, {}}, {"O'Hara;--"}},
        {"greater or equal", {"AMOUNT", soGreaterThanOrEqualTo, dtInteger, {120}, {}}, {"Ann", "O'Hara;--"}},
        {"begins with, any case", {"NAME", soLike, dtString, {"an"}, {}}, {"Ann", "ann"}},
        {"a % in the value is a percent sign", {"NAME", soLike, dtString, {"50%"}, {}}, {"50%"}},
        {"the wildcard stands for a run", {"NAME", soLike, dtString, {"O*--"}, "*"}, {"O'Hara;--"}},
        {"does not begin with", {"NAME", soNotLike, dtString, {"a"}, {}}, {"Bob", "O'Hara;--", "50%"}},
        {"between takes both ends", {"AMOUNT", soBetween, dtInteger, {80, 120}, {}}, {"Ann", "ann"}},
        {"not between", {"AMOUNT", soNotBetween, dtInteger, {80, 120}, {}}, {"O'Hara;--", "50%"}},
        {"a quote and a semicolon match as written",
         {"NAME", soInList, dtString, {"Ann", "O'Hara;--"}, {}},
         {"Ann", "O'Hara;--"}},
        {"not in the list", {"NAME", soNotInList, dtString, {"Ann", "O'Hara;--"}, {}}, {"ann", "Bob", "50%"}},
        {"blank", {"AMOUNT", soBlank, dtInteger, {}, {}}, {"Bob"}},
        {"not blank", {"AMOUNT", soNotBlank, dtInteger, {}, {}}, {"Ann", "ann", "O'Hara;--", "50%"}},
        {"a value that would end the statement",
         {"NAME", soEqual, dtString, {"x'); DROP TABLE rows; --"}, {}},
         {}},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(kept(folder.filePath("rows.csv"), row.condition), row.rows) << row.name << " (CSV)";
        EXPECT_EQ(kept("sqlite:" + folder.filePath("rows.db") + "?table=rows", row.condition), row.rows)
            << row.name << " (SQLite)";
    }
    EXPECT_EQ(kept("sqlite:" + folder.filePath("rows.db") + "?query=SELECT * FROM rows WHERE AMOUNT > 50;",
                   {"NAME", soLike, dtString, {"a"}, {}}),
              QStringList({"Ann", "ann"}))
        << "a query is searched as it stands";
    EXPECT_EQ(
        kept("sqlite:" + folder.filePath("rows.db") + "?table=rows", {"NAME", soNotBlank, dtString, {}, {}}),
        all)
        << "the table is still there";
    EXPECT_THROW(kept(folder.filePath("rows.csv"), {"COLOUR", soEqual, dtString, {"red"}, {}}), EDataError);
}

} // namespace

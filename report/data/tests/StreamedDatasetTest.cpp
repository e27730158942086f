#include "CsvDataset.h"
#include "MemoryTable.h"
#include "PagewrightErrors.h"
#include "SqlDataset.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// More rows than the window the cursor keeps and than a CSV index step, so
// every way back (the window, a seek, the query run again) is taken.
constexpr int kRows = 2000;

QString rowName(int n) {
    return QStringLiteral("r%1").arg(n);
}

QSqlDatabase sqliteFile(const QString& path, const QString& connection) {
    QSqlDatabase db = SqlDataset::openSqlite(path, connection);
    QSqlQuery query(db);
    query.exec("CREATE TABLE t (n INTEGER, name TEXT)");
    db.transaction();
    query.prepare("INSERT INTO t VALUES (?, ?)");
    for (int n = 1; n <= kRows; ++n) {
        query.addBindValue(n);
        query.addBindValue(rowName(n));
        query.exec();
    }
    db.commit();
    return db;
}

QString writeCsv(const QString& path, const QByteArray& header, int rows = kRows) {
    QByteArray csv = header + "\n";
    for (int n = 1; n <= rows; ++n)
        csv += QByteArray::number(n) + "," + rowName(n).toUtf8() + "\n";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(csv);
    return path;
}

// The same rows behind each kind of dataset; the in-memory table is the
// reference the streamed ones must walk exactly like.
struct Source {
    const char* name;
    std::function<std::unique_ptr<Dataset>(const QTemporaryDir&)> make;
};

std::unique_ptr<Dataset> memoryRows(const QTemporaryDir&) {
    auto table = std::make_unique<MemoryTable>();
    table->setFieldDefs({{"n", FieldType::Integer, 0, 0}, {"name", FieldType::String, 0, 0}});
    table->open();
    for (int n = 1; n <= kRows; ++n) {
        table->append();
        table->setValue(0, n);
        table->setValue(1, rowName(n));
        table->post();
    }
    table->first();
    return table;
}

std::unique_ptr<Dataset> sqlRows(const QTemporaryDir& folder, bool table) {
    static int connections = 0;
    auto dataset = std::make_unique<SqlDataset>();
    dataset->setDatabase(
        sqliteFile(folder.filePath("rows.db"), QStringLiteral("streamed%1").arg(++connections)));
    if (table)
        dataset->setTable("t");
    else
        dataset->setQuery("SELECT n, name FROM t WHERE n > 0 ORDER BY n;");
    dataset->open();
    return dataset;
}

std::unique_ptr<Dataset> csvRows(const QTemporaryDir& folder, const QByteArray& header) {
    auto csv = std::make_unique<CsvDataset>();
    csv->setFileName(writeCsv(folder.filePath("rows.csv"), header));
    csv->open();
    return csv;
}

const Source kSources[] = {
    {"SqliteTable", [](const QTemporaryDir& f) { return sqlRows(f, true); }},
    {"SqliteQuery", [](const QTemporaryDir& f) { return sqlRows(f, false); }},
    {"CsvWithDeclaredTypes", [](const QTemporaryDir& f) { return csvRows(f, "n:dtInteger,name:dtString"); }},
    {"CsvWithGuessedTypes", [](const QTemporaryDir& f) { return csvRows(f, "n,name"); }},
};

// What the cursor says after each step of a walk that goes forwards, back
// within and beyond what was read lately, to the end and past both ends.
QStringList walk(Dataset& data) {
    QStringList seen;
    const auto note = [&](const QString& step, int moved) {
        seen << QStringLiteral("%1: moved %2, at %3 (%4) bof %5 eof %6")
                    .arg(step)
                    .arg(moved)
                    .arg(data.recNo())
                    .arg(data.value(1).toString())
                    .arg(data.bof())
                    .arg(data.eof());
    };
    note("open", 0);
    note("forward 700", data.moveBy(700));
    const Bookmark early = data.bookmark();
    note("back 3", data.moveBy(-3));
    note("forward 1000", data.moveBy(1000));
    data.gotoBookmark(early);
    note("to the early bookmark", 0);
    note("past the end", data.moveBy(5000));
    note("past the end again", data.moveBy(1));
    note("back past the start", data.moveBy(-5000));
    data.last();
    note("last", 0);
    int steps = 0;
    while (data.moveBy(-1) == -1)
        ++steps;
    note(QStringLiteral("%1 steps back one at a time").arg(steps), 0);
    data.first();
    note("first", 0);
    seen << QStringLiteral("count %1, row 1234 %2")
                .arg(data.recordCount())
                .arg(data.valueAt(1234, 1).toString());
    seen << QStringLiteral("bookmarks valid: %1 %2 %3")
                .arg(data.bookmarkValid(early))
                .arg(data.bookmarkValid({kRows - 1}))
                .arg(data.bookmarkValid({kRows}));
    seen << QStringLiteral("located %1 at %2")
                .arg(data.locate({"name"}, {QStringLiteral("R1999")}, Dataset::CaseInsensitive))
                .arg(data.recNo());
    return seen;
}

class StreamedDatasetTest : public testing::TestWithParam<Source> {
protected:
    QTemporaryDir folder;
};

TEST_P(StreamedDatasetTest, WalksExactlyLikeTheTableInMemory) {
    const QTemporaryDir unused;
    auto reference = memoryRows(unused);
    auto streamed = GetParam().make(folder);
    const QStringList expected = walk(*reference);
    const QStringList actual = walk(*streamed);
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]);
}

TEST_P(StreamedDatasetTest, TheCountIsRightBeforeTheCursorHasSeenTheEnd) {
    auto streamed = GetParam().make(folder);
    EXPECT_EQ(streamed->recordCount(), kRows);
    EXPECT_EQ(streamed->valueAt(kRows - 1, 0).toInt(), kRows);
    EXPECT_EQ(streamed->recNo(), 0) << "neither moves the cursor";
}

INSTANTIATE_TEST_SUITE_P(Sources, StreamedDatasetTest, testing::ValuesIn(kSources),
                         [](const testing::TestParamInfo<Source>& info) {
                             return std::string(info.param.name);
                         });

// A failure past the rows read so far shows that opening did not read them,
// and that it ends the walk with a data error naming the source.
void expectDataError(const std::function<void()>& step, const QString& naming) {
    try {
        step();
        ADD_FAILURE() << "expected EDataError naming " << naming.toStdString();
    } catch (const EDataError& error) {
        EXPECT_TRUE(error.message().contains(naming)) << error.message().toStdString();
    }
}

TEST(SqlDatasetStreaming, ARowThatFailsFarAheadFailsWhenTheCursorGetsThere) {
    QTemporaryDir folder;
    SqlDataset dataset;
    dataset.setDatabase(sqliteFile(folder.filePath("fails.db"), "fails-ahead"));
    // abs() of the smallest integer is an overflow SQLite reports on that row.
    dataset.setQuery("SELECT n, CASE WHEN n = 1500 THEN abs(-9223372036854775807 - 1) ELSE name END FROM t");
    dataset.open();
    EXPECT_EQ(dataset.moveBy(1000), 1000);
    expectDataError([&] { dataset.moveBy(1000); }, folder.filePath("fails.db"));
}

TEST(SqlDatasetStreaming, ADatabaseThatGoesAwayMidWayIsADataError) {
    struct Case {
        const char* what;
        std::function<void(QSqlDatabase&, const QString&)> goAway;
    };
    const Case cases[] = {
        {"the connection closed", [](QSqlDatabase& db, const QString&) { db.close(); }},
        {"the file removed", [](QSqlDatabase&, const QString& path) { QFile::remove(path); }},
    };
    int connection = 0;
    for (const Case& c : cases) {
        QTemporaryDir folder;
        const QString path = folder.filePath("gone.db");
        QSqlDatabase db = sqliteFile(path, QStringLiteral("gone%1").arg(++connection));
        SqlDataset dataset;
        dataset.setDatabase(db);
        dataset.setTable("t");
        dataset.open();
        dataset.moveBy(1000);
        const Bookmark early = {10};
        c.goAway(db, path);
        // Back to a page's first row: the query runs again.
        expectDataError(
            [&] {
                dataset.gotoBookmark(early);
                dataset.value(0);
            },
            path);
    }
}

TEST(SqlDatasetStreaming, BookmarksTakenWhileStreamingHoldOnceEditingBegins) {
    QTemporaryDir folder;
    SqlDataset dataset;
    dataset.setDatabase(sqliteFile(folder.filePath("edit.db"), "edit-after-streaming"));
    QSqlQuery(QSqlDatabase::database("edit-after-streaming"))
        .exec("CREATE TABLE k (id INTEGER PRIMARY KEY, v TEXT)");
    QSqlQuery(QSqlDatabase::database("edit-after-streaming"))
        .exec("INSERT INTO k (v) VALUES ('a'), ('b'), ('c')");
    dataset.setTable("k");
    dataset.open();
    dataset.moveBy(1);
    const Bookmark b = dataset.bookmark();
    dataset.moveBy(1);
    dataset.edit();
    dataset.setValue(1, "C");
    dataset.post();
    dataset.gotoBookmark(b);
    EXPECT_EQ(dataset.value(1).toString(), "b");
    dataset.last();
    EXPECT_EQ(dataset.value(1).toString(), "C") << "the edit stands where it was made";
}

TEST(CsvDatasetStreaming, ABadValueFarDownIsADataErrorNamingTheFileAndLine) {
    QTemporaryDir folder;
    QByteArray csv = "n:dtInteger\n";
    for (int n = 1; n <= 999; ++n)
        csv += QByteArray::number(n) + "\n";
    csv += "ten\n";
    const QString path = folder.filePath("late.csv");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(csv);
    file.close();
    CsvDataset dataset;
    dataset.setFileName(path);
    dataset.open();
    EXPECT_EQ(dataset.moveBy(998), 998) << "opening did not read the file through";
    expectDataError([&] { dataset.moveBy(1); }, path + "\", line 1001:");
}

TEST(CsvDatasetStreaming, AFileCutWhileItIsReadIsADataError) {
    QTemporaryDir folder;
    const QString path = writeCsv(folder.filePath("cut.csv"), "n:dtInteger,name:dtString");
    CsvDataset dataset;
    dataset.setFileName(path);
    dataset.open();
    dataset.last();
    QFile::resize(path, 100);
    expectDataError([&] { dataset.first(); }, path);
}

} // namespace

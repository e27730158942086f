#include "CommandRun.h"
#include "CsvDataset.h"
#include "RenderCommand.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Each folder of tests/golden is one case: report.rtm, a CSV file per
// pipeline (named after the pipeline's user name), optionally "options"
// holding more render options on one line, and expected.dump; optionally
// also the files the render writes, compared byte for byte: expected.text
// (--text) and expected.report-text (--report-text). Adding a case is
// adding a folder. With PW_UPDATE_GOLDEN=1 the expected files are written
// instead of compared; read every rewritten one before committing it.

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString readText(const QString& path) {
    return QString::fromUtf8(readBytes(path));
}

// The files a case may expect besides the dump, by the option that writes them.
const std::pair<const char*, const char*> kExpectedFiles[] = {
    {"expected.text", "--text"},
    {"expected.report-text", "--report-text"},
};

QStringList renderArguments(const QDir& folder, const QDir& written) {
    QStringList arguments{folder.filePath("report.rtm"), "--dump"};
    for (const auto& [file, option] : kExpectedFiles)
        if (folder.exists(file))
            arguments << option << written.filePath(file);
    for (const QString& csv : folder.entryList({"*.csv"}, QDir::Files, QDir::Name))
        arguments << "--data" << QFileInfo(csv).completeBaseName() + u'=' + folder.filePath(csv);
    arguments << readText(folder.filePath("options")).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    return arguments;
}

// The first line where the two differ, with its neighbours, for the failure message.
std::string firstDifference(const QString& expected, const QString& actual) {
    const QStringList want = expected.split(u'\n');
    const QStringList got = actual.split(u'\n');
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i)
        if (want.value(i) != got.value(i))
            return QStringLiteral("line %1\n  expected: %2\n  actual:   %3")
                .arg(i + 1)
                .arg(want.value(i), got.value(i))
                .toStdString();
    return {};
}

class GoldenReport : public testing::TestWithParam<QString> {};

TEST_P(GoldenReport, RendersTheExpectedPages) {
    const QDir folder(QStringLiteral(PW_GOLDEN_DIR "/") + GetParam());
    const QTemporaryDir writtenFolder;
    const QDir written(writtenFolder.path());
    const CommandRun render = runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runRenderCommand(renderArguments(folder, written), out, err, clock);
    });
    ASSERT_EQ(render.status, 0) << render.err.toStdString();
    const QString& dump = render.out;
    const QString expectedPath = folder.filePath("expected.dump");
    const bool update = qEnvironmentVariableIntValue("PW_UPDATE_GOLDEN") == 1;
    if (update) {
        QFile file(expectedPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(dump.toUtf8());
    } else {
        const QString expected = readText(expectedPath);
        EXPECT_TRUE(expected == dump) << GetParam().toStdString() << ": " << firstDifference(expected, dump);
    }
    for (const auto& [name, option] : kExpectedFiles) {
        if (!folder.exists(name))
            continue;
        const QByteArray actual = readBytes(written.filePath(name));
        if (update) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(actual);
            continue;
        }
        const QByteArray expected = readBytes(folder.filePath(name));
        EXPECT_TRUE(expected == actual)
            << GetParam().toStdString() << ", " << name << ": "
            << firstDifference(QString::fromUtf8(expected), QString::fromUtf8(actual));
    }
}

// The rows of a CSV file as a table of the same name in a SQLite database,
// each column of the SQL type that reads back as the CSV's type; false when
// the rows hold a type SQLite has not (dates and times).
bool copyToSqlite(const QString& csvPath, const QString& table, QSqlDatabase& db) {
    CsvDataset rows;
    rows.setFileName(csvPath);
    rows.open();
    QStringList columns;
    QStringList marks;
    for (const FieldDef& def : rows.fieldDefs()) {
        QString type;
        switch (def.type) {
        case FieldType::Integer:
        case FieldType::LargeInt:
            type = QStringLiteral("INTEGER");
            break;
        case FieldType::Float:
        case FieldType::Currency:
            type = QStringLiteral("REAL");
            break;
        case FieldType::Boolean:
            type = QStringLiteral("BOOLEAN");
            break;
        case FieldType::String:
        case FieldType::Memo:
            type = QStringLiteral("TEXT");
            break;
        default:
            return false;
        }
        columns << QStringLiteral("\"%1\" %2").arg(def.name, type);
        marks << QStringLiteral("?");
    }
    QSqlQuery query(db);
    EXPECT_TRUE(query.exec(QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(table, columns.join(u','))));
    db.transaction();
    for (rows.first(); !rows.eof(); rows.next()) {
        query.prepare(QStringLiteral("INSERT INTO \"%1\" VALUES (%2)").arg(table, marks.join(u',')));
        for (int field = 0; field < rows.fieldDefs().size(); ++field)
            query.addBindValue(rows.value(field));
        EXPECT_TRUE(query.exec());
    }
    db.commit();
    return true;
}

// A page must not depend on where its rows come from: the same cases with
// every CSV file moved into a SQLite table give the same dump.
TEST_P(GoldenReport, RendersTheSamePagesFromSqlite) {
    const QDir folder(QStringLiteral(PW_GOLDEN_DIR "/") + GetParam());
    QTemporaryDir temporary;
    const QString database = temporary.filePath(QStringLiteral("rows.db"));
    QStringList arguments = renderArguments(folder, QDir(temporary.path()));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("golden-copy"));
        db.setDatabaseName(database);
        ASSERT_TRUE(db.open());
        for (QString& argument : arguments) {
            if (!argument.endsWith(u".csv") || !argument.contains(u'='))
                continue;
            const QString name = argument.section(u'=', 0, 0);
            if (!copyToSqlite(argument.section(u'=', 1), name, db)) {
                db.close();
                db = QSqlDatabase();
                QSqlDatabase::removeDatabase(QStringLiteral("golden-copy"));
                GTEST_SKIP() << "the rows hold dates or times, which SQLite keeps as text";
            }
            argument = name + QStringLiteral("=sqlite:") + database + QStringLiteral("?table=") + name;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("golden-copy"));
    const CommandRun render = runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runRenderCommand(arguments, out, err, clock);
    });
    ASSERT_EQ(render.status, 0) << render.err.toStdString();
    const QString expected = readText(folder.filePath("expected.dump"));
    EXPECT_TRUE(expected == render.out)
        << GetParam().toStdString() << ": " << firstDifference(expected, render.out);
}

QStringList goldenCases() {
    return QDir(QStringLiteral(PW_GOLDEN_DIR)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// A moved or misspelt folder would leave the suite with no case at all and nothing to fail.
TEST(GoldenCases, TheGoldenFolderHoldsCases) {
    EXPECT_FALSE(goldenCases().isEmpty()) << "no case folder under " PW_GOLDEN_DIR;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenReport, testing::ValuesIn(goldenCases()),
                         [](const testing::TestParamInfo<QString>& info) {
                             return info.param.toStdString();
                         });

} // namespace

#include "AdvisoryMessages.h"
#include "CommandRun.h"
#include "ExportCommand.h"
#include "MainWindowHarness.h"
#include "ScheduleWorkbook.h"
#include "WorkbookReader.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

CommandRun runExport(const QStringList& arguments) {
    return runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runExportCommand(arguments, out, err, clock, FormatSettings::invariant());
    });
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(ExportCommand, WritesTheScheduleAsTheSheetLaysItOutAndReplacesTheFileWhole) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("schedule.xlsx"));
    // A longer loan first, so that the second export must replace every row of it.
    ASSERT_EQ(runExport({"--xlsx", path, "--term", "3", "--term-unit", "year"}).status, 0);
    const CommandRun result = runExport({"--xlsx", path, "--start", "2024-03-15"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty());
    expectWorkedExampleWorkbook(path);
    EXPECT_EQ(filesIn(folder.path()), QStringList{"schedule.xlsx"}) << "no temporary file is left behind";
}

TEST(ExportCommand, RefusalsAndFailuresWriteNothing) {
    QTemporaryDir folder;
    QFile blocker(folder.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    struct Case {
        const char* name;
        QStringList arguments;
        int status;
        QString messageStart;
    };
    const Case cases[] = {
        {"no workbook named", {"--amount", "10000"}, 2, "kestrel export: --xlsx"},
        {"an input the edit box refuses",
         {"--xlsx", folder.filePath("a.xlsx"), "--amount", "ten"},
         2,
         advisory::notNumeric},
        {"a folder that cannot be made",
         {"--xlsx", folder.filePath("not-a-folder/a.xlsx")},
         1,
         "ADVISORY : Unable to write the workbook"},
    };
    for (const Case& c : cases) {
        const CommandRun result = runExport(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_TRUE(result.err.startsWith(c.messageStart)) << c.name << ": " << result.err.toStdString();
        EXPECT_EQ(filesIn(folder.path()), QStringList{"not-a-folder"}) << c.name;
    }
}

class ExportWindowTest : public testing::Test, protected MainWindowHarness {
protected:
    void SetUp() override { openWindow(); }
    QString documents(const QString& name) const { return QDir(services.documentsDir).filePath(name); }
};

TEST_F(ExportWindowTest, EachExportIsANewWorkbookNamedAfterTheLoanAndOpened) {
    click("btnCompute");
    click("Button3");
    click("Button3");
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
    const QString first = documents(QStringLiteral("Loan 10000 over 12 months at 6%.xlsx"));
    const QString second = documents(QStringLiteral("Loan 10000 over 12 months at 6% (2).xlsx"));
    EXPECT_EQ(opened,
              (QStringList{QUrl::fromLocalFile(first).toString(), QUrl::fromLocalFile(second).toString()}));
    expectWorkedExampleWorkbook(first);
    EXPECT_EQ(filesIn(services.documentsDir).size(), 2);
}

TEST_F(ExportWindowTest, NothingToExportOrNowhereToWriteOrNothingToOpenItSaysSo) {
    click("Button3");
    EXPECT_EQ(prompter.messages, QStringList{advisory::noRecords});
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(QDir(services.documentsDir).exists()) << "an empty schedule writes nothing";

    click("btnCompute");
    openerSucceeds = false;
    click("Button3");
    const QString path = documents(QStringLiteral("Loan 10000 over 12 months at 6%.xlsx"));
    EXPECT_EQ(prompter.messages.value(1), workbookNotOpened(path));
    EXPECT_EQ(filesIn(services.documentsDir), QStringList{QFileInfo(path).fileName()})
        << "the written workbook stays";

    writeFile(QStringLiteral("Blocked"), "a file where the documents folder would be");
    services.documentsDir = dir.filePath(QStringLiteral("Blocked/Documents"));
    openWindow();
    click("btnCompute");
    opened.clear();
    click("Button3");
    EXPECT_TRUE(prompter.messages.value(2).startsWith("ADVISORY : Unable to write the workbook "))
        << prompter.messages.value(2).toStdString();
    EXPECT_TRUE(opened.isEmpty());
}

} // namespace

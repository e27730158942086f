#include "ReportCommand.h"
#include "CommandRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Amortization.rtm is copied beside the test, as beside the program.
CommandRun run(const QStringList& arguments) {
    return runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runReportCommand(arguments, out, err, clock, FormatSettings::invariant(),
                                QCoreApplication::applicationDirPath());
    });
}

const QStringList kThirtyYears = {"--amount", "100000", "--term", "30", "--term-unit", "year", "--rate", "6"};

TEST(ReportCommand, ThirtyYearsPageWithTheHeaderOnEveryPage) {
    const CommandRun result = run(kThirtyYears + QStringList{"--dump"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QStringList pages = result.out.split(
        QRegularExpression("^page ", QRegularExpression::MultilineOption), Qt::SkipEmptyParts);
    ASSERT_GT(pages.size(), 1);
    const QString count = QString::number(pages.size());
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].startsWith(QStringLiteral("%1 of %2\n").arg(i + 1).arg(count)))
            << pages[i].left(20).toStdString();
        EXPECT_TRUE(pages[i].contains("\"Month/Year\"")) << "the header on page " << i + 1;
    }
    EXPECT_TRUE(pages[0].contains("\"100,000.00\"")) << "the loan amount label";
    EXPECT_TRUE(pages[0].contains("\"6.00%\"")) << "the rate label, not scaled";
    EXPECT_TRUE(pages[0].contains("\"360 months to pay\""));
    EXPECT_EQ(result.out.count(QRegularExpression("\"\\d\\d/\\d{4}\"")), 360) << "every month once";
}

TEST(ReportCommand, WritesOnePicturePerPage) {
    QTemporaryDir folder;
    const CommandRun dump = run(kThirtyYears + QStringList{"--dump"});
    const CommandRun pictures = run(kThirtyYears + QStringList{"--png", folder.path()});
    ASSERT_EQ(pictures.status, 0) << pictures.err.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(),
              dump.out.count(QRegularExpression("^page ", QRegularExpression::MultilineOption)));
}

TEST(ReportCommand, RefusalsAndErrorsGoToStandardError) {
    QTemporaryDir folder;
    const QString damaged = folder.filePath("damaged.rtm");
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("object Report1: TppReport\n  Columns = \n");
    file.close();
    struct Case {
        QStringList arguments;
        int status;
        QString message;
    };
    const Case cases[] = {
        {kThirtyYears + QStringList{"--dump", "--template", folder.filePath("missing.rtm")}, 2,
         "ADVISORY : Unable to find amortization report file."},
        {QStringList{"--amount", "ten", "--dump"}, 2, "ADVISORY : Not a valid numeric value."},
        {kThirtyYears + QStringList{"--dump", "--template", damaged}, 1, ""},
    };
    for (const Case& c : cases) {
        const CommandRun result = run(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
        if (!c.message.isEmpty()) {
            EXPECT_EQ(result.err.trimmed(), c.message);
        }
    }
}

} // namespace

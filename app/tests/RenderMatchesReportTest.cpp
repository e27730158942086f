#include "CommandRun.h"
#include "RenderCommand.h"
#include "ReportCommand.h"
#include "ScheduleCommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Below this the header band of Amortization.rtm ends: its value labels are
// the loan's figures, which `kestrel report` fills in and a template rendered
// over the schedule alone leaves as designed.
constexpr int kHeaderBottom = 6350 + 52652;

struct DumpLine {
    QString geometry; // class, left, top, width, height
    int top = 0;
    QString text;
};

DumpLine parse(const QString& line) {
    static const QRegularExpression shape(QStringLiteral("^(\\S+ -?\\d+ (-?\\d+) -?\\d+ -?\\d+)( (.*))?$"));
    const QRegularExpressionMatch match = shape.match(line);
    if (!match.hasMatch())
        return {line, -1, {}};
    return {match.captured(1), match.captured(2).toInt(), match.captured(4)};
}

CommandRun schedule(const QStringList& loan) {
    return runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runScheduleCommand(loan, out, err, clock, FormatSettings::invariant());
    });
}

CommandRun report(const QStringList& loan) {
    return runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runReportCommand(loan + QStringList{"--dump"}, out, err, clock, FormatSettings::invariant(),
                                QCoreApplication::applicationDirPath());
    });
}

CommandRun render(const QString& csv) {
    return runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runRenderCommand({QCoreApplication::applicationDirPath() + "/Amortization.rtm", "--data",
                                 "DBPipeline1=" + csv, "--dump"},
                                out, err, clock);
    });
}

TEST(RenderMatchesReport, TheTemplateOverTheScheduleCsvGivesThePagesOfTheReport) {
    const QStringList loans[] = {
        {"--amount", "100000", "--term", "30", "--term-unit", "year", "--rate", "6", "--start", "2024-03-15"},
        {"--amount", "25000", "--term", "61", "--rate", "7.25", "--start", "2023-11-30", "--extra-monthly",
         "120"},
    };
    QTemporaryDir folder;
    for (const QStringList& loan : loans) {
        const std::string name = loan.join(u' ').toStdString();
        const CommandRun csv = schedule(loan);
        ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
        const QString path = folder.filePath(QStringLiteral("schedule.csv"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(csv.out.toUtf8());
        file.close();

        const CommandRun expected = report(loan);
        const CommandRun actual = render(path);
        ASSERT_EQ(expected.status, 0) << name << ": " << expected.err.toStdString();
        ASSERT_EQ(actual.status, 0) << name << ": " << actual.err.toStdString();
        const QStringList want = expected.out.split(u'\n');
        const QStringList got = actual.out.split(u'\n');
        ASSERT_EQ(got.size(), want.size()) << name << ": as many pages and commands";
        ASSERT_GT(want.filter(QRegularExpression("^page ")).size(), 1) << name;
        int filledIn = 0;
        for (qsizetype i = 0; i < want.size(); ++i) {
            const DumpLine w = parse(want[i]);
            const DumpLine g = parse(got[i]);
            ASSERT_EQ(g.geometry, w.geometry) << name << ", line " << i + 1;
            if (g.text != w.text && w.top >= 0 && w.top < kHeaderBottom) {
                ++filledIn;
                continue;
            }
            EXPECT_EQ(g.text, w.text) << name << ", line " << i + 1 << ": " << want[i].toStdString();
        }
        EXPECT_GT(filledIn, 0) << "the header's value labels are the only texts that differ";
    }
}

} // namespace

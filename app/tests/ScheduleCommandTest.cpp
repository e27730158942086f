#include "ScheduleCommand.h"
#include "CommandRun.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

CommandRun run(const QStringList& arguments) {
    return runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runScheduleCommand(arguments, out, err, clock, FormatSettings::invariant());
    });
}

const char* const kWorkedExample = "DATE,PAYMENT,PRINCIPAL_PAID,INTEREST_PAID,TOTAL_INTEREST,BALANCE\n"
                                   "04/2024,860.664,810.664,50.000,50.000,9189.336\n"
                                   "05/2024,860.664,814.717,45.947,95.947,8374.619\n"
                                   "06/2024,860.664,818.791,41.873,137.820,7555.828\n"
                                   "07/2024,860.664,822.885,37.779,175.599,6732.943\n"
                                   "08/2024,860.664,826.999,33.665,209.264,5905.944\n"
                                   "09/2024,860.664,831.134,29.530,238.794,5074.810\n"
                                   "10/2024,860.664,835.290,25.374,264.168,4239.520\n"
                                   "11/2024,860.664,839.466,21.198,285.366,3400.054\n"
                                   "12/2024,860.664,843.664,17.000,302.366,2556.390\n"
                                   "01/2025,860.664,847.882,12.782,315.148,1708.508\n"
                                   "02/2025,860.664,852.121,8.543,323.691,856.387\n"
                                   "03/2025,856.387,852.105,4.282,327.973,0.000\n";

TEST(ScheduleCommand, WorkedExampleAsCsv) {
    const CommandRun r = run({"--amount", "10000", "--term", "12", "--term-unit", "month", "--rate", "6",
                              "--start", "2024-03-15"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), kWorkedExample);
}

TEST(ScheduleCommand, ExtrasByMonthName) {
    const CommandRun r = run({"--start", "2024-03-15", "--extra-monthly", "100", "--extra-yearly", "1000",
                              "--yearly-month", "Jun", "--extra-once", "500", "--once-date", "2024-09-01"});
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("06/2024,1960.664,"));
    EXPECT_TRUE(r.out.contains("09/2024,1460.664,"));
    EXPECT_TRUE(r.out.trimmed().endsWith("0.000"));
    EXPECT_TRUE(r.out.contains("\n01/2025,100.263,"));
    EXPECT_EQ(run({"--yearly-month", "6", "--extra-yearly", "1000", "--start", "2024-03-15"}).out,
              run({"--yearly-month", "jun", "--extra-yearly", "1000", "--start", "2024-03-15"}).out);
}

TEST(ScheduleCommand, RefusedInputPrintsTheAdvisoryAndNoRows) {
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{"--amount", "abc"}, "ADVISORY : Not a valid numeric value.\n"},
        {{"--term", "12.5"}, "ADVISORY : Not a valid numeric value.\n"},
        {{"--term", "0"}, "ADVISORY : The loan term must be greater than zero.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandRun r = run(c.arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.toStdString(), c.message);
    }
}

TEST(ScheduleCommand, UsageErrors) {
    for (const QStringList& arguments :
         {QStringList{"--bogus", "1"}, QStringList{"--amount"}, QStringList{"--start", "15/03/2024"},
          QStringList{"--yearly-month", "13"}, QStringList{"--term-unit", "week"}}) {
        const CommandRun r = run(arguments);
        EXPECT_EQ(r.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("kestrel schedule: ")) << r.err.toStdString();
    }
}

TEST(KestrelProgram, ScheduleAndHelpFromTheCommandLine) {
    QProcess process;
    process.start(QStringLiteral(KESTREL_EXECUTABLE),
                  {"schedule", "--amount", "10000", "--term", "1", "--term-unit", "year", "--rate", "6",
                   "--start", "2024-03-15"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), kWorkedExample);

    process.start(QStringLiteral(KESTREL_EXECUTABLE), {"--help"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("kestrel schedule"));
}

} // namespace

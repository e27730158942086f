#include "CommandRun.h"
#include "RenderCommand.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

// Each folder of tests/golden is one case: report.rtm, a CSV file per
// pipeline (named after the pipeline's user name), optionally "options"
// holding more render options on one line, and expected.dump. Adding a case
// is adding a folder. With PW_UPDATE_GOLDEN=1 the dumps are written instead
// of compared; read every rewritten dump before committing it.

namespace {

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList renderArguments(const QDir& folder) {
    QStringList arguments{folder.filePath("report.rtm"), "--dump"};
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
            return QStringLiteral("line %1\n  expected: %2\n  actual:   %3").arg(i + 1).arg(want.value(i), got.value(i)).toStdString();
    return {};
}

class GoldenReport : public testing::TestWithParam<QString> {};

TEST_P(GoldenReport, RendersTheExpectedPages) {
    const QDir folder(QStringLiteral(PW_GOLDEN_DIR "/") + GetParam());
    const CommandRun render = runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runRenderCommand(renderArguments(folder), out, err, clock);
    });
    ASSERT_EQ(render.status, 0) << render.err.toStdString();
    const QString& dump = render.out;
    const QString expectedPath = folder.filePath("expected.dump");
    if (qEnvironmentVariableIntValue("PW_UPDATE_GOLDEN") == 1) {
        QFile file(expectedPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(dump.toUtf8());
        return;
    }
    const QString expected = readText(expectedPath);
    EXPECT_TRUE(expected == dump) << GetParam().toStdString() << ": " << firstDifference(expected, dump);
}

QStringList goldenCases() {
    return QDir(QStringLiteral(PW_GOLDEN_DIR)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenReport);
INSTANTIATE_TEST_SUITE_P(Cases, GoldenReport, testing::ValuesIn(goldenCases()),
                         [](const testing::TestParamInfo<QString>& info) {
                             return info.param.toStdString();
                         });

} // namespace

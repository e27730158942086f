#include "CommandRun.h"
#include "RenderCommand.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
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

QString readText(const QString& path) { return QString::fromUtf8(readBytes(path)); }

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
            return QStringLiteral("line %1\n  expected: %2\n  actual:   %3").arg(i + 1).arg(want.value(i), got.value(i)).toStdString();
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
        EXPECT_TRUE(expected == actual) << GetParam().toStdString() << ", " << name << ": "
                                        << firstDifference(QString::fromUtf8(expected), QString::fromUtf8(actual));
    }
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

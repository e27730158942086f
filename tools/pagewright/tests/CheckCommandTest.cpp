#include "CheckCommand.h"
#include "CommandRun.h"
#include "ComponentStream.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CommandRun check(const QStringList& arguments) {
    return runCommand(runCheckCommand, arguments);
}

const QByteArray kTemplate = "object Report1: TppReport\r\n"
                             "  DataPipeline = ppDBPipeline1\r\n"
                             "  object ppHeaderBand1: TppHeaderBand\r\n"
                             "    mmHeight = 52652\r\n"
                             "    object ppComponent1: TppComponent\r\n"
                             "      mmHeight = 3969\r\n"
                             "    end\r\n"
                             "  end\r\n"
                             "  object ppDetailBand1: TppDetailBand\r\n"
                             "  end\r\n"
                             "end\r\n";

QString writeFile(const QTemporaryDir& folder, const char* name, const QByteArray& bytes) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

TEST(CheckCommand, ALoadingTemplateIsOkWithWhatItHolds) {
    QTemporaryDir folder;
    for (const auto& [name, bytes] :
         {std::pair{"text.rtm", kTemplate},
          std::pair{"binary.rtm",
                    writeComponentStream(parseComponentStream(kTemplate), StreamForm::Binary)}}) {
        const CommandRun run = check({writeFile(folder, name, bytes)});
        EXPECT_EQ(run.status, 0) << name << ": " << run.err.toStdString();
        EXPECT_EQ(run.out, "ok: 2 bands, 0 groups, 1 component\n"
                           "outside the template: Report1.DataPipeline: ppDBPipeline1\n")
            << name;
    }
}

TEST(CheckCommand, TheShippedAmortizationTemplateIsOk) {
    const CommandRun run = check({QStringLiteral(PW_SOURCE_DIR "/app/Amortization.rtm")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    QString expected = "ok: 5 bands, 1 group, 30 components\n"
                       "outside the template: Report1.DataPipeline: ppDBPipeline1\n";
    for (int text = 1; text <= 6; ++text)
        expected +=
            QStringLiteral("outside the template: ppDBText%1.DataPipeline: ppDBPipeline1\n").arg(text);
    expected += "outside the template: ppGroup1.DataPipeline: ppDBPipeline1\n";
    EXPECT_EQ(run.out, expected);
}

TEST(CheckCommand, ATemplateThatDoesNotLoadSaysWhyAndWhere) {
    QTemporaryDir folder;
    const QByteArray binary = writeComponentStream(parseComponentStream(kTemplate), StreamForm::Binary);
    struct Row {
        const char* name;
        QString path;
        const char* message;
    };
    const Row rows[] = {
        {"truncated", writeFile(folder, "cut.rtm", binary.first(60)),
         ": Invalid component stream at byte 52, in Report1: a class name needs 13 bytes, 8 remain"},
        {"an unknown class",
         writeFile(folder, "class.rtm", QByteArray(kTemplate).replace("TppComponent", "TppGizmo")),
         ": Error reading ppComponent1: Class TppGizmo not found"},
        {"not a template", writeFile(folder, "letter.rtm", "Dear user,"), ": Invalid Template Format"},
        {"missing", folder.filePath("missing.rtm"), ": File not found: "},
    };
    for (const Row& row : rows) {
        const CommandRun run = check({row.path});
        EXPECT_EQ(run.status, 1) << row.name;
        EXPECT_TRUE(run.out.isEmpty()) << row.name;
        EXPECT_TRUE(run.err.startsWith("pagewright check: " + row.path + QLatin1String(row.message)))
            << row.name << ": " << run.err.toStdString();
    }
    EXPECT_EQ(check({}).status, 2);
}

// Every faulty object or property is named with where it stands, as the
// rest of the template reads on; any of them fails the check.
TEST(CheckCommand, EveryReadErrorIsNamedWithItsPlace) {
    QTemporaryDir folder;
    const QByteArray text = "object Report1: TppReport\r\n"
                            "  Colour = 1\r\n"
                            "  object ppHeaderBand1: TppHeaderBand\r\n"
                            "    object ppLabel1: TppLabel\r\n"
                            "      Font.Color = clChartreuse\r\n"
                            "    end\r\n"
                            "    object ppGizmo1: TppGizmo\r\n"
                            "    end\r\n"
                            "  end\r\n"
                            "end\r\n";
    const QString textPath = writeFile(folder, "text.rtm", text);
    const CommandRun run = check({textPath});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    const QString prefix = "pagewright check: " + textPath + ": ";
    EXPECT_EQ(run.err,
              prefix + "Error reading Report1.Colour: Property Colour does not exist (at line 2)\n" + prefix +
                  "Error reading ppLabel1.Font.Color: Invalid property value: unknown name clChartreuse "
                  "(at line 5)\n" +
                  prefix + "Error reading ppGizmo1: Class TppGizmo not found (at line 7)\n");

    // The binary form says the byte.
    const QString binaryPath =
        writeFile(folder, "binary.rtm", writeComponentStream(parseComponentStream(text), StreamForm::Binary));
    const CommandRun binary = check({binaryPath});
    EXPECT_EQ(binary.status, 1);
    EXPECT_EQ(binary.err.count(QStringLiteral("(at byte ")), 3) << binary.err.toStdString();
}

} // namespace

#include "ResaveCommand.h"
#include "CommandRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CommandRun resave(const QStringList& arguments) {
    return runCommand(runResaveCommand, arguments);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString writeFile(const QTemporaryDir& folder, const char* name, const QByteArray& bytes) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

const QString kExample = QStringLiteral(PW_GOLDEN_DIR "/main_window_report_example/report.rtm");

// The lines of `expected` appear in `actual` in the same order (others may
// stand between them).
void expectInOrder(const QByteArray& actual, const QByteArray& expected) {
    const QList<QByteArray> lines = actual.split('\n');
    qsizetype at = 0;
    for (const QByteArray& wanted : expected.split('\n')) {
        if (wanted.trimmed().isEmpty())
            continue;
        while (at < lines.size() && lines[at].trimmed() != wanted.trimmed())
            ++at;
        ASSERT_LT(at, lines.size()) << "missing or out of order: " << wanted.toStdString() << "\nin:\n"
                                    << actual.toStdString();
        ++at;
    }
}

// What the program writes is what the example of a stored report shows, line
// for line where it shows them; and writing what it wrote changes nothing.
TEST(ResaveCommand, WritesTheExampleReportAsTheExampleShowsIt) {
    QTemporaryDir folder;
    const QString text = folder.filePath("text.rtm");
    const CommandRun run = resave({kExample, text, "--to", "text"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QByteArray written = readFile(text);
    // The paper's name is the one the printer gives the size; this machine has none that says "Letter".
    expectInOrder(written, readFile(kExample).replace("  PrinterSetup.PaperName = 'Letter'\r\n", ""));
    EXPECT_FALSE(written.contains("Font.Height")) << "the size in points is what is kept";
    EXPECT_TRUE(written.contains("      Font.Size = 10\r\n"));

    const QString binary = folder.filePath("binary.rtm");
    const QString again = folder.filePath("again.rtm");
    ASSERT_EQ(resave({text, binary, "--to", "binary"}).status, 0);
    EXPECT_TRUE(readFile(binary).startsWith("TPF0"));
    ASSERT_EQ(resave({binary, again, "--to", "text"}).status, 0);
    EXPECT_EQ(readFile(again).toStdString(), written.toStdString());
    ASSERT_EQ(resave({again, again}).status, 0) << "IN and OUT may be one file, its form kept";
    EXPECT_EQ(readFile(again).toStdString(), written.toStdString());
}

// Templates of older programs come back in today's form: pixel heights as
// point sizes, colours and character sets by name, lines as lists.
TEST(ResaveCommand, BringsOlderFormsUpToDate) {
    QTemporaryDir folder;
    const QString old = writeFile(folder, "old.rtm",
                                  "object Report1: TppReport\r\n"
                                  "  object ppHeaderBand1: TppHeaderBand\r\n"
                                  "    mmHeight = 20000\r\n"
                                  "    object ppMemo1: TppMemo\r\n"
                                  "      Color = 65535\r\n"
                                  "      Font.Charset = 204\r\n"
                                  "      Font.Color = 8388608\r\n"
                                  "      Font.Height = -16\r\n"
                                  "      Lines.Strings = (\r\n"
                                  "        'one'\r\n"
                                  "        'two')\r\n"
                                  "      mmHeight = 5000\r\n"
                                  "      mmWidth = 30000\r\n"
                                  "      BandType = 0\r\n"
                                  "    end\r\n"
                                  "  end\r\n"
                                  "end\r\n");
    const QString out = folder.filePath("new.rtm");
    const CommandRun run = resave({old, out});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    expectInOrder(readFile(out), "      Color = clYellow\r\n"
                                 "      Font.Charset = RUSSIAN_CHARSET\r\n"
                                 "      Font.Color = clNavy\r\n"
                                 "      Font.Size = 12\r\n"
                                 "      Lines.Strings = (\r\n"
                                 "        'one'\r\n"
                                 "        'two')\r\n");
}

TEST(ResaveCommand, RefusesWhatItWouldLose) {
    QTemporaryDir folder;
    const QString out = folder.filePath("out.rtm");
    struct Row {
        const char* name;
        QStringList arguments;
        int status;
        const char* message;
    };
    const Row rows[] = {
        {"a reference to nothing the template holds",
         {writeFile(folder, "ref.rtm",
                    "object Report1: TppReport\r\n"
                    "  object ppHeaderBand1: TppHeaderBand\r\n"
                    "    object ppMemo1: TppMemo\r\n"
                    "      ShiftRelativeTo = ppNowhere\r\n"
                    "    end\r\n"
                    "  end\r\n"
                    "end\r\n"),
          out},
         1,
         "ppNowhere"},
        {"a property that does not read",
         {writeFile(folder, "bad.rtm", "object Report1: TppReport\r\n  Colour = 1\r\nend\r\n"), out},
         1,
         "Report1.Colour"},
        {"no OUT", {kExample}, 2, "expected IN and OUT"},
        {"an unknown form", {kExample, out, "--to", "pdf"}, 2, "--to takes text or binary"},
    };
    for (const Row& row : rows) {
        const CommandRun run = resave(row.arguments);
        EXPECT_EQ(run.status, row.status) << row.name;
        EXPECT_TRUE(run.err.contains(QLatin1String(row.message)))
            << row.name << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << row.name << ": nothing is written";
    }
}

} // namespace

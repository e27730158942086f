#include "ConvertCommand.h"
#include "BinaryStreamWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CommandRun {
    int status;
    std::string err;
};

CommandRun convert(const QStringList& arguments) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = runConvertCommand(arguments, outStream, errStream);
    errStream.flush();
    return {status, err.toStdString()};
}

// A template as a report writes one: its object after "TPF0", then the end byte.
QByteArray binaryTemplate() {
    StreamObject band;
    band.className = "TppHeaderBand";
    band.name = "ppHeaderBand1";
    band.properties = {{"mmHeight", StreamValue::fromInteger(52652)}};
    StreamObject report;
    report.className = "TppReport";
    report.name = "Report1";
    report.properties = {{"PrinterSetup.PaperName", StreamValue::fromString("Letter")},
                         {"Ratio", StreamValue::fromExtended(Extended80::fromDouble(0.1))},
                         {"Data", StreamValue::fromBinary(QByteArray(40, '\x07'))}};
    report.children = {band};
    QByteArray data;
    BinaryStreamWriter(data).writeComponents({report});
    return data;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

TEST(ConvertCommand, BinaryToTextAndBackGivesTheSameBytes) {
    QTemporaryDir dir;
    const QString binary = dir.filePath("Amortization.rtm");
    const QString text = dir.filePath("Amortization.txt");
    const QString back = dir.filePath("Back.rtm");
    writeFile(binary, binaryTemplate());

    EXPECT_EQ(convert({binary, text, "--to", "text"}).status, 0);
    EXPECT_TRUE(
        readFile(text).startsWith("object Report1: TppReport\r\n  PrinterSetup.PaperName = 'Letter'\r\n"))
        << readFile(text).constData();
    EXPECT_EQ(convert({"--to", "binary", text, back}).status, 0);
    EXPECT_EQ(readFile(back).toHex(), binaryTemplate().toHex());
}

TEST(ConvertCommand, RefusesWhatItCannotConvertAndLeavesNoOutput) {
    QTemporaryDir dir;
    const QString damaged = dir.filePath("damaged.rtm");
    const QString output = dir.filePath("out.txt");
    QByteArray data = binaryTemplate();
    data.chop(20);
    writeFile(damaged, data);

    const CommandRun truncated = convert({damaged, output, "--to", "text"});
    EXPECT_EQ(truncated.status, 1);
    EXPECT_NE(truncated.err.find("damaged.rtm: Invalid component stream at byte"), std::string::npos)
        << truncated.err;
    EXPECT_FALSE(QFile::exists(output));

    writeFile(output, "keep me");
    EXPECT_EQ(convert({damaged, output, "--to", "text"}).status, 1);
    EXPECT_EQ(readFile(output), "keep me") << "a failed conversion leaves an existing file alone";

    const CommandRun missing = convert({dir.filePath("none.rtm"), output, "--to", "text"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos) << missing.err;

    writeFile(damaged, "no stream here");
    EXPECT_NE(convert({damaged, output, "--to", "binary"}).err.find("Invalid stream format"),
              std::string::npos);
}

TEST(ConvertCommand, ArgumentsAreChecked) {
    struct Row {
        QStringList arguments;
        const char* problem;
    };
    const Row rows[] = {
        {{"in", "out"}, "say which form to write with --to text or --to binary"},
        {{"in", "out", "--to", "xml"}, "--to takes text or binary, not \"xml\""},
        {{"in", "--to", "text"}, "expected IN and OUT"},
        {{"in", "out", "--to"}, "--to needs text or binary"},
        {{"in", "out", "--quiet"}, "unknown option \"--quiet\""},
    };
    for (const Row& row : rows) {
        const CommandRun run = convert(row.arguments);
        EXPECT_EQ(run.status, 2) << row.problem;
        EXPECT_EQ(run.err.rfind(std::string("pagewright convert: ") + row.problem + "\nUsage: ", 0), 0u)
            << run.err;
    }
}

} // namespace

#include "ArchiveCommand.h"
#include "CommandRun.h"
#include "DataSource.h"
#include "DataSourceOption.h"
#include "RenderCommand.h"
#include "TemplateClasses.h"
#include "TppDBPipeline.h"
#include "TppReport.h"
#include "TppReportTemplate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The files a report writes (text, report text, archive) from the command
// line and through the report's own output choice, and archives read back.

namespace {

const QDir golden(QStringLiteral(PW_GOLDEN_DIR));

CommandRun render(const QStringList& arguments) {
    return runCommand([&](QTextStream& out, QTextStream& err, const Clock& clock) {
        return runRenderCommand(arguments, out, err, clock);
    });
}

CommandRun archive(const QStringList& arguments) {
    return runCommand(runArchiveCommand, arguments);
}

// The render options of a golden case: its template and its CSV files.
QStringList caseArguments(const QString& name) {
    const QDir folder(golden.filePath(name));
    QStringList arguments{folder.filePath("report.rtm")};
    for (const QString& csv : folder.entryList({"*.csv"}, QDir::Files, QDir::Name))
        arguments << "--data" << QFileInfo(csv).completeBaseName() + u'=' + folder.filePath(csv);
    return arguments;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ArchiveRoundTrip : public testing::TestWithParam<const char*> {};

// Word-wrapped memos across pages, many pages of numbers and lines, saved
// texts with quotes: every page comes back as it was rendered.
TEST_P(ArchiveRoundTrip, TheArchivedPagesAreThePagesRendered) {
    QTemporaryDir folder;
    const QString file = folder.filePath("report.raf");
    const CommandRun rendered = render(caseArguments(GetParam()) << "--dump"
                                                                 << "--archive" << file);
    ASSERT_EQ(rendered.status, 0) << rendered.err.toStdString();
    const CommandRun read = archive({file, "--dump"});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_TRUE(read.out == rendered.out) << "the dumps differ";
    EXPECT_TRUE(read.out.startsWith("page 1 of"));
}

INSTANTIATE_TEST_SUITE_P(Cases, ArchiveRoundTrip,
                         testing::Values("memo_across_pages", "amortization_one_year", "text_file_comma"));

TEST(ArchiveCommand, WritesThePicturesOfTheArchivedPages) {
    QTemporaryDir folder;
    const QString file = folder.filePath("report.raf");
    ASSERT_EQ(render(caseArguments("text_file_comma") << "--archive" << file).status, 0);
    const QString pictures = folder.filePath("pages");
    const CommandRun run = archive({file, "--png", pictures});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(pictures).entryList(QDir::Files, QDir::Name),
              QStringList({"page-0001.png", "page-0002.png"}));
}

TEST(ArchiveCommand, RefusesADamagedArchiveAndMistakenUse) {
    QTemporaryDir folder;
    const QString file = folder.filePath("short.raf");
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("\x0c\0\0\0\0\0\0\0", 8)); // one page listed, its data missing
    damaged.close();
    const CommandRun run = archive({file, "--dump"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("The archive is damaged") && run.err.contains("truncated"))
        << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    for (const QStringList& arguments :
         {QStringList{file}, QStringList{"--dump"}, QStringList{file, "x", "--dump"}})
        EXPECT_EQ(archive(arguments).status, 2) << arguments.join(' ').toStdString();
}

TEST(RenderFileOptions, AFileOptionAloneIsAnOutputAndEachNeedsItsFile) {
    QTemporaryDir folder;
    const QString text = folder.filePath("out.txt");
    const CommandRun run = render(caseArguments("text_file_comma") << "--text" << text);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << "no dump asked for";
    EXPECT_EQ(readBytes(text), readBytes(golden.filePath("text_file_comma/expected.text")));
    for (const char* option : {"--text", "--report-text", "--archive"}) {
        const CommandRun missing = render(caseArguments("text_file_comma") << option);
        EXPECT_EQ(missing.status, 2) << option;
        EXPECT_TRUE(missing.err.contains(QStringLiteral("%1 needs a file").arg(option)))
            << missing.err.toStdString();
    }
}

// DeviceType "TextFile" without a print dialog writes TextFileName in the
// template's TextFileType, through the report's save-text step.
TEST(ReportOutput, PrintingToTheTextFileDeviceWritesTheTextFile) {
    registerTemplateClasses();
    const QDir folder(golden.filePath("text_file_fixed_length"));
    auto dataset = DataSourceOption::parse("Rows=" + folder.filePath("Rows.csv"))->open();
    OwnedComponent form;
    form.SetName("Form1");
    auto* source = new DataSource(&form, dataset.get());
    auto* pipeline = new TppDBPipeline(&form);
    pipeline->SetName("ppRows");
    pipeline->SetUserName("Rows");
    pipeline->SetDataSource(source);
    auto* report = new TppReport(&form);
    report->SetName("Report1");
    TppReportTemplate& layout = ReportTemplate(*report);
    layout.SetFileName(folder.filePath("report.rtm"));
    layout.LoadFromFile();
    QTemporaryDir written;
    report->SetDeviceType("TextFile");
    report->SetShowPrintDialog(false);
    report->SetTextFileName(written.filePath("out.txt"));
    QStringList saved;
    report->OnSaveText.handler = [&](TppCommunicator*, QString& text) { saved << text; };
    report->Print();
    EXPECT_EQ(readBytes(written.filePath("out.txt")), readBytes(folder.filePath("expected.text")));
    EXPECT_EQ(saved.size(), 9) << "three values a record, three records";
    EXPECT_FALSE(report->Producing());
    EXPECT_EQ(report->FileDevice(), nullptr) << "the device lives for the job";
}

} // namespace

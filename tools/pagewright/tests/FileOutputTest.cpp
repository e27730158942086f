#include "ArchiveCommand.h"
#include "ArchiveReader.h"
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
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
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
// texts with quotes: every page comes back as it was rendered, except that
// only the last page keeps its outline, which holds the others'.
TEST_P(ArchiveRoundTrip, TheArchivedPagesAreThePagesRendered) {
    QTemporaryDir folder;
    const QString file = folder.filePath("report.raf");
    const CommandRun rendered = render(caseArguments(GetParam()) << "--dump"
                                                                 << "--archive" << file);
    ASSERT_EQ(rendered.status, 0) << rendered.err.toStdString();
    const CommandRun read = archive({file, "--dump"});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    QStringList expected = rendered.out.split(u'\n');
    bool last = true;
    for (qsizetype i = expected.size() - 1; i >= 0; --i) {
        if (!expected[i].startsWith(u"TppOutlineDrawCommand "))
            continue;
        if (!last)
            expected.removeAt(i);
        last = false;
    }
    EXPECT_FALSE(last) << "the last page has its outline";
    EXPECT_TRUE(read.out == expected.join(u'\n')) << "the dumps differ";
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

// What poppler's tools, an independent reader, find in a PDF file.
struct PdfPages {
    int count = 0;
    QString title;
    QList<QSizeF> sizes; // in points
    QStringList texts;   // one per page, blanks collapsed
};

QString toolOutput(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

PdfPages readPdf(const QString& file) {
    PdfPages pdf;
    const QString info = toolOutput("pdfinfo", {"-f", "1", "-l", "100000", file});
    static const QRegularExpression pages("^Pages:\\s+(\\d+)$", QRegularExpression::MultilineOption);
    static const QRegularExpression title("^Title:\\s+(.*)$", QRegularExpression::MultilineOption);
    static const QRegularExpression size("^Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts",
                                         QRegularExpression::MultilineOption);
    pdf.count = pages.match(info).captured(1).toInt();
    pdf.title = title.match(info).captured(1).trimmed();
    for (auto it = size.globalMatch(info); it.hasNext();) {
        const auto match = it.next();
        pdf.sizes.append(QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()));
    }
    for (int page = 1; page <= pdf.count; ++page)
        pdf.texts.append(
            toolOutput("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), file, "-"})
                .simplified());
    return pdf;
}

// Each page of a dump as the texts of its commands, decoded from their JSON strings.
QList<QStringList> dumpTexts(const QString& dump) {
    QList<QStringList> pages;
    static const QRegularExpression text("^\\S+ -?\\d+ -?\\d+ -?\\d+ -?\\d+ (\".*\")$");
    for (const QString& line : dump.split(u'\n')) {
        if (line.startsWith("page ")) {
            pages.append(QStringList());
        } else if (const auto match = text.match(line); match.hasMatch() && !pages.isEmpty()) {
            const QJsonArray decoded =
                QJsonDocument::fromJson(("[" + match.captured(1) + "]").toUtf8()).array();
            pages.last().append(decoded.at(0).toString());
        }
    }
    return pages;
}

class PdfMatchesDump : public testing::TestWithParam<const char*> {};

// Every page of the PDF is the page of the dump: as many, each on its own
// paper, and every text the page draws is text a reader finds there.
TEST_P(PdfMatchesDump, PageForPage) {
    QTemporaryDir folder;
    const QString pdfFile = folder.filePath("report.pdf");
    const QString archiveFile = folder.filePath("report.raf");
    const CommandRun rendered =
        render(caseArguments(GetParam()) << "--dump"
                                         << "--pdf" << pdfFile << "--archive" << archiveFile);
    ASSERT_EQ(rendered.status, 0) << rendered.err.toStdString();
    const QList<QStringList> texts = dumpTexts(rendered.out);
    const auto pages = ReadArchiveFile(archiveFile);
    const PdfPages pdf = readPdf(pdfFile);
    ASSERT_EQ(pdf.count, texts.size());
    ASSERT_EQ(pdf.sizes.size(), texts.size());
    ASSERT_EQ(pages.size(), size_t(texts.size()));
    for (int k = 0; k < pdf.count; ++k) {
        const TppPageDef& paper = pages[k]->PageDef();
        EXPECT_NEAR(pdf.sizes[k].width(), paper.mmWidth / 25400.0 * 72, 1) << "page " << k + 1;
        EXPECT_NEAR(pdf.sizes[k].height(), paper.mmHeight / 25400.0 * 72, 1) << "page " << k + 1;
        for (const QString& text : texts[k])
            EXPECT_TRUE(pdf.texts[k].contains(text.simplified()))
                << "page " << k + 1 << " lacks " << text.toStdString()
                << "\nit holds: " << pdf.texts[k].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PdfMatchesDump,
                         testing::Values("page_n_of_m", "memo_across_pages", "amortization_one_year",
                                         "two_columns"));

TEST(ArchiveCommand, WritesThePdfOfTheArchivedPages) {
    QTemporaryDir folder;
    const QString file = folder.filePath("report.raf");
    ASSERT_EQ(render(caseArguments("page_n_of_m") << "--archive" << file).status, 0);
    const QString pdfFile = folder.filePath("again.pdf");
    const CommandRun run = archive({file, "--pdf", pdfFile});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const PdfPages pdf = readPdf(pdfFile);
    EXPECT_EQ(pdf.count, 3);
    EXPECT_TRUE(pdf.texts.value(2).contains("Page 3 of 3")) << pdf.texts.value(2).toStdString();
}

// A workbook as openpyxl, an independent reader, finds it: cell values,
// types and number formats by reference.
QJsonObject readWorkbook(const QString& file) {
    QProcess reader;
    reader.start(QStringLiteral(PW_PYTHON), {QStringLiteral(PW_WORKBOOK_READER), file});
    reader.waitForFinished(60000);
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

TEST(SpreadsheetFile, OneRowPerRecordWithNumbersDatesAndTimesTyped) {
    QTemporaryDir folder;
    const QString file = folder.filePath("rows.xlsx");
    const CommandRun rendered = render(caseArguments("spreadsheet_typed_values") << "--xlsx" << file);
    ASSERT_EQ(rendered.status, 0) << rendered.err.toStdString();
    const QJsonObject book = readWorkbook(file);
    ASSERT_FALSE(book.isEmpty()) << "openpyxl could not read the workbook";
    EXPECT_EQ(book["maxRow"].toInt(), 3) << "one row per detail band; the title band does not save";
    EXPECT_EQ(book["maxColumn"].toInt(), 6);
    QMap<QString, QJsonObject> cells;
    for (const QJsonValue cell : book["cells"].toArray())
        cells[cell["ref"].toString()] = cell.toObject();
    struct Expected {
        const char* ref;
        QJsonValue value;
        const char* type; // openpyxl's: s text, n number (dates are numbers shown as dates: d)
        const char* format;
        const char* why;
    };
    const Expected expected[] = {
        {"A1", "Smith, John", "s", "General", "a text stays text, comma and all"},
        {"B1", 12, "n", "General", "an integer field without a format"},
        {"C1", 1234.5, "n", "#,0.00", "the display format shows the number"},
        {"D1", "2024-03-15 00:00:00", "d", "mm/dd/yyyy", "a date is a date cell with its picture"},
        {"E1", "2024-03-15 14:30:00", "d", "dd.mm.yyyy hh:mm", "a date-time keeps its minutes"},
        {"F1", "08:15:30", "d", "hh:mm:ss", "a time of the day is a time cell"},
        {"C2", 0.25, "n", "#,0.00", "every record of the page"},
        {"A3", "5\" pipe", "s", "General", "quotes are kept as they are"},
        {"B3", QJsonValue::Null, "n", "General", "an empty value is an empty cell"},
        {"D3", "2025-01-01 00:00:00", "d", "mm/dd/yyyy", "records on the second page follow"},
    };
    for (const Expected& e : expected) {
        const QJsonObject cell = cells.value(e.ref);
        EXPECT_EQ(cell["value"], e.value) << e.ref << ": " << e.why;
        EXPECT_EQ(cell["type"].toString(), e.type) << e.ref << ": " << e.why;
        EXPECT_EQ(cell["format"].toString(), e.format) << e.ref << ": " << e.why;
    }
}

} // namespace

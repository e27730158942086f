#include "TppDrawLine.h"
#include "TppDrawText.h"
#include "TppOutlineDrawCommand.h"
#include "TppOutlineNode.h"
#include "TppPage.h"
#include "TppPdfFileDevice.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The PDF device read back by poppler's tools, an independent reader.

namespace {

QString toolOutput(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// Width and height as drawn: the paper turned by the orientation.
struct Paper {
    const char* name;
    int width;
    int height;
    TPrinterOrientation orientation;
    double pointsWide;
    double pointsHigh;
};

std::unique_ptr<TppPage> pageOn(const Paper& paper, int number, const QString& fontName) {
    auto page = std::make_unique<TppPage>();
    page->AbsolutePageNo = page->PageNo = number;
    page->Final = true;
    page->DocumentName = QStringLiteral("Quarterly figures");
    TppPrinterSetup& setup = page->PrinterSetup();
    setup.SetOrientation(paper.orientation);
    setup.SetmmPaperWidth(paper.width);
    setup.SetmmPaperHeight(paper.height);
    auto* text = new TppDrawText(page.get());
    text->Text = QStringLiteral("%1 on page %2").arg(QLatin1String(paper.name)).arg(number);
    text->Font.name = fontName;
    text->Font.size = 12;
    text->Transparent = true;
    text->SetBox(20000, 20000, 150000, 8000);
    page->AddDrawCommand(text);
    auto* line = new TppDrawLine(page.get());
    line->SetBox(20000, 40000, 100000, 1000);
    page->AddDrawCommand(line);
    return page;
}

TEST(PdfFileDevice, EachPageOnItsOwnPaperWithTitleTextAndEmbeddedSubsets) {
    const Paper papers[] = {
        {"Letter", 215900, 279401, poPortrait, 612, 792},
        {"A4 across", 297000, 210000, poLandscape, 841.89, 595.28},
        {"a slip", 100000, 40000, poPortrait, 283.46, 113.39},
    };
    const char* fonts[] = {"Arial", "Times New Roman", "Courier New"};
    QTemporaryDir folder;
    const QString file = folder.filePath("pages.pdf");
    TppPdfFileDevice device;
    device.SetFileName(file);
    device.BeginJob();
    for (int k = 0; k < 3; ++k) {
        auto page = pageOn(papers[k], k + 1, QLatin1String(fonts[k]));
        device.AcceptPage(*page);
        EXPECT_FALSE(QFile::exists(file)) << "the file appears only once complete";
    }
    device.FinishJob();

    const QString info = toolOutput("pdfinfo", {"-f", "1", "-l", "3", file});
    EXPECT_TRUE(info.contains(
        QRegularExpression("^Title:\\s+Quarterly figures$", QRegularExpression::MultilineOption)))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("^Pages:\\s+3$", QRegularExpression::MultilineOption)));
    static const QRegularExpression size("^Page\\s+(\\d+) size:\\s+([\\d.]+) x ([\\d.]+) pts",
                                         QRegularExpression::MultilineOption);
    int seen = 0;
    for (auto it = size.globalMatch(info); it.hasNext(); ++seen) {
        const auto match = it.next();
        const Paper& paper = papers[match.captured(1).toInt() - 1];
        EXPECT_NEAR(match.captured(2).toDouble(), paper.pointsWide, 0.6) << paper.name;
        EXPECT_NEAR(match.captured(3).toDouble(), paper.pointsHigh, 0.6) << paper.name;
    }
    EXPECT_EQ(seen, 3);
    for (int k = 0; k < 3; ++k) {
        const QString text =
            toolOutput("pdftotext", {"-f", QString::number(k + 1), "-l", QString::number(k + 1), file, "-"});
        EXPECT_EQ(text.simplified(), QStringLiteral("%1 on page %2").arg(papers[k].name).arg(k + 1));
    }
    // name type encoding emb sub uni: every font embedded with its Unicode
    // map, the metric-compatible faces standing in for the ones the pages
    // name. The writer does not tag its subsets by name; that they are
    // subsets shows in the size: the whole file is smaller than the three
    // faces' files are together (about 400 kB).
    const QString report = toolOutput("pdffonts", {file});
    const QStringList fontLines = report.split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(fontLines.size(), 3) << report.toStdString();
    for (const QString face : {"LiberationSans", "LiberationSerif", "LiberationMono"}) {
        const auto line = std::find_if(fontLines.begin(), fontLines.end(),
                                       [&](const QString& l) { return l.contains(face); });
        ASSERT_NE(line, fontLines.end()) << face.toStdString() << " in\n" << report.toStdString();
        const QStringList columns = line->split(u' ', Qt::SkipEmptyParts);
        EXPECT_EQ(columns[columns.size() - 5], "yes") << "embedded: " << line->toStdString();
        EXPECT_EQ(columns[columns.size() - 3], "yes") << "with Unicode: " << line->toStdString();
    }
    EXPECT_LT(QFileInfo(file).size(), 100000) << "the glyphs used, not the whole faces";
}

TEST(PdfFileDevice, AFailedJobLeavesNoFileAndAnOldOneStays) {
    QTemporaryDir folder;
    const QString file = folder.filePath("kept.pdf");
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    {
        TppPdfFileDevice device;
        device.SetFileName(file);
        device.BeginJob();
        auto page = pageOn({"Letter", 215900, 279401, poPortrait, 612, 792}, 1, "Arial");
        device.AcceptPage(*page);
        device.DiscardFile();
    }
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
}

// The last page's outline, as any reader's bookmarks: captions (any
// characters) in their tree, each leading to its page.
TEST(PdfFileDevice, TheOutlineBecomesTheFilesBookmarks) {
    TppOutlineNode root;
    root.NodeType = ntRoot;
    const auto entry = [](TppOutlineNode& parent, const QString& caption, int page) {
        auto* node = new TppOutlineNode;
        node->Caption = caption;
        node->PageReference = page;
        node->SetParent(&parent);
        return node;
    };
    TppOutlineNode* main = entry(root, QStringLiteral("Main"), 1);
    entry(*entry(*main, QStringLiteral("2024"), 1), QStringLiteral("Page 2"), 2);
    entry(*main, QStringLiteral("Jahr \u00FCber (2025)"), 3);
    QTemporaryDir folder;
    const QString file = folder.filePath("outlined.pdf");
    TppPdfFileDevice device;
    device.SetFileName(file);
    device.BeginJob();
    for (int k = 1; k <= 3; ++k) {
        auto page = pageOn({"Letter", 215900, 279401, poPortrait, 612, 792}, k, QStringLiteral("Arial"));
        auto* outline = new TppOutlineDrawCommand;
        outline->SetTree(root);
        page->AddDrawCommand(outline);
        device.AcceptPage(*page);
    }
    device.FinishJob();

    const QString xml = toolOutput("pdftohtml", {"-xml", "-i", "-stdout", "-q", file});
    const QString items = QStringList(xml.split(u'\n').filter(QStringLiteral("item"))).join(u'\n');
    EXPECT_EQ(items.toStdString(), "<item page=\"1\">Main</item>\n"
                                   "<item page=\"1\">2024</item>\n"
                                   "<item page=\"2\">Page 2</item>\n"
                                   "<item page=\"3\">Jahr \u00FCber (2025)</item>")
        << xml.toStdString();
    const QString info = toolOutput("pdfinfo", {file});
    EXPECT_TRUE(info.contains(QRegularExpression("^Pages:\\s+3$", QRegularExpression::MultilineOption)))
        << info.toStdString();
}

} // namespace

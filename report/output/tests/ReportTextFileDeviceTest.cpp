#include "FakeTextMeasurer.h"
#include "TppDrawText.h"
#include "TppPage.h"
#include "TppReportTextFileDevice.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every character is `width` x `height` screen pixels in any font.
std::shared_ptr<const TextMeasurer> cells(int width, int height) {
    return std::make_shared<FakeTextMeasurer>(width, TextMeasurer::Metrics{height, height, 0});
}

struct Text {
    QString text;
    int left, top, width;
    TppTextAlignment alignment = taLeftJustified;
    bool autoSize = false;
    QStringList wrapped = {};
};

std::unique_ptr<TppPage> makePage(int number, bool last, int paperWidth, int paperHeight,
                                  const std::vector<Text>& texts) {
    auto page = std::make_unique<TppPage>();
    page->Final = true;
    page->AbsolutePageNo = number;
    page->LastPage = last;
    page->PrinterSetup().SetmmPaperWidth(paperWidth);
    page->PrinterSetup().SetmmPaperHeight(paperHeight);
    for (const Text& t : texts) {
        auto* text = new TppDrawText(page.get());
        text->Text = t.text;
        text->WrappedText = t.wrapped;
        text->SetLeft(t.left);
        text->SetTop(t.top);
        text->SetWidth(t.width);
        text->SetTextAlignment(t.alignment);
        text->AutoSize = t.autoSize;
        page->AddDrawCommand(text);
    }
    return page;
}

QByteArray written(TppReportTextFileDevice& device, const std::vector<std::unique_ptr<TppPage>>& pages) {
    QTemporaryDir folder;
    device.SetFileName(folder.filePath("page.txt"));
    device.BeginJob();
    for (const auto& page : pages)
        device.AcceptPage(*page);
    device.FinishJob();
    QFile file(device.FileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

TEST(ReportTextFileDevice, TheGridFromAFontOfEightByFifteenPixels) {
    TppReportTextFileDevice device;
    device.SetTextMeasurer(cells(8, 15));
    std::vector<std::unique_ptr<TppPage>> pages;
    pages.push_back(makePage(1, true, 210000, 297000, {{"Hello", 25400, 12700, 50800}}));
    const QByteArray file = written(device, pages);
    // 8 px at 96 per inch are 2.117 mm, 15 px 3.969 mm: an A4 page is 99 x 74.
    EXPECT_EQ(device.CellWidth(), 2117);
    EXPECT_EQ(device.CellHeight(), 3969);
    EXPECT_EQ(device.CharactersPerLine, 99);
    EXPECT_EQ(device.LinesPerPage, 74);
    const QList<QByteArray> lines = file.split('\n');
    ASSERT_EQ(lines.size(), 74) << "every line but the report's last ends with CR LF";
    EXPECT_EQ(lines[3], QByteArray(11, ' ') + "Hello\r") << "line 4, column 12, trailing blanks cut";
    EXPECT_EQ(lines[73], "");
}

// 80 x 66 cells of 1 mm: positions in mm are columns and lines.
class EightyBySixty : public testing::Test {
protected:
    EightyBySixty() {
        device.GridFromFont = false;
        device.SetTextMeasurer(cells(8, 15));
    }
    std::unique_ptr<TppPage> page(int number, bool last, const std::vector<Text>& texts) {
        return makePage(number, last, 80000, 66000, texts);
    }
    TppReportTextFileDevice device;
};

TEST_F(EightyBySixty, LaterTextsOverwriteEarlierOnesAndEveryPageHasItsLines) {
    std::vector<std::unique_ptr<TppPage>> pages;
    pages.push_back(page(1, false,
                         {{"AAAAAA", 0, 0, 5000},
                          {"BB", 2000, 0, 1000},
                          {"right", 10000, 1000, 7000, taRightJustified},
                          {"centre", 20000, 1000, 9000, taCentered},
                          {"cut to three", 30000, 1000, 2000},
                          {"grows with AutoSize", 40000, 1000, 2000, taLeftJustified, true}}));
    pages.push_back(page(2, false, {}));
    pages.push_back(page(3, true, {{"memo", 5000, 10000, 20000, taLeftJustified, false, {"one", "two"}}}));
    const QList<QByteArray> lines = written(device, pages).split('\n');
    ASSERT_EQ(lines.size(), 2 * 66) << "a page without texts adds no lines";
    EXPECT_EQ(lines[0], "AABBAA\r");
    // Fields of Width div 1 mm + 1 cells: right-aligned, centred, cut, and
    // as long as its text with AutoSize.
    EXPECT_EQ(lines[1], QByteArray(10, ' ') + "   right" + "  " + "  centre  " + "cut" + QByteArray(7, ' ') +
                            "grows with AutoSize\r");
    EXPECT_EQ(lines[65], "\r") << "the last line of a page that is not the last";
    // Wrapped lines are one line height of their font apart: 15 px, 3.969 mm.
    EXPECT_EQ(lines[66 + 10], "     one\r");
    EXPECT_EQ(lines[66 + 13], "     two\r");
    EXPECT_EQ(lines.last(), "") << "no line end after the report's last line";
}

TEST_F(EightyBySixty, TextsAboveOrLeftOfThePaperLandOnTheFirstLineAndColumn) {
    std::vector<std::unique_ptr<TppPage>> pages;
    pages.push_back(
        page(1, true, {{"below", 0, 2000, 5000}, {"above", -3000, -5000, 5000}, {"x", -1, 0, 0}}));
    const QList<QByteArray> lines = written(device, pages).split('\n');
    ASSERT_EQ(lines.size(), 66);
    EXPECT_EQ(lines[0], "xbove\r");
    EXPECT_EQ(lines[2], "below\r") << "a text above the paper does not make the rest vanish";
}

TEST_F(EightyBySixty, AGridOfNoCellsDividesByNothing) {
    for (const auto& [characters, lines] : {std::pair(0, 66), std::pair(80, 0), std::pair(-1, -1)}) {
        device.CharactersPerLine = characters;
        device.LinesPerPage = lines;
        std::vector<std::unique_ptr<TppPage>> pages;
        pages.push_back(page(1, true, {{"text", 1000, 1000, 3000}}));
        EXPECT_NO_THROW(written(device, pages)) << characters << " x " << lines;
    }
    TppReportTextFileDevice fromFont;
    fromFont.SetTextMeasurer(cells(0, 0));
    std::vector<std::unique_ptr<TppPage>> pages;
    pages.push_back(page(1, true, {{"text", 1000, 1000, 3000}}));
    EXPECT_NO_THROW(written(fromFont, pages)) << "a font that measures nothing";
}

TEST_F(EightyBySixty, AGridBeyondAnyPaperKeepsToAThousandColumnsAndLines) {
    device.CharactersPerLine = 65535;
    device.LinesPerPage = 65535;
    std::vector<std::unique_ptr<TppPage>> pages;
    pages.push_back(page(1, true, {{"text", 0, 0, 3000}}));
    EXPECT_EQ(written(device, pages).split('\n').size(), 1000);
    EXPECT_EQ(device.CharactersPerLine, 1000);

    TppReportTextFileDevice fromFont;
    fromFont.SetTextMeasurer(cells(1, 1));
    pages.clear();
    pages.push_back(makePage(1, true, 2'000'000'000, 2'000'000'000, {{"text", 0, 0, 3000}}));
    EXPECT_EQ(written(fromFont, pages).split('\n').size(), 1000) << "a paper of two kilometres";
    EXPECT_EQ(fromFont.CharactersPerLine, 1000);
}

} // namespace

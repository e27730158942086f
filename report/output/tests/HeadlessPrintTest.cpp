#include "HeadlessPrint.h"
#include "CollectingDevice.h"
#include "FakeEngine.h"
#include "PageStream.h"
#include "TppDrawVar.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TppPageRequest pagesListed(const QStringList& numbers) {
    TppPageRequest request;
    request.PageSetting = psPageList;
    request.PageList = numbers;
    return request;
}

TEST(HeadlessPrint, KeepsTheRequestedPagesInOrderAndLeavesThePublisher) {
    FakeEngineReport report;
    const PageList pages = printToPages(report, pagesListed({"4", "2"}));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0]->AbsolutePageNo, 2);
    EXPECT_EQ(pages[1]->AbsolutePageNo, 4);
    EXPECT_EQ(pages[1]->DrawCommandCount(), 1) << "the copy keeps its draw commands";
    EXPECT_TRUE(report.Publisher().Devices().isEmpty());
}

TEST(HeadlessPrint, AGenerationErrorPropagatesWithTheDeviceGone) {
    FakeEngineReport report;
    report.engine().throwOnPage = 2;
    EXPECT_THROW(printToPages(report, TppPageRequest()), std::runtime_error);
    EXPECT_TRUE(report.Publisher().Devices().isEmpty());
    EXPECT_FALSE(report.Producing());
}

TEST(HeadlessPrint, KeptPagesCatchUpWithALargerPageCount) {
    CollectingDevice device;
    device.BeginJob();
    TppPage page;
    page.Final = true;
    page.AbsolutePageNo = page.PageNo = 1;
    page.AbsolutePageCount = page.PageCount = 1;
    auto* pageNumbers = new TppDrawVar(&page);
    pageNumbers->VarType = vtPageSetDesc;
    page.AddDrawCommand(pageNumbers);
    device.AcceptPage(page);
    page.ResetPage();
    page.Final = true;
    page.AbsolutePageNo = page.PageNo = 2;
    page.AbsolutePageCount = page.PageCount = 2;
    device.AcceptPage(page);
    ASSERT_EQ(device.Pages().size(), 2u);
    const TppPage& first = *device.Pages()[0];
    EXPECT_EQ(first.AbsolutePageCount, 2);
    EXPECT_EQ(first.PageCount, 2);
    EXPECT_EQ(static_cast<TppDrawVar*>(first.DrawCommand(0))->Text, QStringLiteral("Page 1 of 2"));
}

TEST(HeadlessPrint, PageOutputOptions) {
    struct Case {
        QStringList arguments;
        bool accepted;
        PageOutput::Kind kind;
        QStringList left;
    };
    const Case cases[] = {
        {{"a.rtm", "--dump"}, true, PageOutput::Kind::Dump, {"a.rtm"}},
        {{"--png", "out", "a.rtm"}, true, PageOutput::Kind::Pictures, {"a.rtm"}},
        {{"a.rtm"}, false, {}, {}},
        {{"--png"}, false, {}, {}},
        {{"--png", "--dump"}, false, {}, {}},
        {{"--dump", "--png", "out"}, false, {}, {}},
        {{"a.rtm", "--pdf", "out.pdf"}, true, PageOutput::Kind::Pdf, {"a.rtm"}},
        {{"--pdf"}, false, {}, {}},
        {{"--pdf", "out.pdf", "--dump"}, false, {}, {}},
    };
    for (const Case& c : cases) {
        QStringList arguments = c.arguments;
        QString error;
        const auto output = PageOutput::take(arguments, error);
        EXPECT_EQ(output.has_value(), c.accepted) << c.arguments.join(' ').toStdString();
        if (!output) {
            EXPECT_FALSE(error.isEmpty());
            continue;
        }
        EXPECT_EQ(output->kind, c.kind);
        EXPECT_EQ(arguments, c.left);
    }
}

TEST(HeadlessPrint, WritesOnePicturePerPageAndTheDump) {
    FakeEngineReport report;
    report.engine().pageCount = 2;
    const PageList pages = printToPages(report, TppPageRequest());
    QTemporaryDir dir;
    QTextStream ignored(stdout);
    writePages(pages, PageOutput{PageOutput::Kind::Pictures, dir.filePath("pages"), 96, {}}, ignored);
    EXPECT_EQ(QDir(dir.filePath("pages")).entryList(QDir::Files),
              (QStringList{"page-0001.png", "page-0002.png"}));
    QString dump;
    QTextStream out(&dump);
    writePages(pages, PageOutput{}, out);
    EXPECT_TRUE(dump.startsWith("page 1 of 2\nTppDrawLine 10000 10000 50000 1000\npage 2 of 2\n"))
        << dump.toStdString();
}

// Notes, for each page that reaches it, how many pages the engine had made by then.
class RecordingSink : public PageSink {
public:
    RecordingSink(FakeEngineReport& report, bool showsPageCount)
        : report_(report), showsPageCount_(showsPageCount) {}
    void write(TppPage& page) override {
        madeWhenWritten.push_back(report_.engine().generated);
        numbers.push_back(page.AbsolutePageNo);
    }
    bool ShowsPageCount() const override { return showsPageCount_; }
    std::vector<int> madeWhenWritten;
    std::vector<int> numbers;

private:
    FakeEngineReport& report_;
    bool showsPageCount_;
};

TEST(HeadlessPrint, PagesGoToTheirOutputsAsSoonAsTheyCanNoLongerChange) {
    struct Case {
        const char* name;
        TppPassSettingType passes;
        bool showsPageCount;
        bool pageNumbers; // a "Page n of m" on every page
        std::vector<int> madeWhenWritten;
    };
    const Case cases[] = {
        {"two passes: the count is known, every page goes as it is made", psTwoPass, true, true, {1, 2, 3}},
        {"one pass, an output that does not show the count", psOnePass, false, false, {1, 2, 3}},
        {"one pass, the dump's \"of m\" waits for the last page", psOnePass, true, false, {3, 3, 3}},
        {"one pass, a page that shows its count waits too", psOnePass, false, true, {3, 3, 3}},
    };
    for (const Case& c : cases) {
        FakeEngineReport report;
        report.engine().pageCount = 3;
        const auto endPage = report.engine().OnReportEndPage;
        report.engine().OnReportEndPage = [&, endPage] {
            TppPage& page = report.engine().Page();
            page.PassSetting = c.passes;
            if (c.pageNumbers) {
                auto* numbers = new TppDrawVar(&page);
                numbers->VarType = vtPageSetDesc;
                page.AddDrawCommand(numbers);
            }
            if (endPage)
                endPage();
        };
        RecordingSink sink(report, c.showsPageCount);
        streamPages(report, TppPageRequest(), {&sink});
        EXPECT_EQ(sink.madeWhenWritten, c.madeWhenWritten) << c.name;
        EXPECT_EQ(sink.numbers, (std::vector<int>{1, 2, 3})) << c.name;
        EXPECT_TRUE(report.Publisher().Devices().isEmpty()) << c.name;
    }
}

} // namespace

#include "HeadlessPrint.h"
#include "CollectingDevice.h"
#include "FakeEngine.h"
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
    writePages(pages, PageOutput{PageOutput::Kind::Pictures, dir.filePath("pages")}, ignored);
    EXPECT_EQ(QDir(dir.filePath("pages")).entryList(QDir::Files),
              (QStringList{"page-0001.png", "page-0002.png"}));
    QString dump;
    QTextStream out(&dump);
    writePages(pages, PageOutput{}, out);
    EXPECT_TRUE(dump.startsWith("page 1 of 2\nTppDrawLine 10000 10000 50000 1000\npage 2 of 2\n"))
        << dump.toStdString();
}

} // namespace

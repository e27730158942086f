#include "AmortizationReport.h"
#include "AmortizationSchedule.h"
#include "FixedClock.h"
#include "HeadlessPrint.h"
#include "PageDump.h"
#include "TppDrawText.h"
#include "TppPageRequest.h"
#include "TppReport.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The page's dump without its outline: what the page draws.
QStringList drawnLines(const TppPage& page) {
    return pageDumpLines(page).filter(QRegularExpression("^(?!TppOutlineDrawCommand )"));
}

QString outlineLine(const TppPage& page) {
    return pageDumpLines(page).filter(QRegularExpression("^TppOutlineDrawCommand ")).value(0);
}

MemoryTable& scheduleOf30Years(MemoryTable& table) {
    AmortizationSchedule::defineTable(table);
    LoanInputs inputs;
    inputs.loanAmount = QStringLiteral("200000");
    inputs.term = QStringLiteral("30");
    inputs.termTypeIndex = 1;
    inputs.interest = QStringLiteral("6.5");
    inputs.startDate = QDateTime(QDate(2024, 3, 15), QTime(10, 30));
    const auto outcome = AmortizationSchedule::compute(inputs, table, FormatSettings::invariant());
    EXPECT_TRUE(std::holds_alternative<ScheduleSummary>(outcome));
    return table;
}

// The report of the main window, with its built-in layout, over the
// schedule of a 30-year loan: 360 months.
class AmortizationReportTest : public testing::Test {
protected:
    // The months on each page: the texts of the detail band's first column.
    QList<QStringList> monthsByPage(const PageList& pages) const {
        QList<QStringList> result;
        for (const auto& page : pages) {
            QStringList months;
            int left = -1;
            for (int index = 0; index < page->DrawCommandCount(); ++index) {
                const auto* text = dynamic_cast<const TppDrawText*>(page->DrawCommand(index));
                if (!text || text->SourceBand() != report->DetailBand())
                    continue;
                if (left < 0)
                    left = text->Left();
                if (text->Left() == left)
                    months << text->Text;
            }
            result << months;
        }
        return result;
    }

    MemoryTable table;
    FixedClock clock;
    AmortizationReport amortization{scheduleOf30Years(table), FormatSettings::invariant(), clock};
    TppReport* report = &amortization.report();
};

TEST_F(AmortizationReportTest, EveryMonthPrintsOnceOnFullPagesInOneAndTwoPasses) {
    ASSERT_EQ(table.recordCount(), 360);
    const PageList onePass = printToPages(*report, TppPageRequest());
    report->SetPassSetting(psTwoPass);
    report->Reset();
    const PageList twoPasses = printToPages(*report, TppPageRequest());

    // 31 lines of 6350 fit between the header (52652) and the footer (13229)
    // on Letter paper with quarter-inch margins.
    ASSERT_EQ(onePass.size(), 12u);
    ASSERT_EQ(twoPasses.size(), 12u);
    const QList<QStringList> months = monthsByPage(onePass);
    QStringList all;
    for (qsizetype page = 0; page < months.size(); ++page) {
        EXPECT_EQ(months[page].size(), page < 11 ? 31 : 19) << "page " << page + 1;
        all += months[page];
    }
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), 360) << "each month once";

    for (size_t page = 0; page < 12; ++page) {
        EXPECT_EQ(drawnLines(*twoPasses[page]), drawnLines(*onePass[page])) << "page " << page + 1;
        // The first pass has seen the whole report: every page knows the whole outline.
        EXPECT_EQ(outlineLine(*twoPasses[page]), outlineLine(*onePass[11])) << "page " << page + 1;
        EXPECT_EQ(twoPasses[page]->AbsolutePageCount, 12) << "page " << page + 1;
        EXPECT_EQ(twoPasses[page]->LastPage, page == 11) << "page " << page + 1;
    }
    EXPECT_EQ(monthsByPage(twoPasses), months);
}

TEST_F(AmortizationReportTest, APageAskedForAloneIsThePageOfTheWholeRun) {
    const PageList all = printToPages(*report, TppPageRequest());
    ASSERT_EQ(all.size(), 12u);
    TppPageRequest single;
    single.PageSetting = psSinglePage;
    for (int page : {9, 2, 12}) {
        single.PageRequested = page;
        const PageList again = printToPages(*report, single);
        ASSERT_EQ(again.size(), 1u);
        EXPECT_EQ(drawnLines(*again[0]), drawnLines(*all[size_t(page - 1)])) << "page " << page;
        // Made again, a page adds nothing to the outline and shows it as it stands.
        EXPECT_EQ(outlineLine(*again[0]), outlineLine(*all[11])) << "page " << page;
    }
}

} // namespace

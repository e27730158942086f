#include "EngineFixture.h"
#include "RowName.h"
#include "TppChildReport.h"
#include "TppDetailBand.h"
#include "TppOutline.h"
#include "TppOutlineDrawCommand.h"
#include "TppOutlineNode.h"
#include "TppSubReport.h"

#include <functional>

namespace {

QString pageOutline(const TppPage& page) {
    const TppOutlineDrawCommand* command = page.FindOutlineDrawCommand();
    if (!command)
        return QStringLiteral("(none)");
    return command->Tree() ? command->Tree()->OutlineText() : QStringLiteral("(empty)");
}

// An outer group on G and an inner one on H, every band 10000 high and
// headers printed once: eight bands fill a page. A (groups a1 and a2 of
// eight records each) takes bands 1-22, pages 1-3; B (b1, five records)
// bands 23-31, pages 3-4.
class OutlineTest : public EngineFixture {
protected:
    OutlineTest() {
        table.close();
        table.setFieldDefs({{"N", FieldType::Integer, 0, 0},
                            {"G", FieldType::String, 20, 0},
                            {"H", FieldType::String, 20, 0}});
        table.open();
        addNumber(detail);
        report->OutlineSettings().SetEnabled(true);
    }

    TppGroup* addGroupOn(const QString& field) {
        auto* group = new TppGroup(&form);
        group->SetReport(report);
        group->SetDataPipeline(pipeline);
        group->SetBreakName(field);
        group->SetReprintOnSubsequentPage(false);
        group->CreateBands();
        group->HeaderBand()->SetmmHeight(10000);
        group->FooterBand()->SetmmHeight(10000);
        addNumber(group->HeaderBand(), 0, field);
        return group;
    }

    void fillRows(const QList<std::pair<QString, QString>>& rows) {
        int n = 0;
        for (const auto& [g, h] : rows) {
            table.append();
            table.setValue(0, ++n);
            table.setValue(1, g);
            table.setValue(2, h);
            table.post();
        }
        table.first();
    }

    void twoLevels() {
        outer = addGroupOn(QStringLiteral("G"));
        inner = addGroupOn(QStringLiteral("H"));
        QList<std::pair<QString, QString>> rows;
        for (int i = 0; i < 8; ++i)
            rows.append({QStringLiteral("A"), QStringLiteral("a1")});
        for (int i = 0; i < 8; ++i)
            rows.append({QStringLiteral("A"), QStringLiteral("a2")});
        for (int i = 0; i < 5; ++i)
            rows.append({QStringLiteral("B"), QStringLiteral("b1")});
        fillRows(rows);
    }

    TppDetailBand* detail = addBand<TppDetailBand>(10000);
    TppGroup* outer = nullptr;
    TppGroup* inner = nullptr;
};

TEST_F(OutlineTest, TwoLevelsOfGroupsGiveEntriesForEachInstanceAndItsPages) {
    twoLevels();
    const auto pages = print();
    ASSERT_EQ(pages.size(), 4);
    // Each page keeps the outline as it stood at its end; only the last is complete.
    const QStringList expected = {
        "Main@1[A@1[a1@1[Page 1@1]]]", "Main@1[A@1[a1@1[Page 1@1,Page 2@2],a2@2[Page 2@2]]]",
        "Main@1[A@1[a1@1[Page 1@1,Page 2@2],a2@2[Page 2@2,Page 3@3]],B@3[b1@3[Page 3@3]]]",
        "Main@1[A@1[a1@1[Page 1@1,Page 2@2],a2@2[Page 2@2,Page 3@3]],B@3[b1@3[Page 3@3,Page 4@4]]]"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pageOutline(*pages[i]), expected[i]) << "page " << i + 1;
        EXPECT_EQ(pages[i]->FindOutlineDrawCommand()->Completed, i == 3) << "page " << i + 1;
    }
    EXPECT_EQ(pages[0]->FindOutlineDrawCommand()->Tree()->ChildNode(0)->NodeType, ntReport);
    EXPECT_EQ(pages[0]->FindOutlineDrawCommand()->Tree()->ChildNode(0)->ChildNode(0)->NodeType, ntGroup);
}

struct SettingsCase {
    std::string name;
    std::function<void(TppReport&, TppGroup& outer, TppGroup& inner)> set;
    const char* lastPageOutline;
};

class OutlineSettingsTest : public OutlineTest, public testing::WithParamInterface<SettingsCase> {};

TEST_P(OutlineSettingsTest, DecideWhichEntriesTheLastPageShows) {
    twoLevels();
    GetParam().set(*report, *outer, *inner);
    const auto pages = print();
    ASSERT_EQ(pages.size(), 4);
    EXPECT_EQ(pageOutline(*pages.last()), QString::fromLatin1(GetParam().lastPageOutline));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, OutlineSettingsTest,
    testing::Values(
        // The inner group's entries take the place of the outer one's.
        SettingsCase{
            "outer group makes no entries",
            [](TppReport&, TppGroup& outer, TppGroup&) { outer.OutlineSettings().SetCreateNode(false); },
            "Main@1[a1@1[Page 1@1,Page 2@2],a2@2[Page 2@2,Page 3@3],b1@3[Page 3@3,Page 4@4]]"},
        // The pages then belong to the innermost entry that is shown.
        SettingsCase{
            "inner group makes no entries",
            [](TppReport&, TppGroup&, TppGroup& inner) { inner.OutlineSettings().SetCreateNode(false); },
            "Main@1[A@1[Page 1@1,Page 2@2,Page 3@3],B@3[Page 3@3,Page 4@4]]"},
        SettingsCase{"no page entries",
                     [](TppReport& report, TppGroup&, TppGroup&) {
                         report.OutlineSettings().SetCreatePageNodes(false);
                     },
                     "Main@1[A@1[a1@1,a2@2],B@3[b1@3]]"},
        SettingsCase{"a handler refuses page entries",
                     [](TppReport& report, TppGroup&, TppGroup&) {
                         report.OnOutlineNodeCreate.handler = [](TppCommunicator*, TppOutlineNode* node,
                                                                 bool& accept) {
                             accept = node->NodeType != ntPage;
                         };
                     },
                     "Main@1[A@1[a1@1,a2@2],B@3[b1@3]]"},
        SettingsCase{"a handler renames the outer group's entries",
                     [](TppReport& report, TppGroup& outer, TppGroup&) {
                         report.OnOutlineNodeCreate.handler = [&outer](TppCommunicator* sender,
                                                                       TppOutlineNode* node, bool&) {
                             if (sender == &outer)
                                 node->Caption = QStringLiteral("Part ") + node->Caption;
                         };
                         report.OutlineSettings().SetCreatePageNodes(false);
                     },
                     "Main@1[Part A@1[a1@1,a2@2],Part B@3[b1@3]]"},
        SettingsCase{
            "the outline is off",
            [](TppReport& report, TppGroup&, TppGroup&) { report.OutlineSettings().SetEnabled(false); },
            "(none)"}),
    RowName());

TEST_F(OutlineTest, APageAskedForAloneCarriesTheOutlineItHadInTheWholeRun) {
    twoLevels();
    const auto whole = print();
    ASSERT_EQ(whole.size(), 4);
    report->Reset();
    const auto alone = print(psSinglePage, 3);
    ASSERT_EQ(alone.size(), 1);
    EXPECT_EQ(pageOutline(*alone[0]), pageOutline(*whole[2]));
    EXPECT_TRUE(alone[0]->FindOutlineDrawCommand()->IsSameAs(*whole[2]->FindOutlineDrawCommand()));
}

TEST_F(OutlineTest, APageGeneratedAgainAddsNothingAndShowsTheOutlineSoFar) {
    twoLevels();
    const auto whole = print();
    ASSERT_EQ(whole.size(), 4);
    const int entries = report->Outline()->TreeRoot()->AbsoluteChildNodeCount();
    const auto again = print(psSinglePage, 2);
    ASSERT_EQ(again.size(), 1);
    EXPECT_EQ(report->Outline()->TreeRoot()->AbsoluteChildNodeCount(), entries);
    EXPECT_EQ(pageOutline(*again[0]), pageOutline(*whole[3]));
}

TEST_F(OutlineTest, AGroupKeptTogetherThatMovesOnLeavesNoEntryOnThePageItLeft) {
    TppGroup* group = addGroupOn(QStringLiteral("G"));
    group->SetKeepTogether(true);
    fillRows({{"A", "x"}, {"A", "x"}, {"A", "x"}, {"B", "x"}, {"B", "x"}, {"B", "x"}});
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pageOutline(*pages[0]), QStringLiteral("Main@1[A@1[Page 1@1]]"));
    EXPECT_EQ(pageOutline(*pages[1]), QStringLiteral("Main@1[A@1[Page 1@1],B@2[Page 2@2]]"));
}

// Each record of A and B prints a subreport of two lines grouped on K (x
// and y): the child report's entries hang under the entry of the group
// around them, at the pages they print on.
class SubReportOutlineTest : public OutlineTest {
protected:
    SubReportOutlineTest() {
        lines.setFieldDefs({{"K", FieldType::String, 20, 0}});
        lines.open();
        for (const char* key : {"x", "y"}) {
            lines.append();
            lines.setValue(0, QString::fromLatin1(key));
            lines.post();
        }
        lines.first();
        linePipeline->SetDataSource(lineSource);
        addGroupOn(QStringLiteral("G"));
        fillRows({{"A", ""}, {"B", ""}});
        detail->SetPrintHeight(phDynamic);
        subReport->SetBand(detail);
        subReport->SetBounds(30000, 0, 40000, 5000);
        subReport->SetDataPipeline(linePipeline);
        TppChildReport* child = subReport->ChildReport();
        auto* childDetail = new TppDetailBand(&form);
        childDetail->SetReport(child);
        childDetail->SetmmHeight(5000);
        auto* childGroup = new TppGroup(&form);
        childGroup->SetReport(child);
        childGroup->SetDataPipeline(linePipeline);
        childGroup->SetBreakName(QStringLiteral("K"));
        childGroup->CreateBands();
        childGroup->HeaderBand()->SetmmHeight(5000);
        childGroup->FooterBand()->SetmmHeight(0);
    }

    MemoryTable lines;
    TppDBPipeline* linePipeline = new TppDBPipeline(&form);
    DataSource* lineSource = new DataSource(&form, &lines);
    TppSubReport* subReport = new TppSubReport(&form);
};

TEST_F(SubReportOutlineTest, AChildReportsGroupsHangUnderTheEnclosingEntry) {
    report->OutlineSettings().SetCreatePageNodes(false);
    const auto pages = print();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pageOutline(*pages[0]), QStringLiteral("Main@1[A@1[x@1,y@1],B@1[x@1,y@1]]"));
}

// Clicks change what such a report's pages hold: no outline can describe them.
TEST_F(SubReportOutlineTest, ADrillDownThatCollapsesLeavesOnlyTheNoOutlineEntry) {
    subReport->SetDrillDownComponent(detail->Objects().first());
    const auto pages = print();
    ASSERT_FALSE(pages.isEmpty());
    EXPECT_EQ(pageOutline(*pages.last()), QStringLiteral("NoOutline: DrillDown not supported@-1"));
    EXPECT_TRUE(pages.last()->FindOutlineDrawCommand()->Completed);
}

} // namespace

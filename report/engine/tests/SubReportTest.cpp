#include "TppBrush.h"
#include "TppChildReport.h"
#include "TppDBCalc.h"
#include "TppDetailBand.h"
#include "TppLabel.h"
#include "TppRegion.h"
#include "TppReport.h"
#include "TppSubReport.h"

#include <gtest/gtest.h>

namespace {

// A subreport in a detail band of `report`, with a detail band in its child.
TppDetailBand* childDetail(OwnedComponent& form, TppReportModel& report, TppSubReport*& subReport) {
    auto* band = new TppDetailBand(&form);
    band->SetReport(&report);
    subReport = new TppSubReport(&form);
    subReport->SetBand(band);
    auto* detail = new TppDetailBand(&form);
    detail->SetReport(subReport->ChildReport());
    return detail;
}

// Calculations of a nested child report keep their look-ahead values apart
// for every instance of each enclosing subreport, innermost first.
TEST(SubReport, KeysCarryTheCountOfEveryEnclosingSubReport) {
    OwnedComponent form;
    auto* report = new TppReport(&form);
    TppSubReport* outer = nullptr;
    TppSubReport* inner = nullptr;
    childDetail(form, *report, outer);
    auto* innerBand = childDetail(form, *outer->ChildReport(), inner);
    auto* calc = new TppDBCalc(&form);
    calc->SetBand(innerBand);
    outer->Count = 3;
    inner->Count = 5;

    EXPECT_EQ(outer->CurrentReportKey(), QString());
    EXPECT_EQ(outer->CurrentExpansionKey(), QStringLiteral("       3"));
    EXPECT_EQ(inner->CurrentExpansionKey(), QStringLiteral("       3|       5"));
    EXPECT_EQ(calc->GetLookAheadKey(), QStringLiteral("       5|       3|       0|       0"));
    inner->Count = 6;
    EXPECT_EQ(calc->GetLookAheadKey(), QStringLiteral("       6|       3|       0|       0"));
    EXPECT_EQ(inner->ChildReport()->MainReport(), report);
}

TEST(SubReport, BehaviourRules) {
    OwnedComponent form;
    auto* report = new TppReport(&form);
    TppSubReport* subReport = nullptr;
    childDetail(form, *report, subReport);
    EXPECT_TRUE(subReport->Stretch()) << "a new subreport is a growing child";
    subReport->SetPrintBehavior(pbFixed);
    EXPECT_FALSE(subReport->Stretch());
    EXPECT_FALSE(subReport->ResetPageNo()) << "only sections number their pages";
    subReport->SetNewPrintJob(true);
    EXPECT_EQ(subReport->PrintBehavior(), pbSection);

    auto* label = new TppLabel(&form);
    label->SetBand(subReport->Band());
    subReport->SetPrintBehavior(pbChild);
    subReport->SetDrillDownComponent(label);
    EXPECT_EQ(subReport->DrillDownComponent(), label);
    EXPECT_FALSE(subReport->DrillDownExpanded());
    subReport->Expansions << subReport->CurrentExpansionKey();
    EXPECT_TRUE(subReport->DrillDownExpanded());
    subReport->SetExpandAll(true);
    EXPECT_TRUE(subReport->Expansions.isEmpty());
    EXPECT_TRUE(subReport->DrillDownExpanded());
    delete label;
    EXPECT_EQ(subReport->DrillDownComponent(), nullptr) << "a freed component is let go";
}

TEST(Region, ChildrenMoveWithTheRegionAndTheBrushDecidesTransparent) {
    OwnedComponent form;
    auto* report = new TppReport(&form);
    auto* band = new TppDetailBand(&form);
    band->SetReport(report);
    band->SetmmHeight(40000);
    auto* other = new TppLabel(&form);
    other->SetBand(band);
    auto* region = new TppRegion(&form);
    region->SetBand(band);
    region->SetBounds(10000, 5000, 50000, 30000);
    auto* label = new TppLabel(&form);
    label->SetBand(band);
    label->SetBounds(12000, 7000, 20000, 5000);
    other->BringToFront();
    label->SetRegion(region);
    EXPECT_EQ(label->Index(), region->Index() + 1) << "children draw right above their region";

    region->SetBounds(20000, 10000, 50000, 30000);
    EXPECT_EQ(label->mmLeft(), 22000);
    EXPECT_EQ(label->mmTop(), 12000);

    EXPECT_FALSE(region->Transparent());
    region->SetTransparent(true);
    EXPECT_EQ(region->Brush().style, TppBrush::bsClear);
    region->SetFillColor(0x00FF00);
    EXPECT_FALSE(region->Transparent());

    delete region;
    EXPECT_EQ(band->ObjectCount(), 1) << "a region frees its components";
}

} // namespace

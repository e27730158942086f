#include "WizardDataFixture.h"

#include "ComponentNames.h"
#include "HeadlessPrint.h"
#include "PageDump.h"
#include "PagewrightErrors.h"
#include "ReportWizardBuilder.h"
#include "RowName.h"
#include "TppBand.h"
#include "TppChildReport.h"
#include "TppDBImage.h"
#include "TppDBMemo.h"
#include "TppDBText.h"
#include "TppGroup.h"
#include "TppGroupHeaderBand.h"
#include "TppLabel.h"
#include "TppLine.h"
#include "TppPage.h"
#include "TppPageRequest.h"
#include "TppShape.h"
#include "TppSubReport.h"
#include "TppSystemVariable.h"

#include <gtest/gtest.h>

namespace {

// A component's box in screen pixels.
struct Box {
    int left, top, width, height;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const Box&, const Box&) = default;
};

std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << "(" << box.left << ", " << box.top << ", " << box.width << " x " << box.height << ")";
}

class ReportWizardBuilderTest : public ::testing::Test, public WizardDataFixture {
protected:
    static Box boxOf(const TppComponent& component) {
        return {pixels(component.mmLeft()), pixels(component.mmTop(), Axis::Vertical),
                pixels(component.mmWidth()), pixels(component.mmHeight(), Axis::Vertical)};
    }
    static int heightOf(const TppBand& band) { return pixels(band.mmHeight(), Axis::Vertical); }

    template <class Component> static QList<Component*> componentsIn(const TppBand* band) {
        QList<Component*> found;
        for (TppComponent* component : band->Objects())
            if (auto* typed = dynamic_cast<Component*>(component))
                found << typed;
        return found;
    }

    TppReportWizardChoices choose(const QStringList& names, TppReportLayoutType layout,
                                  const QStringList& groups = {}, TppReportStyleType style = rsCorporate) {
        TppReportWizardChoices choices;
        choices.dataName = QStringLiteral("Orders");
        choices.fields = fields(names);
        choices.groupFields = groups;
        choices.layout = layout;
        choices.style = style;
        return choices;
    }

    // Letter with quarter-inch margins: 8 inches across.
    const int bandWidth = 768;
};

} // namespace

TEST_F(ReportWizardBuilderTest, ThreeFieldsInTabularCorporateGiveLabelsAboveTextsAndATitleAndAFooter) {
    buildWizardReport(*report, choose({"NAME", "CITY", "AMOUNT"}, rlTabular));

    TppBand* header = report->GetBand(btHeader);
    const QList<TppLabel*> labels = componentsIn<TppLabel>(header);
    ASSERT_EQ(labels.size(), 3);
    // 10 pixels a character, 4 to spare; a text of n characters shown is as
    // wide, or as its label when that is wider; the fields stand 5 apart
    // from the left at 5, their labels above them; the
    // labels keep their own width.
    EXPECT_EQ(boxOf(*labels[0]), (Box{5, 5, 44, 20}));
    EXPECT_EQ(boxOf(*labels[1]), (Box{114, 5, 44, 20}));
    EXPECT_EQ(boxOf(*labels[2]), (Box{203, 5, 64, 20}));
    for (TppLabel* label : labels) {
        EXPECT_TRUE(label->Font().style & TppFont::fsBold);
        EXPECT_EQ(label->Font().size, 11);
    }
    EXPECT_EQ(labels[2]->Alignment(), taRightJustify) << "a number's label stands over it";
    const QList<TppLine*> headerLines = componentsIn<TppLine>(header);
    ASSERT_EQ(headerLines.size(), 1) << "a line below the labels";
    EXPECT_GE(boxOf(*headerLines[0]).top, 25);
    EXPECT_EQ(heightOf(*header), 30);

    TppBand* detail = report->GetBand(btDetail);
    const QList<TppDBText*> texts = componentsIn<TppDBText>(detail);
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(boxOf(*texts[0]), (Box{5, 2, 104, 22}));
    EXPECT_EQ(boxOf(*texts[1]), (Box{114, 2, 84, 22}));
    EXPECT_EQ(boxOf(*texts[2]), (Box{203, 2, 64, 22}));
    EXPECT_EQ(texts[2]->Alignment(), taRightJustify);
    EXPECT_EQ(texts[0]->DataField(), "NAME");
    EXPECT_EQ(texts[0]->DataPipeline(), pipeline);
    EXPECT_EQ(texts[0]->Font().name, "ARIAL");
    EXPECT_EQ(texts[0]->Font().size, 8);
    EXPECT_TRUE(componentsIn<TppLine>(detail).isEmpty());
    EXPECT_EQ(heightOf(*detail), 29);

    const QList<TppLabel*> title = componentsIn<TppLabel>(report->GetBand(btTitle));
    ASSERT_EQ(title.size(), 1);
    EXPECT_EQ(title[0]->Caption(), "Orders") << "the template has no name yet";
    EXPECT_EQ(title[0]->Font().name, "TIMES NEW ROMAN");
    EXPECT_EQ(title[0]->Font().size, 20);
    EXPECT_EQ(title[0]->Font().style, unsigned(TppFont::fsBold | TppFont::fsItalic));
    EXPECT_EQ(boxOf(*title[0]).left, 5);

    const QList<TppSystemVariable*> footer = componentsIn<TppSystemVariable>(report->GetBand(btFooter));
    ASSERT_EQ(footer.size(), 2);
    EXPECT_EQ(footer[0]->VarType(), vtPrintDateTime);
    EXPECT_EQ(boxOf(*footer[0]).left, 5);
    EXPECT_EQ(footer[1]->VarType(), vtPageNoDesc);
    EXPECT_EQ(footer[1]->Alignment(), taRightJustify);
    EXPECT_EQ(boxOf(*footer[1]).right(), bandWidth - 5);
    EXPECT_TRUE(report->Modified());
}

struct LayoutCase {
    const char* name;
    TppReportLayoutType layout;
    bool groupFieldInHeader;
    int labelBandType; // where the labels go
};

class EveryLayout : public ReportWizardBuilderTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(EveryLayout, PlacesEveryControlInsideItsBandAndTheLabelsInTheLabelBand) {
    const LayoutCase& layout = GetParam();
    const bool grouped = isGroupLayout(layout.layout);
    buildWizardReport(*report, choose({"CITY", "NAME", "AMOUNT", "NOTES"}, layout.layout,
                                      grouped ? QStringList{"CITY"} : QStringList{}));

    ASSERT_EQ(report->GroupCount(), grouped ? 1 : 0);
    for (TppBand* band : report->Bands()) {
        EXPECT_LE(band->mmHeight(), report->PageDef().printableHeight());
        for (TppComponent* component : band->Objects()) {
            const Box box = boxOf(*component);
            EXPECT_GE(box.top, 0) << component->Name().toStdString();
            EXPECT_LE(box.bottom(), heightOf(*band)) << component->Name().toStdString() << " " << box;
            EXPECT_LE(box.right(), bandWidth) << component->Name().toStdString() << " " << box;
        }
    }
    TppBand* labelBand = layout.labelBandType == btGroupHeader ? report->Group(0)->HeaderBand()
                                                               : report->GetBand(layout.labelBandType);
    QStringList captions;
    for (TppLabel* label : componentsIn<TppLabel>(labelBand))
        captions << label->Caption();
    const QStringList expected = layout.groupFieldInHeader ? QStringList{"NAME", "AMOUNT", "NOTES"}
                                                           : QStringList{"CITY", "NAME", "AMOUNT", "NOTES"};
    EXPECT_EQ(captions, expected);
    if (grouped) {
        const QList<TppDBText*> inHeader = componentsIn<TppDBText>(report->Group(0)->HeaderBand());
        EXPECT_EQ(inHeader.size(), layout.groupFieldInHeader ? 1 : 0);
        if (!layout.groupFieldInHeader) {
            const QList<TppDBText*> detail = componentsIn<TppDBText>(report->GetBand(btDetail));
            ASSERT_FALSE(detail.isEmpty());
            EXPECT_EQ(detail[0]->DataField(), "CITY") << "group fields come first";
            EXPECT_TRUE(detail[0]->SuppressRepeatedValues());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ReportWizardBuilder, EveryLayout,
                         ::testing::Values(LayoutCase{"vertical", rlVertical, false, btDetail},
                                           LayoutCase{"tabular", rlTabular, false, btHeader},
                                           LayoutCase{"stepped", rlStepped, true, btHeader},
                                           LayoutCase{"block", rlBlock, false, btHeader},
                                           LayoutCase{"outline 1", rlOutline1, true, btGroupHeader},
                                           LayoutCase{"outline 2", rlOutline2, true, btGroupHeader},
                                           LayoutCase{"align left 1", rlAlignLeft1, true, btGroupHeader},
                                           LayoutCase{"align left 2", rlAlignLeft2, true, btGroupHeader}),
                         RowName());

TEST_F(ReportWizardBuilderTest, VerticalStacksLabelsBesideTheirFields) {
    buildWizardReport(*report, choose({"NAME", "CITY"}, rlVertical));
    TppBand* detail = report->GetBand(btDetail);
    const QList<TppLabel*> labels = componentsIn<TppLabel>(detail);
    const QList<TppDBText*> texts = componentsIn<TppDBText>(detail);
    ASSERT_EQ(labels.size(), 2);
    ASSERT_EQ(texts.size(), 2);
    // The widest label is 44: fields start 10 to its right; rows are 5 apart.
    EXPECT_EQ(boxOf(*labels[0]), (Box{5, 10, 44, 20}));
    EXPECT_EQ(boxOf(*texts[0]), (Box{54, 10, 104, 22}));
    EXPECT_EQ(boxOf(*labels[1]), (Box{5, 37, 44, 20}));
    EXPECT_EQ(boxOf(*texts[1]), (Box{54, 37, 84, 22}));
    EXPECT_TRUE(componentsIn<TppLabel>(report->GetBand(btHeader)).isEmpty());
}

TEST_F(ReportWizardBuilderTest, SteppedPutsEachGroupFieldInItsHeaderIndentedByLevel) {
    buildWizardReport(*report, choose({"CITY", "NAME", "AMOUNT"}, rlStepped, {"CITY", "NAME", "AMOUNT"}));
    ASSERT_EQ(report->GroupCount(), 3);
    QList<int> lefts;
    for (int group = 0; group < 3; ++group) {
        const QList<TppDBText*> texts = componentsIn<TppDBText>(report->Group(group)->HeaderBand());
        ASSERT_EQ(texts.size(), 1);
        lefts << boxOf(*texts[0]).left;
        EXPECT_EQ(boxOf(*texts[0]).top, 2);
        EXPECT_EQ(report->Group(group)->BreakName(), texts[0]->DataField());
        EXPECT_EQ(report->Group(group)->DataPipeline(), pipeline);
    }
    EXPECT_EQ(lefts, (QList<int>{5, 25, 45}));
}

TEST_F(ReportWizardBuilderTest, FieldsWiderThanThePageShrinkIntoOneRowOrWrapWithoutAdjusting) {
    TppReportWizardChoices choices = choose({"NAME"}, rlTabular);
    choices.fields = QList<TppWizardField>(12, choices.fields.first());
    buildWizardReport(*report, choices);
    // Twelve fields of 104 and their gaps make 1303 on a band of 768: each
    // gives up 104/1248 of the 550 too many (535 and 15 to spare), 46 pixels.
    QList<TppDBText*> texts = componentsIn<TppDBText>(report->GetBand(btDetail));
    ASSERT_EQ(texts.size(), 12);
    for (int index = 0; index < 12; ++index) {
        EXPECT_EQ(boxOf(*texts[index]), (Box{5 + 63 * index, 2, 58, 22})) << "field " << index;
    }
    const QList<TppLabel*> labels = componentsIn<TppLabel>(report->GetBand(btHeader));
    ASSERT_EQ(labels.size(), 12);
    EXPECT_EQ(boxOf(*labels[11]).width, 58);
    EXPECT_LE(boxOf(*texts[11]).right(), bandWidth);

    WizardDataFixture other;
    choices.adjustFieldWidths = false;
    choices.fields = QList<TppWizardField>(12, other.fields({"NAME"}).first());
    buildWizardReport(*other.report, choices);
    texts = componentsIn<TppDBText>(other.report->GetBand(btDetail));
    ASSERT_EQ(texts.size(), 12);
    // Seven of 109 fit the first row; the eighth starts the second 3 below it.
    EXPECT_EQ(boxOf(*texts[6]), (Box{659, 2, 104, 22}));
    EXPECT_EQ(boxOf(*texts[7]), (Box{5, 27, 104, 22}));
    EXPECT_EQ(boxOf(*componentsIn<TppLabel>(other.report->GetBand(btHeader))[7]).top, 30);
}

TEST_F(ReportWizardBuilderTest, AMemoAndAPictureGetControlsOfTheirOwnSize) {
    buildWizardReport(*report, choose({"NOTES", "PHOTO"}, rlTabular));
    TppBand* detail = report->GetBand(btDetail);
    const QList<TppDBMemo*> memos = componentsIn<TppDBMemo>(detail);
    const QList<TppDBImage*> images = componentsIn<TppDBImage>(detail);
    ASSERT_EQ(memos.size(), 1);
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(boxOf(*memos[0]), (Box{5, 2, 150, 50}));
    EXPECT_EQ(boxOf(*images[0]), (Box{160, 2, 54, 50})) << "as wide as its label";
    EXPECT_TRUE(images[0]->Stretch());
    EXPECT_EQ(memos[0]->DataField(), "NOTES");
}

TEST_F(ReportWizardBuilderTest, SoftGrayPutsSilverBehindTheTitleAndTheFooter) {
    buildWizardReport(*report, choose({"NAME"}, rlTabular, {}, rsSoftGray));
    for (int type : {btTitle, btFooter}) {
        TppBand* band = report->GetBand(type);
        ASSERT_FALSE(band->Objects().isEmpty());
        auto* shape = dynamic_cast<TppShape*>(band->Objects().first());
        ASSERT_TRUE(shape) << "the background is at the back of band " << type;
        EXPECT_EQ(shape->Brush().color, 0xC0C0C0);
        EXPECT_EQ(boxOf(*shape), (Box{0, 0, bandWidth, heightOf(*band)}));
        for (TppCustomText* text : componentsIn<TppCustomText>(band))
            EXPECT_TRUE(text->Transparent());
    }
    const QList<TppLabel*> title = componentsIn<TppLabel>(report->GetBand(btTitle));
    EXPECT_EQ(title[0]->Font().color, 0xFFFFFF);
    EXPECT_TRUE(dynamic_cast<TppShape*>(report->GetBand(btDetail)->Objects().first()) == nullptr);
}

// A subreport's report has no page to head: its title takes the column
// labels below the caption and its summary the footer.
TEST_F(ReportWizardBuilderTest, AChildReportHeadsItsColumnsInTheTitleAndEndsWithTheSummary) {
    auto* subReport = new TppSubReport(&form);
    subReport->SetBand(report->GetBand(btDetail));
    TppChildReport* child = subReport->ChildReport();
    ASSERT_TRUE(child);
    child->SetMeasurer(&measurer);
    buildWizardReport(*child, choose({"NAME", "CITY"}, rlTabular));

    EXPECT_FALSE(child->GetBand(btHeader));
    EXPECT_FALSE(child->GetBand(btFooter));
    TppBand* title = child->GetBand(btTitle);
    const QList<TppLabel*> labels = componentsIn<TppLabel>(title);
    ASSERT_EQ(labels.size(), 3) << "the caption and two column labels";
    EXPECT_EQ(boxOf(*labels[0]).top, 5);
    EXPECT_EQ(boxOf(*labels[1]), (Box{5, 41, 44, 20}));
    EXPECT_EQ(boxOf(*labels[2]).top, 41);
    const QList<TppLine*> lines = componentsIn<TppLine>(title);
    ASSERT_EQ(lines.size(), 1) << "the header's line below the labels";
    EXPECT_GE(boxOf(*lines[0]).top, 61);

    const QList<TppSystemVariable*> footer = componentsIn<TppSystemVariable>(child->GetBand(btSummary));
    ASSERT_EQ(footer.size(), 2);
    EXPECT_EQ(footer[0]->VarType(), vtPrintDateTime);
    EXPECT_EQ(footer[1]->VarType(), vtPageNoDesc);
    EXPECT_EQ(boxOf(*footer[1]).right(), bandWidth - 5);
}

TEST_F(ReportWizardBuilderTest, AVerticalLayoutTallerThanThePageIsRefusedAndLeavesTheReportAsItWas) {
    TppReportWizardChoices choices = choose({"NAME"}, rlVertical);
    // 40 rows of 27 pixels need 1090, the page holds 1008.
    choices.fields = QList<TppWizardField>(40, choices.fields.first());
    const int bands = report->BandCount();
    report->SetModified(false);
    EXPECT_THROW(buildWizardReport(*report, choices), EDesignError);
    EXPECT_EQ(report->BandCount(), bands);
    EXPECT_EQ(report->GroupCount(), 0);
    for (TppBand* band : report->Bands())
        EXPECT_TRUE(band->Objects().isEmpty()) << ClassNameWithoutTpp(*band).toStdString();
    EXPECT_FALSE(report->Modified());
}

TEST_F(ReportWizardBuilderTest, AGroupedReportPrintsEachCityOnceAboveItsRows) {
    report->SetDataPipeline(pipeline);
    buildWizardReport(*report, choose({"CITY", "NAME", "AMOUNT"}, rlStepped, {"CITY"}));
    const PageList pages = printToPages(*report, TppPageRequest());
    ASSERT_EQ(pages.size(), 1u);
    QStringList texts;
    for (const QString& line : pageDumpLines(*pages[0]))
        if (line.contains(QLatin1Char('"')))
            texts << line.section(QLatin1Char(' '), 5);
    const auto at = [&](const char* text) { return texts.indexOf(QStringLiteral("\"%1\"").arg(text)); };
    ASSERT_GE(at("Bergen"), 0) << texts.join('\n').toStdString();
    EXPECT_EQ(texts.count(QStringLiteral("\"Bergen\"")), 1);
    EXPECT_EQ(texts.count(QStringLiteral("\"Oslo\"")), 1);
    EXPECT_LT(at("Orders"), at("NAME")) << "the title, then the column labels";
    EXPECT_LT(at("Bergen"), at("Ann"));
    EXPECT_LT(at("Bob"), at("Oslo"));
    EXPECT_LT(at("Oslo"), at("Cy"));
    EXPECT_GE(at("Page 1"), 0) << texts.join('\n').toStdString();
}

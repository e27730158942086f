#include "EngineClasses.h"
#include "HeadlessPrint.h"
#include "LabelReport.h"
#include "OneFieldData.h"
#include "PageDump.h"
#include "RowName.h"
#include "TemplateClasses.h"
#include "TppBand.h"
#include "TppDBText.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppHeaderBand.h"
#include "TppLabelDefinition.h"
#include "TppPage.h"
#include "TppPageRequest.h"
#include "TppReport.h"

#include <QLocale>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TppLabelDefinition definitionOf(const QString& setName, TppLabelPrinterKind kind, const QString& product) {
    for (const TppLabelSet* set : labelSetsFor(kind))
        if (set->SetName() == setName)
            for (int index = 0; index < set->DefinitionCount(); ++index)
                if (const auto label = parseLabelDefinition(*set, index);
                    label && label->productNumber == product)
                    return *label;
    ADD_FAILURE() << "no label " << product.toStdString() << " in " << setName.toStdString();
    return {};
}

TppLabelDefinition standardLaser(const QString& product) {
    return definitionOf(QStringLiteral("Avery Standard"), TppLabelPrinterKind::LaserJet, product);
}

int mm(double inches) {
    return UnitsToMM(float(inches), utInches);
}

class LabelReportTest : public ::testing::Test {
protected:
    LabelReportTest() {
        registerEngineClasses();
        registerTemplateClasses();
        report = new TppReport(&form);
        report->SetName(QStringLiteral("Report1"));
        createDefaultBands(*report);
    }

    OwnedComponent form;
    TppReport* report = nullptr;
};

} // namespace

TEST(LabelSets, AreOfferedInTheirOrderWithEveryDefinitionOfTheirCatalogue) {
    QStringList names;
    QList<int> counts;
    for (const TppLabelSet* set : registeredLabelSets()) {
        names << set->ClassName();
        counts << set->DefinitionCount();
    }
    EXPECT_EQ(names, (QStringList{"TppAveryStdDotMatrixLabels", "TppAveryStdLaserJetLabels",
                                  "TppAveryA4A5LaserJetLabels", "TppAveryUKDotMatrixLabels",
                                  "TppAveryFranceDotMatrixLabels"}));
    EXPECT_EQ(counts, (QList<int>{40, 158, 102, 10, 12}));

    QStringList dotMatrix;
    for (const TppLabelSet* set : labelSetsFor(TppLabelPrinterKind::DotMatrix))
        dotMatrix << set->SetName();
    EXPECT_EQ(dotMatrix,
              (QStringList{"Avery Standard", "Avery International (UK)", "Avery International (France)"}));
}

TEST(LabelSets, EveryRowReadsAndItsLabelsFitTheirPaper) {
    // Also under a locale that writes decimals with a comma: the rows do not.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    int rows = 0;
    for (const TppLabelSet* set : registeredLabelSets()) {
        const QList<TppLabelEntry> entries = labelEntries(*set);
        EXPECT_EQ(entries.size(), set->DefinitionCount()) << set->SetName().toStdString();
        for (int index = 0; index < set->DefinitionCount(); ++index, ++rows) {
            QString error;
            const auto label = parseLabelDefinition(*set, index, &error);
            ASSERT_TRUE(label) << set->Definition(index).toStdString() << ": " << error.toStdString();
            EXPECT_LE(label->marginTop + label->labelHeight + label->marginBottom, label->paperHeight + 1e-6)
                << set->Definition(index).toStdString();
            for (double left : label->LabelLefts())
                EXPECT_LE(left + label->labelWidth, label->paperWidth - label->marginRight + 1e-6)
                    << set->Definition(index).toStdString();
            if (label->paperWidth > label->paperHeight) {
                EXPECT_EQ(label->orientation, poLandscape) << set->Definition(index).toStdString();
            }
        }
    }
    QLocale::setDefault(previous);
    EXPECT_EQ(rows, 322);
}

TEST(LabelSets, ListTheirLabelsByProductAndKindAsWritten) {
    const TppLabelSet& laser = *labelSetsFor(TppLabelPrinterKind::LaserJet).first();
    EXPECT_EQ(labelEntries(laser).first().caption, "2162 - Mini - Address");
    const auto france = parseLabelDefinition(
        QStringLiteral("Address,Tab2 89.36,3.5,1.44,8.19,1.52,0,0,0.49,0,0,0,1,2,0.49,4.19"));
    ASSERT_TRUE(france);
    EXPECT_EQ(france->ListName(), "Tab2 89.36 - Address");
    EXPECT_EQ(france->columnPositions, (QList<double>{0.49, 4.19}));
    const auto spine = parseLabelDefinition(
        QStringLiteral("Video Spine,J400VS ,5.71,0.67,8.2708,11.6979,0.83,6,1.28,0,0,0.5,1,0"));
    ASSERT_TRUE(spine);
    EXPECT_EQ(spine->ListName(), "J400VS  - Video Spine") << "the product keeps its trailing blank";
    EXPECT_DOUBLE_EQ(spine->paperWidth, 8.2708);
}

struct MalformedRow {
    const char* name;
    const char* row;
};

class MalformedRows : public ::testing::TestWithParam<MalformedRow> {};

TEST_P(MalformedRows, AreRefusedWithTheReason) {
    QString error;
    EXPECT_FALSE(parseLabelDefinition(QString::fromLatin1(GetParam().row), &error));
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    LabelSets, MalformedRows,
    ::testing::Values(
        MalformedRow{"too_few_fields", "Address,5160,2.63,1,8.5,11,0.5,0.5,0.19,0,0,0,1"},
        MalformedRow{"a_column_missing", "Address,5160,2.63,1,8.5,11,0.5,0.5,0.19,0,0,0,1,3,0.19,2.94"},
        MalformedRow{"a_column_too_many", "Address,5161,4,1,8.5,11,0.5,0.5,0.16,0,0,0,1,0,0.16"},
        MalformedRow{"a_decimal_comma_shifts_the_fields",
                     "Address,5160,2;63,1,8.5,11,0.5,0.5,0.19,0,0,0,1,0"},
        MalformedRow{"an_empty_number", "Address,5160,,1,8.5,11,0.5,0.5,0.19,0,0,0,1,0"},
        MalformedRow{"orientation_two", "Address,5160,2.63,1,8.5,11,0.5,0.5,0.19,0,2,0,1,0"},
        MalformedRow{"units_out_of_range", "Address,5160,2.63,1,8.5,11,0.5,0.5,0.19,0,0,0,9,0"},
        MalformedRow{"negative_columns", "Address,5160,2.63,1,8.5,11,0.5,0.5,0.19,0,0,0,1,-1"},
        MalformedRow{"no_label_height", "Address,5160,2.63,0,8.5,11,0.5,0.5,0.19,0,0,0,1,0"},
        MalformedRow{"a_negative_margin", "Address,5160,2.63,1,8.5,11,-0.5,0.5,0.19,0,0,0,1,0"},
        MalformedRow{"taller_than_its_paper", "Address,4010,3.5,0.94,4.25,1,0.1,0,0.38,0,0,0.06,1,0"},
        MalformedRow{"a_column_past_the_edge",
                     "Address,5160,2.63,1,8.5,11,0.5,0.5,0.19,0,0,0,1,3,0.19,2.94,6"},
        MalformedRow{"no_product", "Address,,2.63,1,8.5,11,0.5,0.5,0.19,0,0,0,1,0"}),
    RowName());

TEST_F(LabelReportTest, AStockOfThreeColumnsGivesTheReportItsColumnsAndTheLabelItsBand) {
    makeLabelReport(*report, standardLaser(QStringLiteral("5096")), QStringLiteral("Manual Feed"));

    EXPECT_EQ(report->Columns(), 3);
    EXPECT_EQ(report->ColumnPositions, (QStringList{"0.13", "2.88", "5.63"}));
    EXPECT_EQ(report->mmColumnWidth(), mm(2.75));
    ASSERT_EQ(report->BandCount(), 1) << "no header, footer or column bands";
    TppBand* detail = report->GetBand(btDetail);
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->mmHeight(), mm(2.75));
    EXPECT_EQ(detail->mmBottomOffset(), UnitsToMM(0.25f, utInches, Axis::Vertical));
    const TppPageDef& page = report->PageDef();
    EXPECT_EQ(page.mmWidth, mm(8.5));
    EXPECT_EQ(page.mmHeight, UnitsToMM(11.0f, utInches, Axis::Vertical));
    EXPECT_EQ(page.mmMarginLeft, mm(0.13));
    EXPECT_EQ(page.mmMarginBottom, UnitsToMM(0.25f, utInches, Axis::Vertical));
    EXPECT_EQ(report->PrinterSetup().BinName(), "Manual Feed");
}

TEST_F(LabelReportTest, LandscapeStockKeepsItsPaperWhateverOrientationThePaperHadBefore) {
    // 4.25 x 1 inch continuous stock is wider than high: it feeds in
    // landscape, and turning the paper after sizing it would stand it on end.
    const TppLabelDefinition continuous = definitionOf(
        QStringLiteral("Avery Standard"), TppLabelPrinterKind::DotMatrix, QStringLiteral("4010"));
    ASSERT_EQ(continuous.orientation, poLandscape) << "the row says portrait";
    for (TPrinterOrientation before : {poPortrait, poLandscape}) {
        report->PrinterSetup().SetOrientation(before);
        applyLabelDefinition(*report, continuous);
        EXPECT_EQ(report->PrinterSetup().Orientation(), poLandscape);
        EXPECT_EQ(report->PageDef().mmWidth, mm(4.25)) << "from " << before;
        EXPECT_EQ(report->PageDef().mmHeight, UnitsToMM(1.0f, utInches, Axis::Vertical)) << "from " << before;
    }
    // And back to a sheet that stands upright.
    applyLabelDefinition(*report, standardLaser(QStringLiteral("5160")));
    EXPECT_EQ(report->PrinterSetup().Orientation(), poPortrait);
    EXPECT_EQ(report->PageDef().mmWidth, mm(8.5));
}

struct PageSizedStock {
    const char* name;
    const char* setName;
    TppLabelPrinterKind kind;
    const char* product;
};

class PageSizedStocks : public ::testing::TestWithParam<PageSizedStock> {
protected:
    PageSizedStocks() {
        registerEngineClasses();
        registerTemplateClasses();
        report = new TppReport(&form);
        report->SetName(QStringLiteral("Report1"));
        createDefaultBands(*report);
    }
    OwnedComponent form;
    TppReport* report = nullptr;
    OneFieldData data;
};

TEST_P(PageSizedStocks, PrintOneLabelAPageAndNoBlankPage) {
    const PageSizedStock& stock = GetParam();
    makeLabelReport(*report,
                    definitionOf(QLatin1String(stock.setName), stock.kind, QLatin1String(stock.product)),
                    QString());
    TppDataPipeline* pipeline = data.pipeline(
        form, FieldType::String, {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")});
    report->SetDataPipeline(pipeline);
    auto* name = new TppDBText(&form);
    name->SetBand(report->GetBand(btDetail));
    name->SetDataPipeline(pipeline);
    name->SetDataField(QStringLiteral("F"));
    name->SetBounds(0, 0, 20000, 5000);

    const PageList pages = printToPages(*report, TppPageRequest());
    ASSERT_EQ(pages.size(), 3u);
    const QStringList names{"Ann", "Bob", "Cy"};
    for (size_t index = 0; index < pages.size(); ++index) {
        // What the page draws: its outline is no label.
        const QStringList dump =
            pageDumpLines(*pages[index])
                .filter(QRegularExpression(QStringLiteral("^(?!TppOutlineDrawCommand )")));
        ASSERT_EQ(dump.size(), 2) << dump.join('\n').toStdString();
        EXPECT_TRUE(dump[1].endsWith(QStringLiteral("\"%1\"").arg(names[index]))) << dump[1].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(LabelSets, PageSizedStocks,
                         ::testing::Values(PageSizedStock{"continuous_inch_pitch", "Avery Standard",
                                                          TppLabelPrinterKind::DotMatrix, "4010"},
                                           PageSizedStock{"full_sheet", "Avery Standard",
                                                          TppLabelPrinterKind::LaserJet, "5165"},
                                           PageSizedStock{"one_across_french", "Avery International (France)",
                                                          TppLabelPrinterKind::DotMatrix, "Tab1 89.36"}),
                         RowName());

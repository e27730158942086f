#include "WizardDataFixture.h"

#include "ClassRegistry.h"
#include "LabelWizardDialog.h"
#include "TppBand.h"
#include "TppLabelWizard.h"
#include "TppWizardRegistry.h"

#include <QComboBox>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class LabelWizardTest : public ::testing::Test, public WizardDataFixture {};

int rowOf(const LabelWizardDialog& dialog, const QString& caption) {
    return int(dialog.labels().indexOf(caption));
}

} // namespace

TEST_F(LabelWizardTest, ThePrinterKindOffersItsSetsAndAProductItsLabels) {
    LabelWizardDialog dialog;
    EXPECT_EQ(dialog.products(), (QStringList{"Avery Standard", "Avery A4 and A5 sizes"}));
    EXPECT_EQ(dialog.labels().size(), 158);
    ASSERT_TRUE(dialog.selectedLabel()) << "the first label is chosen";
    EXPECT_EQ(dialog.selectedLabel()->ListName(), "2162 - Mini - Address");

    dialog.findChild<QRadioButton*>(QStringLiteral("dotMatrix"))->click();
    EXPECT_EQ(dialog.products(),
              (QStringList{"Avery Standard", "Avery International (UK)", "Avery International (France)"}));
    EXPECT_EQ(dialog.labels().size(), 40);
    dialog.setProduct(QStringLiteral("Avery International (France)"));
    EXPECT_EQ(dialog.labels().size(), 12);
    EXPECT_GE(rowOf(dialog, QStringLiteral("Tab2 89.36 - Address")), 0);
}

TEST_F(LabelWizardTest, TheChosenLabelIsDescribedAndLaidOutOnThePreview) {
    LabelWizardDialog dialog;
    dialog.setLabelRow(rowOf(dialog, QStringLiteral("5096 - Diskette")));
    EXPECT_EQ(dialog.infoText(QStringLiteral("Type")), "Diskette");
    EXPECT_EQ(dialog.infoText(QStringLiteral("Height")), "2.75\"");
    EXPECT_EQ(dialog.infoText(QStringLiteral("Width")), "2.75\"");
    EXPECT_TRUE(dialog.infoText(QStringLiteral("PaperSize")).startsWith(QLatin1String("Letter")))
        << dialog.infoText(QStringLiteral("PaperSize")).toStdString();
    EXPECT_EQ(dialog.previewReport().Columns(), 3);

    dialog.findChild<QRadioButton*>(QStringLiteral("dotMatrix"))->click();
    dialog.setLabelRow(rowOf(dialog, QStringLiteral("4010 - Address")));
    EXPECT_EQ(dialog.infoText(QStringLiteral("PaperSize")), "(4.25 x 1)") << "no paper of that size";
    EXPECT_EQ(dialog.previewReport().PrinterSetup().Orientation(), poLandscape);
}

TEST_F(LabelWizardTest, OKTurnsTheReportIntoASheetOfTheChosenLabels) {
    report->SetDataPipeline(pipeline);
    registerReportWizards();
    auto wizard = TppWizardRegistry::instance().Create(QStringLiteral("TppLabelWizard"));
    ASSERT_TRUE(wizard);
    EXPECT_EQ(wizard->WizardName(), "Label Templates");
    connectWizardToReport(*wizard, *report);
    static_cast<TppLabelWizard&>(*wizard).RunDialog = [](LabelWizardDialog& dialog) {
        dialog.setLabelRow(int(dialog.labels().indexOf(QStringLiteral("5160 - Address"))));
        return true;
    };
    ASSERT_TRUE(wizard->Execute());
    EXPECT_EQ(report->Columns(), 3);
    EXPECT_EQ(report->BandCount(), 1);
    EXPECT_EQ(report->GetBand(btDetail)->mmHeight(), UnitsToMM(1.0f, utInches, Axis::Vertical));
    EXPECT_EQ(report->DataPipeline(), pipeline) << "the labels print the data the report had";
    EXPECT_EQ(wizard->AfterAction(), waDesign);

    static_cast<TppLabelWizard&>(*wizard).RunDialog = [](LabelWizardDialog&) { return false; };
    EXPECT_FALSE(wizard->Execute());
}

TEST(WizardRegistry, OffersTheFeaturedWizardFirstAndTheBlankReportByDefault) {
    registerReportWizards();
    TppWizardRegistry& registry = TppWizardRegistry::instance();
    QStringList names;
    for (const TppWizardRegistry::Entry& entry : registry.ReportWizards())
        names << entry.name;
    EXPECT_EQ(names, (QStringList{"Report Wizard", "Report", "Label Templates"}));
    EXPECT_EQ(registry.DefaultWizard, "TppBlankReportWizard");
    registerReportWizards();
    EXPECT_EQ(registry.ReportWizards().size(), 3) << "registered once";

    const ClassInfo* labels = ClassRegistry::instance().find(QStringLiteral("TppLabelWizard"));
    ASSERT_TRUE(labels) << "templates and scripts find wizards by name";
    EXPECT_TRUE(labels->inheritsFrom(QStringLiteral("TppCustomReportWizard")));
    registry.Unregister(QStringLiteral("TppLabelWizard"));
    EXPECT_FALSE(ClassRegistry::instance().find(QStringLiteral("TppLabelWizard")));
    EXPECT_EQ(registry.ReportWizards().size(), 2);
    EXPECT_FALSE(registry.Create(QStringLiteral("TppLabelWizard")));
    registerReportWizards();
    EXPECT_EQ(registry.ReportWizards().last().className, "TppLabelWizard");
}

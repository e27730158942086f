#include "WizardDataFixture.h"

#include "ReportWizardDialog.h"
#include "ReportWizardState.h"
#include "TppBand.h"
#include "TppDBText.h"
#include "TppGroup.h"
#include "TppReportWizard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class ReportWizardDialogTest : public ::testing::Test, public WizardDataFixture {
protected:
    ReportWizardDialogTest()
        : state({QStringLiteral("Orders")},
                [this](const QString& name) { return pipelineFields(*report, name); }) {
        state.setDataName(QStringLiteral("Orders"));
        dialog = std::make_unique<ReportWizardDialog>(state);
        dialog->showInformation = [this](const QString& text) { told << text; };
        dialog->show();
    }

    template <class Widget> Widget* child(const char* name) const {
        auto* widget = dialog->currentPage()->findChild<Widget*>(QLatin1String(name));
        EXPECT_TRUE(widget) << name << " on page " << dialog->currentId();
        return widget;
    }
    // Picks the entry of the page's left list and moves it across.
    void pick(const char* prefix, const QString& text) {
        auto* list = child<QListWidget>((std::string(prefix) + "Available").c_str());
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        list->setCurrentItem(items.first());
        child<QPushButton>((std::string(prefix) + "Add").c_str())->click();
    }
    void choose(const char* radio) { child<QRadioButton>(radio)->click(); }

    ReportWizardState state;
    std::unique_ptr<ReportWizardDialog> dialog;
    QStringList told;
};

} // namespace

TEST_F(ReportWizardDialogTest, NextAndBackWalkThePagesThatApply) {
    EXPECT_EQ(dialog->currentId(), ReportWizardDialog::FieldsPage);
    dialog->next();
    EXPECT_EQ(dialog->currentId(), ReportWizardDialog::FieldsPage) << "no field chosen";
    EXPECT_EQ(told, QStringList{"Fields must be selected before continuing."});

    pick("field", QStringLiteral("NAME"));
    pick("field", QStringLiteral("CITY"));
    EXPECT_EQ(state.selectedFields(), (QStringList{"NAME", "CITY"}));
    dialog->next();
    EXPECT_EQ(dialog->currentId(), ReportWizardDialog::GroupsPage);
    dialog->next();
    EXPECT_EQ(dialog->currentId(), ReportWizardDialog::SimpleLayoutsPage) << "no groups";
    choose("Vertical");
    EXPECT_EQ(state.layout, rlVertical);
    dialog->back();
    EXPECT_EQ(dialog->currentId(), ReportWizardDialog::GroupsPage);
    pick("group", QStringLiteral("CITY"));
    dialog->next();
    EXPECT_EQ(dialog->currentId(), ReportWizardDialog::GroupLayoutsPage) << "groups need group layouts";
    EXPECT_EQ(state.layout, rlStepped);
    dialog->next();
    EXPECT_EQ(dialog->currentId(), ReportWizardDialog::StylesPage);
    dialog->next();
    EXPECT_EQ(dialog->currentId(), ReportWizardDialog::FinishPage);
    EXPECT_EQ(child<QLineEdit>("description")->text(), "Orders-1 Report");
    EXPECT_EQ(told.size(), 1);
}

TEST_F(ReportWizardDialogTest, GoingBackKeepsTheGroupsAndTheLayoutUntilTheFieldsAreLeftAgain) {
    pick("field", QStringLiteral("NAME"));
    pick("field", QStringLiteral("CITY"));
    dialog->next();
    pick("group", QStringLiteral("CITY"));
    dialog->next();
    choose("Block");
    dialog->back();
    EXPECT_EQ(dialog->currentId(), ReportWizardDialog::GroupsPage);
    EXPECT_EQ(state.groupFields(), QStringList{"CITY"}) << "back from the layouts";
    EXPECT_EQ(state.layout, rlBlock);
    EXPECT_EQ(child<QListWidget>("groupChosen")->count(), 1);
    dialog->back();
    EXPECT_EQ(dialog->currentId(), ReportWizardDialog::FieldsPage);
    EXPECT_EQ(state.groupFields(), QStringList{"CITY"}) << "back to the fields";
    EXPECT_EQ(state.layout, rlBlock);

    dialog->next();
    EXPECT_TRUE(state.groupFields().isEmpty()) << "forward from the fields starts the groups again";
    EXPECT_EQ(state.layout, rlTabular);
}

TEST_F(ReportWizardDialogTest, AnotherDataNameClearsTheChoices) {
    pick("field", QStringLiteral("NAME"));
    state.addGroup(QStringLiteral("NAME"));
    child<QComboBox>("dataName")->setCurrentIndex(0);
    EXPECT_EQ(state.dataName(), "<None>");
    EXPECT_TRUE(state.selectedFields().isEmpty());
    EXPECT_TRUE(state.groupFields().isEmpty());
    EXPECT_EQ(child<QListWidget>("fieldAvailable")->count(), 0);
}

TEST_F(ReportWizardDialogTest, MemosAndPicturesFormNoGroups) {
    for (const char* name : {"NAME", "NOTES", "PHOTO", "AMOUNT"})
        state.selectField(QLatin1String(name));
    EXPECT_EQ(state.groupableFields(), (QStringList{"NAME", "AMOUNT"}));
}

TEST_F(ReportWizardDialogTest, ExecuteBuildsTheReportTheDesignerHandsItAndAsksForThePreview) {
    report->SetDataPipeline(pipeline);
    TppReportWizard wizard;
    connectWizardToReport(wizard, *report);
    wizard.RunDialog = [](ReportWizardDialog& shown) {
        ReportWizardState& chosen = shown.state();
        EXPECT_EQ(chosen.dataName(), "Orders") << "the only data is chosen";
        chosen.selectField(QStringLiteral("CITY"));
        chosen.selectField(QStringLiteral("NAME"));
        shown.show();
        shown.next();
        chosen.addGroup(QStringLiteral("CITY"));
        shown.next();
        shown.next();
        shown.next();
        shown.currentPage()->findChild<QRadioButton*>(QStringLiteral("previewReport"))->click();
        return true;
    };
    ASSERT_TRUE(wizard.Execute());
    EXPECT_EQ(wizard.Report(), report);
    EXPECT_EQ(wizard.AfterAction(), waPreview);
    EXPECT_EQ(report->DataPipeline(), pipeline);
    ASSERT_EQ(report->GroupCount(), 1);
    EXPECT_EQ(report->Group(0)->BreakName(), "CITY");
    EXPECT_EQ(report->GetBand(btDetail)->ObjectCount(), 1) << "NAME; CITY stands in its group header";

    wizard.RunDialog = [](ReportWizardDialog&) { return false; };
    const int bands = report->BandCount();
    EXPECT_FALSE(wizard.Execute()) << "Cancel";
    EXPECT_EQ(report->BandCount(), bands) << "a cancelled wizard leaves the report alone";
}

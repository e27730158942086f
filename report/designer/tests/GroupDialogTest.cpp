#include "DesignerFixture.h"
#include "ScheduleData.h"
#include "ScriptedDialogs.h"

#include "TppGroup.h"
#include "TppGroupDialog.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The fixture's report over Customers (Country, Amount, ...), optionally
// with groups on Country and on Amount.
class GroupDialogTest : public ::testing::Test, public DesignerFixture {
protected:
    GroupDialogTest() {
        pipeline = data.pipeline(form);
        report->SetDataPipeline(pipeline);
    }

    TppGroup* addGroup(const char* name, const char* field) {
        auto* group = new TppGroup(&form);
        group->SetName(name);
        group->SetReport(report);
        group->SetBreakName(field);
        group->SetDataPipeline(pipeline);
        group->CreateBands();
        group->HeaderBand()->SetName(QStringLiteral("%1Header").arg(name));
        group->FooterBand()->SetName(QStringLiteral("%1Footer").arg(name));
        return group;
    }
    std::unique_ptr<TppGroupDialog> open() {
        auto dialog = std::make_unique<TppGroupDialog>(*controller, dialogs);
        dialog->show();
        return dialog;
    }
    QStringList entryTexts(const TppGroupDialog& dialog) const {
        QStringList texts;
        for (int row = 0; row < dialog.groupList().count(); ++row)
            texts << dialog.groupList().item(row)->text();
        return texts;
    }

    ScheduleData data;
    TppDBPipeline* pipeline = nullptr;
    ScriptedDialogs dialogs;
};

TEST_F(GroupDialogTest, WithNothingToBreakOnAddIsDisabled) {
    OwnedComponent bare;
    auto* empty = new TppReport(&bare);
    empty->SetName("Report2");
    DesignerController designer(*empty);
    TppGroupDialog dialog(designer, dialogs);
    EXPECT_FALSE(dialog.addButton().isEnabled());
    EXPECT_FALSE(dialog.deleteButton().isEnabled());
    EXPECT_FALSE(dialog.dataFieldButton().isEnabled());
    EXPECT_FALSE(dialog.customFieldButton().isEnabled());
}

TEST_F(GroupDialogTest, AddingAGroupNamesItByPipelineAndFieldAndOkGivesTheReportOneThatUndoTakesBack) {
    auto dialog = open();
    EXPECT_TRUE(dialog->addButton().isEnabled());
    EXPECT_FALSE(dialog->deleteButton().isEnabled());
    EXPECT_TRUE(dialog->dataFieldButton().isChecked());
    EXPECT_TRUE(dialog->customFieldButton().isEnabled()) << "the labels are text components";
    EXPECT_FALSE(dialog->keepTogetherBox().isEnabled()) << "nothing to set without an entry";
    EXPECT_TRUE(dialog->reprintOnPageBox().isChecked());

    dialog->addButton().click();
    EXPECT_EQ(entryTexts(*dialog), QStringList{"Group[0]:Customers.Country"});
    EXPECT_TRUE(dialog->keepTogetherBox().isEnabled());
    EXPECT_TRUE(dialog->keepTogetherBox().isChecked()) << "a new entry keeps together";
    dialog->accept();
    ASSERT_EQ(report->GroupCount(), 1);
    TppGroup* group = report->Group(0);
    EXPECT_EQ(group->BreakName(), "Country");
    EXPECT_EQ(group->DataPipeline(), pipeline);
    ASSERT_TRUE(group->HeaderBand());
    ASSERT_TRUE(group->FooterBand());
    EXPECT_FALSE(group->HeaderBand()->Name().isEmpty()) << "the new bands can be found by name";
    EXPECT_TRUE(report->Modified());

    controller->undoStack().undo();
    EXPECT_EQ(report->GroupCount(), 0);
    controller->undoStack().redo();
    ASSERT_EQ(report->GroupCount(), 1);
    EXPECT_EQ(report->Group(0)->BreakName(), "Country");
}

TEST_F(GroupDialogTest, StartNewPageAndStartNewColumnRuleTheOtherBoxes) {
    report->SetColumns(2);
    addGroup("ppGroup1", "Country")->SetKeepTogether(true);
    auto dialog = open();
    ASSERT_EQ(dialog->currentEntry(), 0);
    EXPECT_TRUE(dialog->keepTogetherBox().isChecked());
    EXPECT_FALSE(dialog->resetPageNoBox().isEnabled());
    EXPECT_TRUE(dialog->newPageThresholdEdit().isEnabled());

    dialog->newPageBox().click();
    EXPECT_TRUE(dialog->resetPageNoBox().isEnabled());
    EXPECT_FALSE(dialog->keepTogetherBox().isChecked());
    EXPECT_FALSE(dialog->keepTogetherBox().isEnabled());
    EXPECT_FALSE(dialog->newPageThresholdEdit().isEnabled());
    dialog->resetPageNoBox().click();

    dialog->newColumnBox().click();
    dialog->newPageBox().click();
    EXPECT_FALSE(dialog->resetPageNoBox().isChecked());
    EXPECT_FALSE(dialog->resetPageNoBox().isEnabled());
    EXPECT_FALSE(dialog->keepTogetherBox().isEnabled()) << "a new column still rules it out";
    dialog->newColumnBox().click();
    EXPECT_TRUE(dialog->keepTogetherBox().isEnabled());
    EXPECT_TRUE(dialog->keepTogetherBox().isChecked()) << "back to the entry's own value";
    EXPECT_FALSE(dialog->entries().at(0).resetPageNo);
}

TEST_F(GroupDialogTest, AnEntryShownWithANewColumnCannotKeepTogether) {
    report->SetColumns(2);
    addGroup("ppGroup1", "Country")->SetNewColumn(true);
    auto dialog = open();
    EXPECT_FALSE(dialog->keepTogetherBox().isEnabled());
    EXPECT_FALSE(dialog->keepTogetherBox().isChecked());
}

TEST_F(GroupDialogTest, ATextThatIsNoNumberIsRefusedOnceAndTheOldValueComesBack) {
    addGroup("ppGroup1", "Country");
    auto dialog = open();
    QLineEdit& edit = dialog->newPageThresholdEdit();
    ASSERT_EQ(edit.text(), "0");
    edit.setText("oops");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "text the dialog sets itself is not checked";
    edit.setText("0");
    edit.setFocus();
    edit.end(false);
    QTest::keyClick(&edit, 'a');
    EXPECT_EQ(dialogs.messages, QStringList{"Invalid Number."});
    EXPECT_EQ(edit.text(), "0");
    EXPECT_EQ(edit.selectedText(), "0");
    QTest::keyClicks(&edit, "2");
    EXPECT_EQ(dialogs.messages.size(), 1);
    dialog->accept();
    EXPECT_NEAR(report->Group(0)->NewPageThreshold(), 2.0, 0.001);
}

TEST_F(GroupDialogTest, KeepingAnInnerGroupTogetherClearsItOnTheOuterOnes) {
    addGroup("ppGroup1", "Country")->SetKeepTogether(true);
    addGroup("ppGroup2", "Amount");
    auto dialog = open();
    dialog->selectEntry(1);
    dialog->keepTogetherBox().click();
    EXPECT_TRUE(dialog->entries().at(1).keepTogether);
    EXPECT_FALSE(dialog->entries().at(0).keepTogether);
}

TEST_F(GroupDialogTest, DraggingAnEntryInTheListReordersTheGroups) {
    addGroup("ppGroup1", "Country");
    TppGroup* amount = addGroup("ppGroup2", "Amount");
    auto dialog = open();
    dialog->selectEntry(1);
    ASSERT_TRUE(dialog->groupList().model()->moveRow(QModelIndex(), 1, QModelIndex(), 0));
    QCoreApplication::processEvents();
    EXPECT_EQ(entryTexts(*dialog), (QStringList{"Group[0]:Customers.Amount", "Group[1]:Customers.Country"}));
    EXPECT_EQ(dialog->currentEntry(), 0) << "the moved entry stays selected";
    dialog->accept();
    EXPECT_EQ(report->Group(0), amount);
}

TEST_F(GroupDialogTest, InsertThenOkPutsTheNewGroupFirst) {
    TppGroup* amount = addGroup("ppGroup1", "Amount");
    auto dialog = open();
    dialog->insertButton().click();
    EXPECT_EQ(entryTexts(*dialog), (QStringList{"Group[0]:Customers.Amount", "Group[1]:Customers.Amount"}))
        << "the new entry takes the description shown";
    dialog->breakList().setCurrentIndex(0);
    emit dialog->breakList().activated(0);
    EXPECT_EQ(entryTexts(*dialog), (QStringList{"Group[0]:Customers.Country", "Group[1]:Customers.Amount"}));
    dialog->accept();
    ASSERT_EQ(report->GroupCount(), 2);
    EXPECT_EQ(report->Group(1), amount);
    EXPECT_EQ(report->Group(0)->BreakName(), "Country");
    EXPECT_EQ(report->Bands().indexOf(amount->HeaderBand()),
              report->Bands().indexOf(report->Group(0)->HeaderBand()) + 1)
        << "the inner group's header comes after the outer one's";
}

TEST_F(GroupDialogTest, DeleteChangesNothingUntilOkAndUndoBringsTheGroupBackWithItsBands) {
    addGroup("ppGroup1", "Country");
    TppGroup* amount = addGroup("ppGroup2", "Amount");
    addLabel("ppLabel9", report->Group(0)->HeaderBand(), 5, 5, 40, 17);
    {
        auto dialog = open();
        dialog->deleteButton().click();
        EXPECT_EQ(entryTexts(*dialog), QStringList{"Group[0]:Customers.Amount"});
        dialog->reject();
    }
    EXPECT_EQ(report->GroupCount(), 2) << "Cancel leaves the groups as they were";

    auto dialog = open();
    dialog->deleteButton().click();
    dialog->accept();
    ASSERT_EQ(report->GroupCount(), 1);
    EXPECT_EQ(report->Group(0), amount);
    EXPECT_FALSE(form.FindComponent("ppLabel9")) << "the deleted group's bands went with it";

    controller->undoStack().undo();
    ASSERT_EQ(report->GroupCount(), 2);
    EXPECT_EQ(report->Group(0)->Name(), "ppGroup1");
    EXPECT_EQ(report->Group(0)->BreakName(), "Country");
    EXPECT_TRUE(form.FindComponent("ppLabel9")) << "and came back with its components";
    EXPECT_EQ(report->Group(1), amount);
}

} // namespace

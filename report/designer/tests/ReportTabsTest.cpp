#include "DesignerFixture.h"
#include "ScriptedDialogs.h"

#include "ComponentWriter.h"
#include "DesignWorkspace.h"
#include "PropertyPanel.h"
#include "ReportTabs.h"
#include "SubReportTemplates.h"
#include "TppChildReport.h"
#include "TppDataTreeWindow.h"
#include "TppDesigner.h"
#include "TppDesignerWindow.h"
#include "TppReportTemplate.h"
#include "TppSubReport.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The fixture's report with a subreport in its detail band; the child
// report holds a label and a subreport of its own.
class ReportTabsTest : public ::testing::Test, public DesignerFixture {
protected:
    ReportTabsTest() {
        outer = addSubReport("ppSubReport1", detail);
        child = outer->ChildReportIfAny();
        childDetail = child->GetBand(btDetail);
        inner = addLabel("ppLabel10", childDetail, 5, 5, 40, 17);
        nested = addSubReport("ppSubReport2", childDetail);
        report->SetModified(false);
        window = std::make_unique<TppDesignerWindow>(*report, dialogs);
        window->onReportSelected = [this](TppCustomReport* chosen) { selected << chosen; };
        window->resize(1000, 700);
        window->show();
    }

    TppSubReport* addSubReport(const char* name, TppBand* band) {
        auto* subReport = new TppSubReport(&form);
        subReport->SetName(name);
        subReport->SetUserName(QString::fromLatin1(name).mid(2));
        subReport->SetBand(band);
        subReport->SetBounds(mm(200), 0, mm(100), mm(30, true));
        createChildReport(*subReport);
        return subReport;
    }

    DesignerController& designer() const { return window->controller(); }
    ReportTabs& tabs() const { return window->reportTabs(); }
    QStringList captions() const {
        QStringList captions;
        for (int index = 0; index < tabs().count(); ++index)
            captions << tabs().tabText(index);
        return captions;
    }
    void chooseTab(int index) const {
        QTest::mouseClick(&tabs(), Qt::LeftButton, Qt::NoModifier, tabs().tabRect(index).center());
    }
    // A click on the workspace, in workspace pixels.
    void click(QPoint point) const {
        QTest::mouseClick(&window->workspace(), Qt::LeftButton, Qt::NoModifier,
                          window->workspace().toWidget(point));
    }
    QPoint inBand(int band, int x, int y) const { return {x, designer().layout().areaTop(band) + y}; }
    QString layoutOf(const TppCustomReport& shown) const {
        return QString::fromLatin1(WriteComponents({&shown}, &form, StreamForm::Text));
    }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    TppSubReport* outer = nullptr;
    TppChildReport* child = nullptr;
    TppBand* childDetail = nullptr;
    TppLabel* inner = nullptr;
    TppSubReport* nested = nullptr;
    QList<TppCustomReport*> selected;
    std::unique_ptr<TppDesignerWindow> window;
};

TEST_F(ReportTabsTest, TheTabsFollowSubreportsAsTheyAreCreatedDeletedUndoneAndPasted) {
    EXPECT_EQ(captions(), (QStringList{"Main", "SubReport1", "SubReport2"}))
        << "the nested child comes after the one holding it";
    EXPECT_EQ(child->BandCount(), 3) << "a new child report has its title, detail and summary";

    window->paletteAction("TppSubReport")->trigger();
    click(inBand(1, 400, 5));
    auto* made = dynamic_cast<TppSubReport*>(form.FindComponent("ppSubReport3"));
    ASSERT_TRUE(made);
    ASSERT_TRUE(made->ChildReportIfAny()) << "a placed subreport has its child at once";
    EXPECT_EQ(captions(), (QStringList{"Main", "SubReport1", "SubReport2", "SubReport3"}));
    window->action("actUndo")->trigger();
    EXPECT_EQ(captions(), (QStringList{"Main", "SubReport1", "SubReport2"}));
    window->action("actRedo")->trigger();
    EXPECT_EQ(tabs().count(), 4);

    designer().selection().selectOnly(outer);
    emit designer().selectionChanged();
    window->action("actDelete")->trigger();
    EXPECT_EQ(captions(), (QStringList{"Main", "SubReport3"}));
    window->action("actUndo")->trigger();
    EXPECT_EQ(captions(), (QStringList{"Main", "SubReport1", "SubReport2", "SubReport3"}));
    EXPECT_TRUE(form.FindComponent("ppChildReport1")) << "the child comes back under its name";
    EXPECT_TRUE(form.FindComponent("ppLabel10")) << "with what it held";

    designer().selection().selectOnly(dynamic_cast<TppComponent*>(form.FindComponent("ppSubReport3")));
    emit designer().selectionChanged();
    window->action("actCopy")->trigger();
    window->action("actPaste")->trigger();
    ASSERT_EQ(tabs().count(), 5);
    EXPECT_NE(tabs().tabs().at(4).report, tabs().tabs().at(3).report)
        << "the pasted one has a child of its own";
}

TEST_F(ReportTabsTest, AChildTabDesignsTheChildAndUndoGoesBackToWhereEachEditWasMade) {
    designer().selection().selectOnly(first);
    designer().nudge(1, 0, 0, 0);
    const int movedLeft = first->mmLeft();

    chooseTab(1);
    EXPECT_EQ(&designer().report(), child);
    EXPECT_EQ(selected, (QList<TppCustomReport*>{child})) << "OnReportSelected after the switch";
    EXPECT_TRUE(designer().selection().isEmpty()) << "the main report's selection does not follow";
    EXPECT_EQ(designer().bandAt(0)->Report(), child) << "the workspace shows the child's bands";
    EXPECT_EQ(window->propertyPanel().object(), child);
    EXPECT_TRUE(window->action("actLoadSubReport")->isEnabled());

    window->paletteAction("TppLabel")->trigger();
    click(inBand(1, 100, 10));
    TppComponent* made = designer().selection().primary();
    ASSERT_TRUE(made);
    EXPECT_EQ(made->Band(), childDetail) << "a label made on the child's tab lands in the child";
    EXPECT_TRUE(report->Modified()) << "the main report holds the child and is saved with it";
    const QString madeName = made->Name();

    chooseTab(0);
    EXPECT_EQ(&designer().report(), report);
    EXPECT_FALSE(window->action("actLoadSubReport")->isEnabled());

    window->action("actUndo")->trigger();
    EXPECT_EQ(&designer().report(), child) << "the undo designs the report of its edit";
    EXPECT_EQ(tabs().currentIndex(), 1);
    EXPECT_FALSE(form.FindComponent(madeName));
    window->action("actUndo")->trigger();
    EXPECT_EQ(&designer().report(), report);
    EXPECT_EQ(first->mmLeft(), mm(10));
    window->action("actRedo")->trigger();
    window->action("actRedo")->trigger();
    EXPECT_EQ(first->mmLeft(), movedLeft);
    auto* remade = dynamic_cast<TppComponent*>(form.FindComponent(madeName));
    ASSERT_TRUE(remade);
    EXPECT_EQ(remade->Band(), childDetail);
    EXPECT_EQ(selected, (QList<TppCustomReport*>{child, report, child, report, child}));

    dialogs.answer = DesignerDialogs::Answer::No;
    window->close();
    EXPECT_EQ(dialogs.asked, QStringList{"Save changes to SubReport1: Untitled.rtm ?"});
}

// The Report menu's band switches act on the report of the tab, and their
// undo goes back to it from another tab.
TEST_F(ReportTabsTest, ABandSwitchedOffOnAChildTabComesBackThereOnUndo) {
    const int mainBands = report->BandCount();
    chooseTab(1);
    ASSERT_TRUE(child->GetBand(btTitle));
    EXPECT_TRUE(window->action("actTitle")->isChecked()) << "the switch shows the child's title";
    window->action("actTitle")->trigger();
    EXPECT_FALSE(child->GetBand(btTitle));
    EXPECT_EQ(report->BandCount(), mainBands);

    chooseTab(0);
    window->action("actUndo")->trigger();
    EXPECT_EQ(&designer().report(), child);
    EXPECT_TRUE(child->GetBand(btTitle));
    EXPECT_EQ(report->BandCount(), mainBands) << "the main report does not get the child's title";
    chooseTab(0);
    window->action("actRedo")->trigger();
    EXPECT_FALSE(child->GetBand(btTitle));
    EXPECT_EQ(report->BandCount(), mainBands);
}

TEST_F(ReportTabsTest, SaveSubReportWritesTheChildAloneAndLoadSubReportReadsItBackAsOneStep) {
    EXPECT_FALSE(window->action("actSaveSubReport")->isEnabled()) << "the main report's tab is chosen";
    chooseTab(1);
    const QString saved = layoutOf(*child);
    const QString file = folder.filePath("child.rtm");
    dialogs.saveFiles = {file};
    window->action("actSaveSubReport")->trigger();
    ASSERT_TRUE(QFile::exists(file)) << dialogs.messages.join("; ").toStdString();
    EXPECT_TRUE(ReportTemplate(*child).FileName().isEmpty()) << "the child's own settings stay";
    EXPECT_FALSE(report->Modified());

    designer().selection().selectOnly(inner);
    emit designer().selectionChanged();
    window->action("actDelete")->trigger();
    dialogs.openFile = file;
    const int steps = designer().undoStack().count();
    window->action("actLoadSubReport")->trigger();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
    EXPECT_EQ(layoutOf(*child), saved) << "the child is as it was saved";
    EXPECT_EQ(designer().undoStack().count(), steps + 1);
    EXPECT_EQ(captions(), (QStringList{"Main", "SubReport1", "SubReport2"}));

    window->action("actUndo")->trigger();
    EXPECT_FALSE(form.FindComponent("ppLabel10")) << "one undo takes the whole load back";
    window->action("actRedo")->trigger();
    EXPECT_EQ(layoutOf(*child), saved);

    QFile garbage(folder.filePath("garbage.rtm"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a template");
    garbage.close();
    dialogs.openFile = garbage.fileName();
    window->action("actLoadSubReport")->trigger();
    EXPECT_EQ(dialogs.messages.size(), 1) << "the failed load is shown";
    EXPECT_EQ(layoutOf(*child), saved) << "and leaves the child as it was";
    EXPECT_EQ(designer().undoStack().count(), steps + 1);
}

TEST_F(ReportTabsTest, UndeleteOnAnotherTabPutsTheComponentsBackWhereTheyCameFrom) {
    chooseTab(1);
    designer().selection().selectOnly(inner);
    emit designer().selectionChanged();
    window->action("actDelete")->trigger();
    chooseTab(0);
    window->action("actUndelete")->trigger();
    EXPECT_EQ(&designer().report(), child);
    auto* back = dynamic_cast<TppComponent*>(form.FindComponent("ppLabel10"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Band(), childDetail) << "not the main report's detail band";

    designer().layoutReplaced();
    EXPECT_EQ(&designer().report(), report) << "a load takes the child reports with the old layout";
    EXPECT_EQ(tabs().currentIndex(), 0);
}

TEST_F(ReportTabsTest, ClosingTheDataTreeWithItsOwnButtonUnticksShowData) {
    ASSERT_TRUE(window->action("actShowData")->isChecked());
    window->dataTree().close();
    EXPECT_FALSE(window->action("actShowData")->isChecked());
    EXPECT_FALSE(window->currentSettings().showData);
    window->action("actShowData")->trigger();
    EXPECT_TRUE(window->dataTree().isVisible());
    EXPECT_TRUE(window->currentSettings().showData);
}

TEST_F(ReportTabsTest, TheDesignerHandsOnReportSelectedOnAndTabsVisibleHidesTheBar) {
    window.reset();
    QTemporaryDir settings;
    TppDesigner component;
    component.SetReport(report);
    component.SetDialogs(&dialogs);
    component.SetSettingsFolder(settings.path());
    component.SetTabsVisible(false);
    QList<TppCustomReport*> chosen;
    component.OnReportSelected = [&](TppCustomReport* shown) { chosen << shown; };
    component.Show();
    TppDesignerWindow* shown = component.Form();
    ASSERT_TRUE(shown);
    EXPECT_FALSE(shown->reportTabs().isVisible());
    shown->controller().designReport(*child);
    EXPECT_EQ(chosen, (QList<TppCustomReport*>{child}));
    dialogs.answer = DesignerDialogs::Answer::No;
    shown->close();
}

} // namespace

#include "FakeEngine.h"
#include "FormRegistry.h"
#include "IconFile.h"
#include "OutputClasses.h"
#include "PreviewForms.h"
#include "RecordingPrompter.h"
#include "RegistryScope.h"
#include "TppOutlineDrawCommand.h"
#include "TppOutlineNode.h"
#include "TppOutlineViewer.h"
#include "TppPageDef.h"
#include "TppPreview.h"
#include "TppPrintPreview.h"
#include "TppScreenDevice.h"
#include "TppViewer.h"
#include "TraRTTI.h"
#include "TraWindowObjects.h"
#include "Units.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Drives the standard preview window offscreen through the report's Print,
// shown without a modal loop so that the test keeps control.
class PreviewWindowTest : public testing::Test {
protected:
    PreviewWindowTest() {
        registerOutputClasses();
        registries.keepForm(TppCustomPreviewer::abstractName());
        registerPreviewForms({&prompter, [this] {
                                  if (duringJob)
                                      duringJob();
                              }});
        report->SetModalPreview(false);
        report->AfterPrint.handler = [this](TppCommunicator*) { ++afterPrints; };
    }
    ~PreviewWindowTest() override {
        delete report;
        flushDeletes();
    }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    TppPrintPreview* open() {
        report->Print();
        auto* form = dynamic_cast<TppPrintPreview*>(report->PreviewForm());
        EXPECT_NE(form, nullptr);
        return form;
    }
    static TppPreview& panel(TppPrintPreview* form) { return dynamic_cast<TppPreview&>(form->Preview()); }
    static void enter(QLineEdit* box, const QString& text) {
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    RegistryScope registries;
    RecordingPrompter prompter;
    OwnedComponent owner;
    FakeEngineReport* report = new FakeEngineReport(&owner);
    std::function<void()> duringJob;
    int afterPrints = 0;
};

// The window that owns the preview knows the screen: a page at 100 % is drawn at its resolution.
TEST_F(PreviewWindowTest, APageAt100PercentIsDrawnAtTheScreenItIsGiven) {
    const FixedResolution screen(120, 110);
    registerPreviewForms({&prompter, {}, &screen});
    TppPrintPreview* form = open();
    ASSERT_NE(form, nullptr);
    TppPageDef letter;
    letter.mmWidth = 215900;
    letter.mmHeight = 279401;
    EXPECT_EQ(form->Viewer()->ScreenDevice().FullPageSize(letter), QSize(1020, 1210)) << "8.5 x 11 inches";
}

TEST_F(PreviewWindowTest, OpensOnTheFirstPageBeforeTheRestIsGenerated) {
    report->engine().pageCount = 360;
    TppPrintPreview* form = open();
    EXPECT_EQ(form->windowTitle(), "Print Preview");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Viewer()->AbsolutePageNo(), 1);
    EXPECT_EQ(report->engine().generated, 1);
    EXPECT_EQ(form->StatusBar()->currentMessage(), "Page 1");
    TppPreview& p = panel(form);
    EXPECT_EQ(p.PageBox()->text(), "1");
    EXPECT_FALSE(p.FirstButton()->isEnabled());
    EXPECT_FALSE(p.PriorButton()->isEnabled());
    EXPECT_TRUE(p.NextButton()->isEnabled());
    EXPECT_TRUE(p.LastButton()->isEnabled());
    EXPECT_TRUE(p.PrintButton()->isEnabled()) << "the print button opens the print dialog";
    EXPECT_EQ(p.CancelButton()->text(), "Close");

    QTest::mouseClick(p.LastButton(), Qt::LeftButton);
    EXPECT_EQ(form->Viewer()->AbsolutePageNo(), 360);
    EXPECT_EQ(form->StatusBar()->currentMessage(), "Page 360 of 360");
    EXPECT_FALSE(p.NextButton()->isEnabled());
    EXPECT_TRUE(p.PriorButton()->isEnabled());
}

TEST_F(PreviewWindowTest, ToolbarCommandsAndKeysTurnPagesAndZoom) {
    TppPrintPreview* form = open();
    TppPreview& p = panel(form);
    TppViewer& viewer = *form->Viewer();
    struct Step {
        const char* name;
        std::function<void()> act;
        int page;
    };
    const Step steps[] = {
        {"next button", [&] { QTest::mouseClick(p.NextButton(), Qt::LeftButton); }, 2},
        {"Ctrl+Page Down", [&] { QTest::keyClick(form, Qt::Key_PageDown, Qt::ControlModifier); }, 3},
        {"Ctrl+End", [&] { QTest::keyClick(form, Qt::Key_End, Qt::ControlModifier); }, 5},
        {"Ctrl+Page Up in the page box",
         [&] { QTest::keyClick(p.PageBox(), Qt::Key_PageUp, Qt::ControlModifier); }, 4},
        {"a number in the page box", [&] { enter(p.PageBox(), "2"); }, 2},
        {"first button", [&] { QTest::mouseClick(p.FirstButton(), Qt::LeftButton); }, 1},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(viewer.AbsolutePageNo(), step.page) << step.name;
        EXPECT_EQ(p.PageBox()->text(), QString::number(step.page)) << step.name;
    }

    QTest::mouseClick(p.PageWidthButton(), Qt::LeftButton);
    EXPECT_EQ(viewer.ZoomSetting(), zsPageWidth);
    EXPECT_TRUE(p.PageWidthButton()->isChecked());
    EXPECT_FALSE(p.WholePageButton()->isChecked());
    QTest::mouseClick(p.Zoom100Button(), Qt::LeftButton);
    EXPECT_EQ(p.ZoomBox()->text(), "100 %");

    enter(p.ZoomBox(), "999");
    EXPECT_EQ(viewer.ZoomSetting(), zsPercentage);
    EXPECT_EQ(viewer.ZoomPercent(), 250) << "typed 999, kept at 250";
    EXPECT_EQ(p.ZoomBox()->text(), "250 %");
    for (QToolButton* zoom : {p.WholePageButton(), p.PageWidthButton(), p.Zoom100Button()})
        EXPECT_FALSE(zoom->isChecked()) << "a percentage leaves all zoom buttons up";
}

// Each page carries the outline as it stood at its end: a year per two pages,
// the outline complete on the last page.
TEST_F(PreviewWindowTest, TheOutlineBesideThePagesTurnsThemAndFollowsThem) {
    report->OnEndPage.handler = [this](TppCommunicator*) {
        TppPage& page = report->engine().Page();
        TppOutlineNode root;
        root.NodeType = ntRoot;
        for (int year = 0; year * 2 < page.AbsolutePageNo; ++year) {
            auto* entry = new TppOutlineNode;
            entry->Caption = QString::number(2024 + year);
            entry->PageReference = year * 2 + 1;
            entry->SetParent(&root);
        }
        auto* outline = new TppOutlineDrawCommand;
        outline->Completed = page.AbsolutePageNo == report->engine().pageCount;
        outline->SetTree(root);
        page.AddDrawCommand(outline);
    };
    TppPrintPreview* form = open();
    TppOutlineViewer& tree = *panel(form).OutlineTree();
    TppViewer& viewer = *form->Viewer();
    const auto texts = [&tree] {
        QStringList result;
        for (int i = 0; i < tree.topLevelItemCount(); ++i)
            result << tree.topLevelItem(i)->text(0);
        return result;
    };
    ASSERT_TRUE(tree.isVisibleTo(form)) << "the first page carries an outline";
    EXPECT_EQ(texts(), QStringList({"2024", "", "...more..."}));

    viewer.ShowPage(3);
    EXPECT_EQ(texts(), QStringList({"2024", "2025", "", "...more..."})) << "page 3 brought an entry";
    const QRect first = tree.visualItemRect(tree.topLevelItem(0));
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(viewer.AbsolutePageNo(), 1) << "an entry turns to its page";

    viewer.ShowPage(5);
    EXPECT_EQ(texts(), QStringList({"2024", "2025", "2026"})) << "complete: no more to come";
    EXPECT_TRUE(tree.HotTracking());

    ASSERT_NE(tree.PopupMenu(), nullptr);
    const QList<QAction*> menu = tree.PopupMenu()->actions();
    ASSERT_EQ(menu.size(), 3);
    EXPECT_EQ(menu[0]->text(), "Hide Outline");
    menu[0]->trigger();
    EXPECT_FALSE(tree.isVisibleTo(form));
    EXPECT_EQ(menu[0]->text(), "Show Outline");
    EXPECT_FALSE(menu[1]->isEnabled()) << "nothing to expand while hidden";
    EXPECT_EQ(viewer.contextMenuPolicy(), Qt::CustomContextMenu) << "the page offers the menu too";
    menu[0]->trigger();
    EXPECT_TRUE(tree.isVisibleTo(form));
}

TEST_F(PreviewWindowTest, AReportWithoutAnOutlineShowsNoTree) {
    TppPrintPreview* form = open();
    EXPECT_FALSE(panel(form).OutlineTree()->isVisibleTo(form));
}

TEST_F(PreviewWindowTest, TheSearchButtonShowsOnlyWhenTheReportSearches) {
    for (const bool search : {false, true}) {
        report->SetShowAutoSearchDialog(search);
        report->RunAutoSearch = [] { return true; };
        TppPrintPreview* form = open();
        TppPreview& p = panel(form);
        EXPECT_EQ(p.AutoSearchButton()->isVisibleTo(form), search);
        EXPECT_EQ(p.ZoomAndPagePanel()->x(), search ? 80 : 41);
        form->Close();
        flushDeletes();
    }
}

TEST_F(PreviewWindowTest, OnAOnePageReportEveryPageTurnIsDisabled) {
    report->engine().pageCount = 1;
    TppPreview& p = panel(open());
    for (QToolButton* button : {p.FirstButton(), p.PriorButton(), p.NextButton(), p.LastButton()})
        EXPECT_FALSE(button->isEnabled());
}

TEST_F(PreviewWindowTest, TheCancelButtonCancelsDuringAJobAndClosesWhenIdle) {
    TppPrintPreview* form = open();
    TppPreview& p = panel(form);
    QString captionDuringJob;
    bool editBoxesDisabled = false;
    report->engine().BetweenPages = [&] { form->Viewer()->ProcessPendingMessages(); };
    duringJob = [&] {
        if (!report->Printing() || !captionDuringJob.isEmpty())
            return;
        captionDuringJob = p.CancelButton()->text();
        editBoxesDisabled = !p.PageBox()->isEnabled() && !p.ZoomBox()->isEnabled();
        QTest::mouseClick(p.CancelButton(), Qt::LeftButton);
    };
    QTest::mouseClick(p.LastButton(), Qt::LeftButton);
    EXPECT_EQ(captionDuringJob, "Cancel");
    EXPECT_TRUE(editBoxesDisabled);
    EXPECT_TRUE(form->Viewer()->ScreenDevice().JobCancelled());
    EXPECT_LT(report->engine().generated, 5) << "the cancel stopped generation";
    EXPECT_EQ(p.CancelButton()->text(), "Close");
    EXPECT_TRUE(p.PageBox()->isEnabled());

    QPointer<TppPrintPreview> window = form;
    QTest::mouseClick(p.CancelButton(), Qt::LeftButton);
    flushDeletes();
    EXPECT_TRUE(window.isNull()) << "the idle window closed and freed itself";
    EXPECT_EQ(report->PreviewForm(), nullptr);
    EXPECT_FALSE(report->Producing());
    EXPECT_EQ(afterPrints, 1);
}

TEST_F(PreviewWindowTest, EveryWayOutTellsTheReport) {
    struct Case {
        const char* name;
        std::function<void(TppPrintPreview*)> close;
    };
    const Case cases[] = {
        {"Escape", [](TppPrintPreview* form) { QTest::keyClick(form, Qt::Key_Escape); }},
        {"the window's close box", [](TppPrintPreview* form) { form->close(); }},
        {"the close command", [](TppPrintPreview* form) { form->Preview().PerformPreviewAction(paClose); }},
    };
    for (const Case& c : cases) {
        afterPrints = 0;
        QPointer<TppPrintPreview> window = open();
        c.close(window);
        flushDeletes();
        EXPECT_TRUE(window.isNull()) << c.name;
        EXPECT_EQ(afterPrints, 1) << c.name;
        EXPECT_FALSE(report->Producing()) << c.name;
    }
}

TEST_F(PreviewWindowTest, AWindowClosedDuringItsJobWaitsForTheJobToReturn) {
    struct Case {
        const char* name;
        bool fromActivation;
    };
    for (const Case c : {Case{"a page turn", false}, Case{"the activation's job", true}}) {
        TppPrintPreview* form = open();
        QPointer<TppPrintPreview> window = form;
        bool aliveAfterClose = false;
        duringJob = [&] {
            if (!window || !window->Viewer()->Busy() || !window->isVisible())
                return;
            window->Close();
            QCoreApplication::processEvents();
            aliveAfterClose = !window.isNull();
        };
        if (c.fromActivation) {
            form->OnActivate = [this] { report->RunPrintJob(); };
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(form, &activate);
        } else {
            form->Viewer()->ShowLastPage();
        }
        EXPECT_TRUE(aliveAfterClose) << c.name;
        ASSERT_FALSE(window.isNull()) << c.name << ": still there while the job unwinds";
        flushDeletes();
        EXPECT_TRUE(window.isNull()) << c.name << ": gone once the job returned";
        EXPECT_EQ(report->PreviewForm(), nullptr) << c.name;
        duringJob = nullptr;
    }
}

TEST_F(PreviewWindowTest, ActivationRunsTheJobOnceAtATimeAndNotAgainAfterItFailed) {
    TppPrintPreview* form = open();
    int jobs = 0;
    form->OnActivate = [&] {
        ++jobs;
        report->RunPrintJob();
    };
    const auto activate = [form] {
        QEvent activation(QEvent::WindowActivate);
        QCoreApplication::sendEvent(form, &activation);
    };
    duringJob = [&] {
        if (jobs == 1)
            activate();
    };
    activate();
    EXPECT_EQ(jobs, 1) << "an activation during the job does not start another inside it";
    EXPECT_FALSE(form->Viewer()->Busy());

    report->engine().throwOnPage = 1;
    report->Reset();
    activate();
    activate();
    EXPECT_EQ(jobs, 2) << "after the failure the next activation does not retry";
    EXPECT_EQ(prompter.messages, QStringList({"generation failed"}));
}

TEST_F(PreviewWindowTest, TheReportsPreviewSettingsApplyAtOnceAndLater) {
    report->PreviewFormSettings().SetWindowState(wsMaximized);
    report->PreviewFormSettings().SetZoomSetting(zsPageWidth);
    TppPrintPreview* form = open();
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form->Viewer()->ZoomSetting(), zsPageWidth);
    report->PreviewFormSettings().SetZoomPercentage(40);
    EXPECT_EQ(form->Viewer()->ZoomSetting(), zsPercentage);
    EXPECT_EQ(form->Viewer()->ZoomPercentage(), 40);
}

TEST_F(PreviewWindowTest, AnErrorDuringAJobIsReportedNotThrown) {
    report->engine().throwOnPage = 2;
    TppPrintPreview* form = open();
    TppPreview& p = panel(form);
    EXPECT_NO_THROW(QTest::mouseClick(p.NextButton(), Qt::LeftButton));
    EXPECT_EQ(prompter.messages, QStringList({"generation failed"}));
}

TEST_F(PreviewWindowTest, TheWindowShowsTheReportsIconWhenItHasOne) {
    TppPrintPreview* plain = open();
    const qint64 ownIcon = plain->windowIcon().cacheKey();
    plain->Close();
    flushDeletes();
    TppIcon icon;
    icon.SetData(iconFileBytes(Qt::blue));
    report->SetIcon(icon);
    const QIcon shown = open()->windowIcon();
    EXPECT_NE(shown.cacheKey(), ownIcon);
    EXPECT_EQ(shown.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::blue));
}

// The report's scripts reach the open preview as its PreviewForm.
TEST_F(PreviewWindowTest, ScriptsSeeTheOpenWindowAsTheReportsPreviewForm) {
    registerScriptBridge();
    TppPrintPreview* form = open();
    ASSERT_NE(form, nullptr);
    TraValue value;
    ASSERT_TRUE(TraClassManager::getPropValue(*report, "PreviewForm", value));
    EXPECT_EQ(value.object(), &form->ScriptForm());
    TraValue caption;
    ASSERT_TRUE(TraClassManager::getPropValue(form->ScriptForm(), "Caption", caption));
    EXPECT_EQ(QString::fromLatin1(caption.text()), form->windowTitle());
}

} // namespace

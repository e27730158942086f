#include "DesignerFixture.h"

#include "DesignWorkspace.h"
#include "DesignerDialogs.h"
#include "PropertyPanel.h"
#include "TppDesigner.h"
#include "TppDesignerWindow.h"
#include "TppReportTemplate.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Answers the window's questions from a script and records what it said.
class ScriptedDialogs : public DesignerDialogs {
public:
    Answer askYesNoCancel(const QString& text) override {
        asked << text;
        return answer;
    }
    QString openFileName(const QString&, const QString&) override { return openFile; }
    QString saveFileName(const QString&, const QString&) override {
        ++saveAsked;
        return saveFiles.isEmpty() ? QString() : saveFiles.takeFirst();
    }
    void showMessage(const QString& text) override { messages << text; }

    Answer answer = Answer::No;
    QString openFile;
    QStringList saveFiles;
    int saveAsked = 0;
    QStringList asked;
    QStringList messages;
};

class DesignerWindowTest : public ::testing::Test, public DesignerFixture {
protected:
    DesignerWindowTest() {
        ReportTemplate(*report).SetFileName(folder.filePath("report.rtm"));
        ReportTemplate(*report).SaveToFile();
        window = std::make_unique<TppDesignerWindow>(*report, dialogs);
        window->resize(1000, 700);
        window->show();
    }

    // Widget coordinates of a workspace point.
    QPoint at(QPoint workspace) const { return window->workspace().toWidget(workspace); }
    QWidget& surface() const { return window->workspace(); }
    DesignerController& designer() const { return window->controller(); }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TppDesignerWindow> window;
};

TEST_F(DesignerWindowTest, TheMouseMovesAComponentOnTheWorkspaceAndUndoPutsItBack) {
    auto* label = dynamic_cast<TppComponent*>(form.FindComponent("ppLabel1"));
    ASSERT_TRUE(label);
    const int left = label->mmLeft();
    const QPoint grab = at(QPoint(20, 15));
    QTest::mousePress(&surface(), Qt::LeftButton, Qt::NoModifier, grab);
    QTest::mouseMove(&surface(), grab + QPoint(10, 5));
    QTest::mouseMove(&surface(), grab + QPoint(24, 11));
    QTest::mouseRelease(&surface(), Qt::LeftButton, Qt::NoModifier, grab + QPoint(24, 11));
    EXPECT_EQ(label->mmLeft(), mm(34));
    EXPECT_EQ(label->mmTop(), mm(21, true));
    EXPECT_TRUE(window->statusText().text().contains("Left")) << "the status bar shows the position";
    window->action("actUndo")->trigger();
    EXPECT_EQ(label->mmLeft(), left);
    window->action("actRedo")->trigger();
    EXPECT_EQ(label->mmLeft(), mm(34));
}

TEST_F(DesignerWindowTest, CopyAndPasteGoThroughTheClipboardUnderOurType) {
    designer().selection().selectOnly(first);
    emit designer().selectionChanged();
    window->action("actCopy")->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_TRUE(data->hasFormat(kComponentMimeType));
    window->action("actPaste")->trigger();
    EXPECT_EQ(header->ObjectCount(), 3);

    auto* garbage = new QMimeData;
    garbage->setData(kComponentMimeType, "garbage");
    QGuiApplication::clipboard()->setMimeData(garbage);
    window->action("actPaste")->trigger();
    EXPECT_EQ(header->ObjectCount(), 3);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(DesignerWindowTest, ThePropertyPanelShowsTheRegistryAndEditsThroughTheUndoStack) {
    designer().selection().selectOnly(first);
    emit designer().selectionChanged();
    PropertyPanel& panel = window->propertyPanel();
    ASSERT_EQ(panel.object(), first);
    const int caption = panel.rowOf("Caption");
    ASSERT_GE(caption, 0);
    EXPECT_EQ(panel.item(caption, 1)->text(), "Label1");
    EXPECT_GE(panel.rowOf("Font.Name"), 0) << "nested objects are listed dotted";
    panel.editProperty("Caption", "Amount");
    EXPECT_EQ(first->Caption(), "Amount");
    QCoreApplication::processEvents();
    EXPECT_EQ(panel.item(panel.rowOf("Caption"), 1)->text(), "Amount");
    panel.editProperty("mmLeft", "not a number");
    EXPECT_EQ(first->mmLeft(), mm(10)) << "a text that means nothing changes nothing";
    designer().undoStack().undo();
    EXPECT_EQ(first->Caption(), "Label1");
}

TEST_F(DesignerWindowTest, SaveWritesTheFileAndAReadOnlyFileGoesToSaveAs) {
    designer().selection().selectOnly(first);
    designer().nudge(5, 0, 0, 0);
    ASSERT_TRUE(report->Modified());
    EXPECT_TRUE(window->saveReport());
    EXPECT_FALSE(report->Modified());

    const QString path = folder.filePath("report.rtm");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "running as a user who may write read-only files";
    designer().nudge(5, 0, 0, 0);
    dialogs.saveFiles = {folder.filePath("copy.rtm")};
    EXPECT_TRUE(window->saveReport());
    EXPECT_EQ(dialogs.messages, QStringList{"File is read-only."});
    EXPECT_TRUE(QFile::exists(folder.filePath("copy.rtm")));
    EXPECT_EQ(ReportTemplate(*report).FileName(), folder.filePath("copy.rtm"));
}

TEST_F(DesignerWindowTest, OpenKeepsTheOldReportWhenTheFileDoesNotLoadAndClosingAsksToSave) {
    QFile broken(folder.filePath("broken.rtm"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("object Report1: TppReport\n  Bands = <garbage\n");
    broken.close();
    dialogs.openFile = broken.fileName();
    EXPECT_FALSE(window->action("actOpen") == nullptr);
    window->action("actOpen")->trigger();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(form.FindComponent("ppLabel1")) << "the old layout stays";
    EXPECT_EQ(ReportTemplate(*report).FileName(), folder.filePath("report.rtm"));

    designer().selection().selectOnly(first);
    designer().nudge(5, 0, 0, 0);
    dialogs.answer = DesignerDialogs::Answer::Cancel;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.asked, QStringList{"Save changes to report.rtm ?"});
    dialogs.answer = DesignerDialogs::Answer::Yes;
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(report->Modified()) << "Yes saved it";
}

TEST_F(DesignerWindowTest, ThePaletteOffersRegisteredComponentsButTheHiddenOnes) {
    EXPECT_TRUE(window->paletteAction("TppLabel"));
    EXPECT_TRUE(window->paletteAction("TppDBText"));
    TppDesigner settings;
    settings.SetShowComponents({"scLabel"});
    EXPECT_TRUE(settings.HiddenClasses().contains("TppDBText"));
    EXPECT_FALSE(settings.HiddenClasses().contains("TppLabel"));
    window->setHiddenClasses(settings.HiddenClasses());
    EXPECT_TRUE(window->paletteAction("TppLabel"));
    EXPECT_FALSE(window->paletteAction("TppDBText"));

    window->paletteAction("TppLabel")->trigger();
    const QPoint click = at(QPoint(300, designer().layout().areaTop(1) + 4));
    QTest::mouseClick(&surface(), Qt::LeftButton, Qt::NoModifier, click);
    EXPECT_EQ(detail->ObjectCount(), 2);
}

TEST_F(DesignerWindowTest, ThePreviewPageShowsTheReportAndComesBackToTheDesign) {
    window->showPreviewPage();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->pages().currentIndex(), 1);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
    window->showDesignPage();
    EXPECT_FALSE(report->Printing());
    designer().selection().selectOnly(first);
    designer().nudge(1, 0, 0, 0);
    EXPECT_EQ(px(first->mmLeft()), 11) << "the design is editable again";
}

TEST(DesignerSettingsStoreTest, RapOptionsAreNormalisedByTheInterface) {
    TppDesigner designer;
    designer.SetRAPOptions(roEditEvents | roEditGlobals);
    EXPECT_EQ(designer.RAPOptions(),
              unsigned(roViewVariables | roViewEvents | roEditEvents | roViewGlobals | roEditGlobals));
    designer.SetRAPInterface(riDialog);
    EXPECT_EQ(designer.RAPOptions(), unsigned(roViewVariables | roEditVariables));
    designer.SetRAPOptions(roEditEvents);
    EXPECT_EQ(designer.RAPOptions(), unsigned(roViewVariables));
    designer.SetRAPInterface(0);
    designer.SetRAPOptions(roEditEvents);
    EXPECT_EQ(designer.RAPOptions(), 0u);
}

} // namespace

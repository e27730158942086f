#include "DesignerFixture.h"
#include "IconFile.h"
#include "ScheduleData.h"
#include "ScriptedDialogs.h"

#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "DataSource.h"
#include "DesignWorkspace.h"
#include "DesignerClasses.h"
#include "DesignerDialogs.h"
#include "FormRegistry.h"
#include "MemoryTable.h"
#include "PagewrightErrors.h"
#include "PropertyPanel.h"
#include "ReportTabs.h"
#include "TppCustomTemplateDialog.h"
#include "TppDBPipeline.h"
#include "TppDBText.h"
#include "TppDesigner.h"
#include "TppDesignerWindow.h"
#include "TppReportTemplate.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

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

TEST_F(DesignerWindowTest, ThePanelNamesColoursSetsFlagsAndOffersReferencesThatFit) {
    ScheduleData data;
    TppDBPipeline* pipeline = data.pipeline(form);
    designer().selection().selectOnly(first);
    emit designer().selectionChanged();
    PropertyPanel& panel = window->propertyPanel();
    ASSERT_GE(panel.rowOf("Color"), 0);
    EXPECT_EQ(panel.item(panel.rowOf("Color"), 1)->text(), "clWhite");
    panel.editProperty("Color", "clRed");
    EXPECT_EQ(first->Color(), 0x0000FF) << "a colour is typed by its name";

    panel.editProperty("Font.Style", "[fsBold,fsItalic]");
    EXPECT_EQ(first->Font().style, unsigned(TppFont::fsBold | TppFont::fsItalic));
    QCoreApplication::processEvents();
    auto* flags = qobject_cast<QToolButton*>(panel.cellWidget(panel.rowOf("Font.Style"), 1));
    ASSERT_TRUE(flags) << "a set is edited as checkable flags";
    QAction* italic = flags->menu()->actions().at(1);
    EXPECT_TRUE(italic->isChecked());
    italic->trigger();
    EXPECT_EQ(first->Font().style, unsigned(TppFont::fsBold));

    auto* field = new TppDBText(&form);
    field->SetName("ppDBText1");
    field->SetBand(detail);
    designer().selection().selectOnly(field);
    emit designer().selectionChanged();
    const int row = panel.rowOf("DataPipeline");
    ASSERT_GE(row, 0);
    auto* choice = qobject_cast<QComboBox*>(panel.cellWidget(row, 1));
    ASSERT_TRUE(choice);
    EXPECT_GE(choice->findText("plCustomers"), 0);
    EXPECT_LT(choice->findText("ppLabel1"), 0) << "only pipelines fit a pipeline reference";
    panel.editProperty("DataPipeline", "plCustomers");
    EXPECT_EQ(field->DataPipeline(), pipeline);
    EXPECT_THROW(designer().setProperty(*field, "DataPipeline", QString("ppLabel1")), EDesignError);
    EXPECT_EQ(field->DataPipeline(), pipeline) << "a refused reference leaves the old one set";
    designer().undoStack().undo();
    EXPECT_EQ(field->DataPipeline(), nullptr);
}

TEST_F(DesignerWindowTest, SaveWritesTheFileAndAReadOnlyFileGoesToSaveAs) {
    designer().selection().selectOnly(first);
    designer().nudge(5, 0, 0, 0);
    ASSERT_TRUE(report->Modified());
    EXPECT_TRUE(window->saveReport());
    EXPECT_FALSE(report->Modified());

    const QString path = folder.filePath("report.rtm");
    // Without the owner's write bit the file is read-only, for the superuser too.
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    ASSERT_TRUE(ReportTemplate(*report).ReadOnly());
    designer().nudge(5, 0, 0, 0);
    // Save goes to Save As, which refuses the read-only file once more and asks again.
    dialogs.saveFiles = {path, folder.filePath("copy.rtm")};
    EXPECT_TRUE(window->saveReport());
    EXPECT_EQ(dialogs.messages, (QStringList{"File is read-only.", "File is read-only."}));
    EXPECT_EQ(dialogs.saveAsked, 2);
    EXPECT_TRUE(QFile::exists(folder.filePath("copy.rtm")));
    EXPECT_EQ(ReportTemplate(*report).FileName(), folder.filePath("copy.rtm"));
}

// Answers the template's database dialog with a name, as a user would.
class NamingTemplateDialog final : public TppCustomTemplateDialog {
public:
    static inline QString answer;
    void Show() override {}
    bool ShowModal() override {
        TemplateName = answer;
        return !answer.isEmpty();
    }
    void Close() override {}
};

TEST_F(DesignerWindowTest, SaveAsAndOpenGoThroughTheDatabaseWhenTheTemplateLivesThere) {
    MemoryTable table;
    storeTemplatesIn(table);
    TppReportTemplate& stored = ReportTemplate(*report);
    FormRegistry::instance().RegisterForm(TppCustomTemplateDialog::abstractName(),
                                          [] { return static_cast<TppForm*>(new NamingTemplateDialog); });
    NamingTemplateDialog::answer = "Schedule";

    designer().selection().selectOnly(first);
    designer().nudge(5, 0, 0, 0);
    EXPECT_TRUE(window->saveReport()) << "no name yet: Save asks for one";
    EXPECT_EQ(stored.DatabaseSettings().Name(), "Schedule");
    EXPECT_EQ(table.recordCount(), 1);
    EXPECT_FALSE(report->Modified());
    EXPECT_EQ(dialogs.saveAsked, 0) << "no file dialog for a database template";

    const int saved = first->mmLeft();
    designer().nudge(5, 0, 0, 0);
    dialogs.answer = DesignerDialogs::Answer::No;
    EXPECT_TRUE(window->openReport());
    auto* reloaded = dynamic_cast<TppComponent*>(form.FindComponent("ppLabel1"));
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->mmLeft(), saved) << "the layout read back from the table";

    // Save to File leaves the database alone and asks for a file.
    dialogs.saveFiles = {folder.filePath("copy.rtm")};
    EXPECT_TRUE(window->saveReportToFile());
    EXPECT_TRUE(QFile::exists(folder.filePath("copy.rtm")));
    FormRegistry::instance().UnregisterForm(TppCustomTemplateDialog::abstractName());
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

TEST_F(DesignerWindowTest, TheDesignerHandsTheWindowsEventsOn) {
    window.reset();
    QTemporaryDir settings;
    TppDesigner component;
    component.SetReport(report);
    component.SetDialogs(&dialogs);
    component.SetSettingsFolder(settings.path());
    component.SetHelpFile("designer.hlp");
    QStringList events;
    component.OnCreate = [&] { events << "create"; };
    component.OnShow = [&] { events << "show"; };
    component.OnTabChange = [&](int page) { events << QStringLiteral("tab change %1").arg(page); };
    component.OnTabChanged = [&](int page) { events << QStringLiteral("tab changed %1").arg(page); };
    component.OnDestroyComponent = [&](TppComponent* gone) { events << "destroy " + gone->Name(); };
    component.OnHelp = [&](QString& file, bool& enabled) {
        events << "help " + file;
        enabled = false;
    };
    bool mayClose = false;
    component.OnCloseQuery = [&](bool& canClose) { canClose = mayClose; };
    component.OnClose = [&] { events << "close"; };
    component.Show();
    TppDesignerWindow* shown = component.Form();
    ASSERT_TRUE(shown);
    shown->controller().selection().selectOnly(first);
    shown->controller().deleteSelection();
    shown->showPreviewPage();
    QCoreApplication::processEvents();
    shown->showDesignPage();
    shown->action("actHelpTopics")->trigger();
    dialogs.answer = DesignerDialogs::Answer::No;
    EXPECT_FALSE(shown->close()) << "OnCloseQuery kept it open";
    mayClose = true;
    EXPECT_TRUE(shown->close());
    EXPECT_EQ(events, (QStringList{"create", "show", "destroy ppLabel1", "tab change 1", "tab changed 1",
                                   "tab change 0", "tab changed 0", "help designer.hlp", "close"}));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
}

// The designer's settings are published: a form stream keeps them, and set
// on an open window they change it, whose bounds are read back from it.
TEST_F(DesignerWindowTest, TheDesignersSettingsAreStoredWithTheFormAndChangeAnOpenWindow) {
    window.reset();
    registerDesignerClasses();
    auto* component = new TppDesigner(&form);
    component->SetName("Designer1");
    component->SetReport(report);
    component->SetCaption("Schedule designer");
    component->SetShowComponents({"scLabel", "scDBText"});
    component->SetPosition(poDesigned);
    component->SetWindowTag(7);
    TppIcon icon;
    icon.SetData(iconFileBytes(Qt::green));
    component->SetIcon(icon);
    const QByteArray stream = WriteComponents({component}, &form, StreamForm::Text);
    OwnedComponent copyForm;
    const ReadResult read = ReadComponents(stream, copyForm, &form);
    ASSERT_EQ(read.components.size(), 1);
    const auto* copy = dynamic_cast<const TppDesigner*>(read.components.first());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Caption(), "Schedule designer");
    EXPECT_EQ(copy->ShowComponents(), (QStringList{"scDBText", "scLabel"}));
    EXPECT_EQ(copy->Position(), poDesigned);
    EXPECT_EQ(copy->WindowTag(), 7);
    EXPECT_EQ(copy->Icon().Data(), icon.Data());
    EXPECT_EQ(copy->Report(), report);
    EXPECT_FALSE(stream.contains("ShowData")) << "defaults are not written";

    QTemporaryDir settings;
    component->SetDialogs(&dialogs);
    component->SetSettingsFolder(settings.path());
    component->SetShowData(false);
    component->Show();
    TppDesignerWindow* shown = component->Form();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->windowTitle().startsWith("Schedule designer - "))
        << shown->windowTitle().toStdString();
    EXPECT_FALSE(shown->action("actShowData")->isChecked()) << "ShowData is taken when the window opens";
    EXPECT_EQ(shown->windowIcon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::green));
    component->SetCaption("Renamed");
    component->SetTabsVisible(false);
    component->SetShowData(true);
    component->SetWindowWidth(640);
    EXPECT_TRUE(shown->windowTitle().startsWith("Renamed - "));
    EXPECT_TRUE(shown->reportTabs().isHidden());
    EXPECT_TRUE(shown->action("actShowData")->isChecked());
    EXPECT_EQ(shown->width(), 640);
    shown->resize(700, 500);
    EXPECT_EQ(component->WindowWidth(), 700);
    EXPECT_EQ(component->WindowHeight(), 500);
    dialogs.answer = DesignerDialogs::Answer::No;
    shown->close();
    delete component;
}

// Scripts reach the open window as the report's ReportDesigner, and the
// controls on it as a component's DesignControl and, while it is selected,
// its SelectionObject, each where the component is drawn.
TEST_F(DesignerWindowTest, ScriptsSeeTheOpenDesignerAndWhereItDrawsAComponent) {
    registerDesignerClasses();
    auto* shown = dynamic_cast<TraForm*>(TraWindowObjects::find("ReportDesigner", *report));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->caption(), window->windowTitle());

    auto* control = dynamic_cast<TraControl*>(TraWindowObjects::find("DesignControl", *first));
    ASSERT_TRUE(control);
    const QRect drawn(at(QPoint(10, 10)), QSize(60, 17));
    EXPECT_EQ(control->bounds(), drawn);
    EXPECT_FALSE(TraWindowObjects::find("SelectionObject", *first)) << "not selected";
    designer().selection().selectOnly(first);
    auto* selection = dynamic_cast<TraControl*>(TraWindowObjects::find("SelectionObject", *first));
    ASSERT_TRUE(selection);
    EXPECT_EQ(selection->bounds(), drawn);
    EXPECT_EQ(TraWindowObjects::find("DesignControl", *first), control) << "one stand-in per component";
    designer().deleteSelection();
    EXPECT_EQ(control->bounds(), QRect()) << "a deleted component is drawn nowhere";

    window.reset();
    EXPECT_FALSE(TraWindowObjects::find("ReportDesigner", *report)) << "nil once the window is gone";
    EXPECT_FALSE(TraWindowObjects::find("DesignControl", *second));
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

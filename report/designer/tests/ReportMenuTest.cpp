#include "DesignerFixture.h"
#include "ScheduleData.h"
#include "ScriptedDialogs.h"

#include "BandToggleCommand.h"
#include "DataSource.h"
#include "FormRegistry.h"
#include "LanguageStringNumbers.h"
#include "MemoryTable.h"
#include "PageSetupCommand.h"
#include "PageSetupDialog.h"
#include "PrintToFileSetupDialog.h"
#include "RecentTemplates.h"
#include "ReportDataDialog.h"
#include "TppCustomTemplateDialog.h"
#include "TppDesignerWindow.h"
#include "TppReportTemplate.h"
#include "Units.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ReportMenuTest : public ::testing::Test, public DesignerFixture {
protected:
    ReportMenuTest() {
        window = std::make_unique<TppDesignerWindow>(*report, dialogs);
        window->show();
    }

    DesignerController& designer() const { return window->controller(); }
    QUndoStack& undo() const { return designer().undoStack(); }

    ScriptedDialogs dialogs;
    std::unique_ptr<TppDesignerWindow> window;
};

struct Placed {
    QString name;
    QString band;
    int index;
    int left;
    int top;
};

QList<Placed> placedIn(const TppBand* band) {
    QList<Placed> placed;
    if (band)
        for (const TppComponent* component : band->Objects())
            placed << Placed{component->Name(), band->Name(), component->Index(), component->mmLeft(),
                             component->mmTop()};
    return placed;
}

bool operator==(const Placed& a, const Placed& b) {
    return a.name == b.name && a.band == b.band && a.index == b.index && a.left == b.left && a.top == b.top;
}

TEST_F(ReportMenuTest, EachBandToggleAddsOrRemovesItsBandAndUndoBringsItBackWithItsComponents) {
    // The fixture has a header with labels and an empty footer, and no title, summary or page style.
    for (const ToggledBand& toggled : toggledBands()) {
        SCOPED_TRACE(toggled.objectName);
        QAction* command = window->action(QString::fromLatin1(toggled.objectName));
        ASSERT_TRUE(command && command->isCheckable());
        if (!report->GetBand(toggled.bandType)) {
            EXPECT_FALSE(command->isChecked());
            command->trigger();
            TppBand* added = report->GetBand(toggled.bandType);
            ASSERT_TRUE(added);
            EXPECT_TRUE(command->isChecked());
            EXPECT_FALSE(added->Name().isEmpty()) << "a new band is named like any component";
        }
        TppBand* band = report->GetBand(toggled.bandType);
        if (band->Objects().isEmpty())
            addLabel(qPrintable(QStringLiteral("ppProbe%1").arg(toggled.bandType)), band, 7, 1, 30, 17);
        const QString bandName = band->Name();
        const QList<Placed> before = placedIn(band);
        ASSERT_FALSE(before.isEmpty());
        designer().selection().selectOnly(band->Objects().first());
        const int bandsBefore = report->BandCount();

        command->trigger();
        EXPECT_FALSE(report->GetBand(toggled.bandType));
        EXPECT_FALSE(command->isChecked());
        EXPECT_EQ(report->BandCount(), bandsBefore - 1);
        EXPECT_FALSE(form.FindComponent(before.first().name)) << "the band's components went with it";
        EXPECT_TRUE(designer().selection().isEmpty()) << "nothing of the band stays selected";

        undo().undo();
        ASSERT_TRUE(report->GetBand(toggled.bandType));
        EXPECT_EQ(report->GetBand(toggled.bandType)->Name(), bandName);
        EXPECT_EQ(placedIn(report->GetBand(toggled.bandType)), before) << "same names, places and order";
        EXPECT_TRUE(command->isChecked());
        undo().redo();
        EXPECT_FALSE(report->GetBand(toggled.bandType));
        undo().undo();
        EXPECT_EQ(placedIn(report->GetBand(toggled.bandType)), before);
    }
    // The bands keep their print order whatever came and went.
    QStringList order;
    for (const TppBand* band : report->Bands())
        order << band->SortKey();
    QStringList sorted = order;
    sorted.sort();
    EXPECT_EQ(order, sorted);
}

TEST_F(ReportMenuTest, PageSetupOkChangesPaperMarginsAndColumnsAsOneUndoableStep) {
    const TppPageDef original = report->PageDef();
    PageSetupDialog dialog(designer(), dialogs);
    dialog.show();
    QString a4;
    for (int index = 0; index < dialog.paperBox().count(); ++index)
        if (dialog.paperBox().itemText(index).startsWith("A4"))
            a4 = dialog.paperBox().itemText(index);
    ASSERT_FALSE(a4.isEmpty()) << "every printer list has A4";
    dialog.paperBox().setCurrentText(a4);
    emit dialog.paperBox().textActivated(a4);
    EXPECT_EQ(dialog.widthEdit().text(), "8.268") << "210 mm in the report's inches";
    dialog.landscapeButton().click();
    EXPECT_EQ(dialog.widthEdit().text(), "11.693") << "the page turned";
    dialog.marginEdit(PageSetupDialog::Left).setText("0.5");
    dialog.columnsBox().setValue(2);
    dialog.accept();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
    EXPECT_EQ(report->PrinterSetup().Orientation(), poLandscape);
    EXPECT_EQ(report->PageDef().mmWidth, 297000);
    EXPECT_EQ(report->PageDef().mmHeight, 210000);
    EXPECT_EQ(report->PageDef().mmMarginLeft, UnitsToMM(0.5f, utInches, Axis::Horizontal));
    EXPECT_EQ(report->PageDef().mmMarginTop, original.mmMarginTop) << "an untouched figure is not set again";
    EXPECT_EQ(report->Columns(), 2);
    ASSERT_TRUE(report->GetBand(btColumnHeader)) << "columns bring their header and footer";
    const QString columnHeader = report->GetBand(btColumnHeader)->Name();
    EXPECT_FALSE(columnHeader.isEmpty());
    EXPECT_TRUE(report->Modified());
    EXPECT_EQ(undo().count(), 1);

    undo().undo();
    EXPECT_EQ(report->PageDef(), original);
    EXPECT_EQ(report->PrinterSetup().Orientation(), poPortrait);
    EXPECT_EQ(report->Columns(), 1);
    EXPECT_FALSE(report->GetBand(btColumnHeader));
    EXPECT_FALSE(report->GetBand(btColumnFooter));
    undo().redo();
    EXPECT_EQ(report->PageDef().mmWidth, 297000);
    EXPECT_EQ(report->Columns(), 2);
    ASSERT_TRUE(report->GetBand(btColumnHeader));
    EXPECT_EQ(report->GetBand(btColumnHeader)->Name(), columnHeader);
}

TEST_F(ReportMenuTest, PageSetupRefusesFiguresThatMeanNothingAndCancelChangesNothing) {
    const TppPageDef original = report->PageDef();
    struct Case {
        const char* name;
        const char* width;
        const char* left;
        const char* right;
        const char* message;
    };
    const Case cases[] = {
        {"a width that is no number", "wide", nullptr, nullptr, "The paper width \"wide\" is not a number."},
        {"a paper of no width", "0", nullptr, nullptr, "The paper width must be greater than 0."},
        {"a paper longer than 100 metres", "99999", nullptr, nullptr, "The paper width is too large."},
        {"a negative margin", nullptr, "-1", nullptr, "The left margin cannot be negative."},
        {"margins wider than the paper", nullptr, "5", "4",
         "The margins leave no room to print on the paper."},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        dialogs.messages.clear();
        PageSetupDialog dialog(designer(), dialogs);
        dialog.show();
        if (row.width)
            dialog.widthEdit().setText(row.width);
        if (row.left)
            dialog.marginEdit(PageSetupDialog::Left).setText(row.left);
        if (row.right)
            dialog.marginEdit(PageSetupDialog::Right).setText(row.right);
        dialog.accept();
        EXPECT_EQ(dialogs.messages, QStringList{row.message});
        EXPECT_TRUE(dialog.isVisible()) << "the dialog stays for a correction";
        EXPECT_EQ(report->PageDef(), original);
    }

    PageSetupDialog dialog(designer(), dialogs);
    dialog.show();
    dialog.landscapeButton().click();
    dialog.marginEdit(PageSetupDialog::Top).setText("1");
    dialog.reject();
    EXPECT_EQ(report->PageDef(), original);
    EXPECT_EQ(report->PrinterSetup().Orientation(), poPortrait);
    EXPECT_FALSE(undo().canUndo());
    EXPECT_FALSE(report->Modified());
}

// A narrower page deletes the controls left wholly outside it, once the
// user says so, in the same undoable step; with columns, the controls
// beyond a column's width in the bands printed in columns.
TEST_F(ReportMenuTest, APageTooNarrowForSomeControlsAsksBeforeDeletingThem) {
    const TppPageDef original = report->PageDef();
    const int secondLeft = second->mmLeft();
    const auto narrow = [this] {
        auto dialog = std::make_unique<PageSetupDialog>(designer(), dialogs);
        dialog->show();
        dialog->widthEdit().setText("1.5");
        dialog->marginEdit(PageSetupDialog::Left).setText("0.25");
        dialog->marginEdit(PageSetupDialog::Right).setText("0.25");
        dialog->accept();
        return dialog;
    };
    const QStringList question{"Controls beyond the new page width will be deleted."};

    dialogs.answer = DesignerDialogs::Answer::No;
    EXPECT_TRUE(narrow()->isVisible()) << "No keeps the setup open and changes nothing";
    EXPECT_EQ(dialogs.asked, question);
    EXPECT_EQ(report->PageDef(), original);
    EXPECT_TRUE(form.FindComponent("ppLabel2"));

    dialogs.asked.clear();
    dialogs.answer = DesignerDialogs::Answer::Yes;
    EXPECT_FALSE(narrow()->isVisible());
    EXPECT_EQ(dialogs.asked, question);
    EXPECT_EQ(report->PageDef().printableWidth(), UnitsToMM(1.0f, utInches, Axis::Horizontal));
    EXPECT_FALSE(form.FindComponent("ppLabel2")) << "the label an inch from the left is outside";
    EXPECT_TRUE(form.FindComponent("ppLabel1"));
    EXPECT_EQ(undo().count(), 1);
    undo().undo();
    EXPECT_EQ(report->PageDef(), original);
    auto* back = dynamic_cast<TppComponent*>(form.FindComponent("ppLabel2"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->mmLeft(), secondLeft);

    TppLabel* farRight = addLabel("ppLabel9", detail, 480, 0, 20, 17);
    const ControlsOutside inColumns = controlsOutside(*report, {report->PrinterSetup(), 2});
    EXPECT_EQ(inColumns.components, (QList<TppComponent*>{farRight}))
        << "five inches in is past the second half of the page, in the detail only";
    EXPECT_EQ(inColumns.message, kMsgControlsBeyondColumnWidth);
    EXPECT_TRUE(controlsOutside(*report, {report->PrinterSetup(), 1}).components.isEmpty());
}

TEST_F(ReportMenuTest, PrintToFileSetupSetsTheDeviceFileAndFormatInOneUndoableStep) {
    PrintToFileSetupDialog dialog(designer(), dialogs);
    dialog.show();
    const int text = dialog.deviceBox().findData("TextFile");
    const int archive = dialog.deviceBox().findData("ArchiveFile");
    ASSERT_GE(text, 0);
    ASSERT_GE(archive, 0) << "every registered file device is offered";
    EXPECT_FALSE(dialog.printToFileBox().isChecked()) << "the report prints to the screen";

    dialog.printToFileBox().setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialogs.messages, QStringList{"Choose the file to print to."});
    EXPECT_EQ(report->DeviceType(), "Screen");

    dialog.deviceBox().setCurrentIndex(text);
    EXPECT_TRUE(dialog.textFileTypeBox().isEnabled());
    dialogs.saveFiles = {"/tmp/schedule"};
    dialog.browseButton().click();
    EXPECT_EQ(dialog.fileNameEdit().text(), "/tmp/schedule.txt") << "the device's extension is added";
    dialog.textFileTypeBox().setCurrentIndex(dialog.textFileTypeBox().findData(int(ftTab)));
    // An archive keeps a name of its own.
    dialog.deviceBox().setCurrentIndex(archive);
    EXPECT_FALSE(dialog.textFileTypeBox().isEnabled());
    EXPECT_EQ(dialog.fileNameEdit().text(), "");
    dialog.fileNameEdit().setText("/tmp/schedule.raf");
    dialog.deviceBox().setCurrentIndex(text);
    EXPECT_EQ(dialog.fileNameEdit().text(), "/tmp/schedule.txt");
    dialog.allowPrintToFileBox().setChecked(true);
    dialog.accept();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(report->DeviceType(), "TextFile");
    EXPECT_EQ(report->TextFileName(), "/tmp/schedule.txt");
    EXPECT_EQ(report->ArchiveFileName(), "/tmp/schedule.raf");
    EXPECT_EQ(report->TextFileType(), ftTab);
    EXPECT_TRUE(report->AllowPrintToFile());
    EXPECT_EQ(undo().count(), 1);
    undo().undo();
    EXPECT_EQ(report->DeviceType(), "Screen");
    EXPECT_EQ(report->TextFileName(), "");
    EXPECT_EQ(report->ArchiveFileName(), "");
    EXPECT_EQ(report->TextFileType(), ftComma);
    EXPECT_FALSE(report->AllowPrintToFile());
    undo().redo();

    // Turning file output off returns the report to the screen.
    PrintToFileSetupDialog again(designer(), dialogs);
    EXPECT_TRUE(again.printToFileBox().isChecked());
    EXPECT_EQ(again.fileNameEdit().text(), "/tmp/schedule.txt");
    again.printToFileBox().setChecked(false);
    again.accept();
    EXPECT_EQ(report->DeviceType(), "Screen");
    EXPECT_EQ(report->TextFileName(), "/tmp/schedule.txt");
}

TEST_F(ReportMenuTest, TheDataDialogOffersTheReachablePipelinesAndNoneUndoably) {
    ScheduleData data;
    TppDBPipeline* pipeline = data.pipeline(form);
    ReportDataDialog dialog(designer(), dialogs);
    QStringList offered;
    for (int row = 0; row < dialog.pipelineList().count(); ++row)
        offered << dialog.pipelineList().item(row)->text();
    EXPECT_EQ(offered, (QStringList{"(none)", "Customers"}));
    EXPECT_EQ(dialog.pipelineList().currentRow(), 0);
    dialog.pipelineList().setCurrentRow(1);
    dialog.accept();
    EXPECT_EQ(report->DataPipeline(), pipeline);
    undo().undo();
    EXPECT_EQ(report->DataPipeline(), nullptr);
    undo().redo();

    ReportDataDialog again(designer(), dialogs);
    EXPECT_EQ(again.pipelineList().currentRow(), 1) << "the report's pipeline is the one chosen";
    again.pipelineList().setCurrentRow(0);
    again.accept();
    EXPECT_EQ(report->DataPipeline(), nullptr);
}

// Answers the template's database dialog with a name, as a user would.
class NamingTemplateDialog final : public TppCustomTemplateDialog {
public:
    void Show() override {}
    bool ShowModal() override {
        TemplateName = QStringLiteral("Schedule, monthly");
        return true;
    }
    void Close() override {}
};

TEST_F(ReportMenuTest, ADatabaseTemplateIsARecentEntryThatOpensFromTheDatabaseAgain) {
    MemoryTable table;
    storeTemplatesIn(table);
    TppReportTemplate& stored = ReportTemplate(*report);
    FormRegistry::instance().RegisterForm(TppCustomTemplateDialog::abstractName(),
                                          [] { return static_cast<TppForm*>(new NamingTemplateDialog); });
    ASSERT_TRUE(window->saveReportAs());
    FormRegistry::instance().UnregisterForm(TppCustomTemplateDialog::abstractName());

    const QStringList entry = {"Schedule, monthly", "stDatabase", "plTemplates", "name", "body"};
    ASSERT_EQ(window->recentReports().entries(), QList<QStringList>{entry});
    EXPECT_EQ(RecentReports::decode(window->recentReports().lines().first()), entry)
        << "the comma in the name survives the stored line";
    ASSERT_TRUE(window->action("actRecent0"));
    EXPECT_EQ(window->action("actRecent0")->text(), "&1 Schedule, monthly");

    // Elsewhere meanwhile: a file, and the label moved.
    QTemporaryDir folder;
    ASSERT_TRUE(window->saveReportAs(folder.filePath("other.rtm")));
    const int saved = first->mmLeft();
    designer().selection().selectOnly(first);
    designer().nudge(5, 0, 0, 0);
    dialogs.answer = DesignerDialogs::Answer::No;
    ASSERT_EQ(window->recentReports().entries().value(1), entry);
    window->action("actRecent1")->trigger();

    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
    EXPECT_EQ(stored.SaveTo(), stDatabase);
    EXPECT_EQ(stored.DatabaseSettings().Name(), "Schedule, monthly");
    auto* reloaded = dynamic_cast<TppComponent*>(form.FindComponent("ppLabel1"));
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->mmLeft(), saved) << "the layout read back from the table";
    EXPECT_EQ(window->recentReports().entries().first(), entry) << "opened, it is the newest again";

    // An entry whose pipeline is gone is refused and leaves the template where it was.
    stored.SetSaveTo(stFile);
    window->recentReports().touch({"Gone", "stDatabase", "plMissing", "name", "body"});
    window->applySettings(window->currentSettings());
    // The menu's old entries go later; the new ones are those to find.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window->action("actRecent0")->trigger();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(stored.SaveTo(), stFile);
    EXPECT_EQ(stored.DatabaseSettings().DataPipeline(), form.FindComponent("plTemplates"));
    EXPECT_EQ(stored.DatabaseSettings().Name(), "Schedule, monthly");
    EXPECT_TRUE(form.FindComponent("ppLabel1"));
}

} // namespace

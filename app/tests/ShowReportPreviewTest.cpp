#include "ApplicationWaitCursor.h"
#include "ArchiveReader.h"
#include "CommandRun.h"
#include "CupsPdfQueue.h"
#include "DesignWorkspace.h"
#include "DesignerController.h"
#include "DesignerDialogs.h"
#include "FakePrinterCatalog.h"
#include "HeadlessPrint.h"
#include "PageDump.h"
#include "PictureContents.h"
#include "PreviewForms.h"
#include "PrintDialogForms.h"
#include "PropertyPanel.h"
#include "QtPrinterCatalog.h"
#include "RecordingPrompter.h"
#include "RegistryScope.h"
#include "ReportCommand.h"
#include "ReportWizardDialog.h"
#include "TfrmMain.h"
#include "TppBand.h"
#include "TppDataTreeWindow.h"
#include "TppDesignerWindow.h"
#include "TppGroup.h"
#include "TppGroupDialog.h"
#include "TppGroupHeaderBand.h"
#include "TppLabel.h"
#include "TppOutlineViewer.h"
#include "TppPreview.h"
#include "TppPrintDialog.h"
#include "TppPrintPreview.h"
#include "TppPrinterList.h"
#include "TppReport.h"
#include "TppScreenDevice.h"
#include "TppViewer.h"
#include "TppWizardRegistry.h"
#include "WindowReportActions.h"
#include "WorkbookReader.h"

#include <QCursor>
#include <QGuiApplication>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

// What the preview showed while it was open, taken page by page.
struct PreviewSeen {
    bool found = false;
    bool maximized = false;
    TppZoomSettingType zoom = zsWholePage;
    QString status;
    std::vector<QStringList> pages; // each page's draw commands, as dumped
    int lastPageNo = 0;
    int zoomAt100 = 0;
    QImage firstPageAt100;
    // The outline beside the last page: the report entry's children, and the
    // page an entry of theirs led to when pressed, with the page it names.
    bool outlineShown = false;
    QStringList outlineEntries;
    int pageOfEntry = 0;
    int pageShownByEntry = 0;
};

// The preview window that is open; none when there is none.
TppPrintPreview* openPreview() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* preview = dynamic_cast<TppPrintPreview*>(widget); preview && preview->isVisible())
            return preview;
    return nullptr;
}

QStringList drawCommandLines(const TppPage& page) {
    return pageDumpLines(page).mid(1);
}

// The window of a user: the real report actions and preview forms, the
// shipped template beside the program, 100000 over 30 years at 6 %.
class ShowReportPreviewTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            QFile::copy(QFileInfo(QStringLiteral(KESTREL_EXECUTABLE)).dir().filePath("Amortization.rtm"),
                        dir.filePath("Amortization.rtm")));
        registries.keepForm(TppCustomPreviewer::abstractName());
        registerPreviewForms({&prompter, {}});
        MainWindowServices services;
        services.prompter = &prompter;
        services.clock = &clock;
        services.appDir = dir.path();
        services.settings = FormatSettings::invariant();
        services.openTarget = [](const QUrl&) { return true; };
        services.reports = &reports;
        window = std::make_unique<TfrmMain>(services);
        reports.setSchedule(&window->scheduleTable());
        window->findChild<QLineEdit*>("edtLoanAmt")->setText("100000");
        window->findChild<QLineEdit*>("edtTerm")->setText("30");
        window->findChild<QComboBox*>("cbxTermType")->setCurrentIndex(1);
        window->findChild<QPushButton*>("btnCompute")->click();
    }
    void TearDown() override {
        // A closed designer window goes by deleteLater; it must go before the
        // report it shows, not in the next test's event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window.reset();
    }

    // Presses "Show Report"; the preview runs modally, so what it shows is
    // read from inside its loop, turning every page, and then it is closed.
    PreviewSeen showReport() {
        PreviewSeen seen;
        QTimer::singleShot(0, [&seen] {
            TppPrintPreview* form = openPreview();
            if (!form)
                return;
            seen.found = true;
            seen.maximized = form->windowState().testFlag(Qt::WindowMaximized);
            TppViewer* viewer = form->Viewer();
            // The job starts when the window is first activated.
            if (!QTest::qWaitFor([viewer] { return viewer->AbsolutePageNo() > 0; }, 10000))
                return form->Close();
            seen.zoom = viewer->ZoomSetting();
            seen.status = form->StatusBar()->currentMessage();
            auto& panel = dynamic_cast<TppPreview&>(form->Preview());
            int previousPage = 0;
            while (viewer->AbsolutePageNo() != previousPage) {
                previousPage = viewer->AbsolutePageNo();
                seen.pages.push_back(drawCommandLines(viewer->CurrentPage()));
                panel.NextButton()->click();
            }
            panel.FirstButton()->click();
            panel.LastButton()->click();
            seen.lastPageNo = viewer->AbsolutePageNo();
            TppOutlineViewer& outline = *panel.OutlineTree();
            seen.outlineShown = outline.isVisible();
            if (QTreeWidgetItem* main = outline.topLevelItem(0); main && main->childCount() > 6) {
                for (int i = 0; i < main->childCount(); ++i)
                    seen.outlineEntries << main->child(i)->text(0);
                QTreeWidgetItem* entry = main->child(6);
                outline.scrollToItem(entry);
                seen.pageOfEntry = TppOutlineViewer::PageOf(entry);
                QTest::mouseClick(outline.viewport(), Qt::LeftButton, {},
                                  outline.visualItemRect(entry).center());
                seen.pageShownByEntry = viewer->AbsolutePageNo();
            }
            panel.FirstButton()->click();
            panel.Zoom100Button()->click();
            seen.zoomAt100 = viewer->ZoomPercent();
            seen.firstPageAt100 = viewer->ScreenDevice().PageBitmap().copy(viewer->ScreenDevice().PageRect());
            form->Close();
        });
        window->findChild<QPushButton*>("Button1")->click();
        return seen;
    }

    // What printing from the preview saw: whether the print button could be
    // pressed, the page shown after the last print, and the report's pages.
    struct PrintedFromPreview {
        bool printEnabled = false;
        int pageShownAfter = 0;
        int pageCount = 0;
    };

    // Presses "Show Report" and then, in the preview, the print button once
    // for each answer. The print dialog is modal, so each answer fills it in
    // from inside its loop; then OK is pressed, and a choice the dialog
    // refuses is cancelled so that the test goes on.
    PrintedFromPreview printFromPreview(const std::vector<std::function<void(TppPrintDialog&)>>& answers) {
        PrintedFromPreview printed;
        QTimer::singleShot(0, [&] {
            TppPrintPreview* form = openPreview();
            if (!form)
                return;
            TppViewer* viewer = form->Viewer();
            if (!QTest::qWaitFor([viewer] { return viewer->AbsolutePageNo() > 0; }, 10000))
                return form->Close();
            auto& panel = dynamic_cast<TppPreview&>(form->Preview());
            printed.printEnabled = panel.PrintButton()->isEnabled();
            for (const auto& answer : answers) {
                QTimer::singleShot(0, [&answer] {
                    auto* dialog = dynamic_cast<TppPrintDialog*>(QApplication::activeModalWidget());
                    if (!dialog)
                        return;
                    answer(*dialog);
                    dialog->OkButton()->click();
                    if (dialog->isVisible())
                        dialog->reject();
                });
                panel.PrintButton()->click();
            }
            printed.pageShownAfter = viewer->AbsolutePageNo();
            panel.LastButton()->click();
            printed.pageCount = viewer->AbsolutePageNo();
            form->Close();
        });
        registerPrintDialogs(&prompter);
        window->findChild<QPushButton*>("Button1")->click();
        unregisterPrintDialogs();
        return printed;
    }

    // Presses "Design Report", its settings kept in a folder of the test's
    // own; the designer window it opened, none when none is open.
    TppDesignerWindow* openDesigner() {
        reports.setDesignerSettingsFolder(designerSettings.path());
        window->findChild<QPushButton*>("Button2")->click();
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = dynamic_cast<TppDesignerWindow*>(widget); found && found->isVisible())
                return found;
        return nullptr;
    }

    CommandRun runReport(const QStringList& output) {
        const QStringList loan = {"--amount", "100000", "--term", "30", "--term-unit", "year", "--rate", "6"};
        return runCommand([&](QTextStream& out, QTextStream& err, const Clock& commandClock) {
            return runReportCommand(loan + output, out, err, commandClock, FormatSettings::invariant(),
                                    dir.path());
        });
    }

    RegistryScope registries;
    QTemporaryDir dir;
    QTemporaryDir designerSettings;
    RecordingPrompter prompter;
    FixedClock clock;
    WindowReportActions reports{prompter, FormatSettings::invariant(), clock};
    std::unique_ptr<TfrmMain> window;
};

TEST_F(ShowReportPreviewTest, ShowsTheSchedulePagesThatTheReportCommandWrites) {
    const PreviewSeen seen = showReport();
    ASSERT_TRUE(seen.found) << "no preview window opened; messages: "
                            << prompter.messages.join("; ").toStdString();
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();
    EXPECT_TRUE(seen.maximized);
    EXPECT_EQ(seen.zoom, zsPageWidth);
    EXPECT_EQ(seen.status, "Page 1");

    const CommandRun dump = runReport({"--dump"});
    ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
    const QStringList pagesOfCommand = dump.out.split(
        QRegularExpression("^page [^\n]*\n", QRegularExpression::MultilineOption), Qt::SkipEmptyParts);
    ASSERT_EQ(seen.pages.size(), size_t(pagesOfCommand.size()));
    EXPECT_EQ(seen.lastPageNo, pagesOfCommand.size()) << "the last page button";
    for (size_t page = 0; page < seen.pages.size(); ++page) {
        EXPECT_EQ(seen.pages[page].join('\n') + '\n', pagesOfCommand[qsizetype(page)]) << "page " << page + 1;
        EXPECT_TRUE(seen.pages[page].join('\n').contains("\"Month/Year\""))
            << "the header on page " << page + 1;
    }
    // A year per entry, each leading to the page its first month is on.
    EXPECT_TRUE(seen.outlineShown);
    QStringList years;
    for (int year = 2024; year <= 2054; ++year)
        years << QString::number(year);
    EXPECT_EQ(seen.outlineEntries, years);
    EXPECT_GT(seen.pageOfEntry, 1);
    EXPECT_EQ(seen.pageShownByEntry, seen.pageOfEntry) << "pressing 2030 turns to its page";

    qsizetype months = 0;
    for (const QStringList& page : seen.pages)
        months += page.filter(QRegularExpression("\"\\d\\d/\\d{4}\"")).size();
    EXPECT_EQ(months, 360) << "every month once";

    EXPECT_EQ(seen.zoomAt100, 100);
    QTemporaryDir pictures;
    ASSERT_EQ(runReport({"--png", pictures.path()}).status, 0);
    const QImage firstPicture(pictures.filePath("page-0001.png"));
    ASSERT_FALSE(firstPicture.isNull());
    EXPECT_EQ(seen.firstPageAt100.size(), firstPicture.size());
    EXPECT_TRUE(seen.firstPageAt100.convertToFormat(QImage::Format_RGB32) ==
                firstPicture.convertToFormat(QImage::Format_RGB32))
        << "the first page at 100 % is the picture the command writes";
}

// A user's round: "Design Report" opens the designer on the shipped
// template; a column moves, the detail band grows, a label is added and
// captioned, undone and redone, the report is saved, and "Show Report"
// prints what was saved.
TEST_F(ShowReportPreviewTest, TheDesignerEditsTheTemplateThatShowReportThenPrints) {
    TppDesignerWindow* designer = openDesigner();
    ASSERT_TRUE(designer) << prompter.messages.join("; ").toStdString();
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();
    designer->resize(1000, 760);
    DesignerController& controller = designer->controller();
    DesignWorkspace& surface = designer->workspace();
    TppReport& report = dynamic_cast<TppReport&>(controller.report());
    auto* column = dynamic_cast<TppComponent*>(report.Owner()->FindComponent("ppLabel1"));
    ASSERT_TRUE(column);
    ASSERT_EQ(column->Text(), "Month/Year");
    const QString shots = qEnvironmentVariable("PW_DESIGNER_SHOTS");
    auto shoot = [&](const char* name) {
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            designer->grab().save(QDir(shots).filePath(QString::fromLatin1(name)), "PNG");
        }
    };
    shoot("designer-1-opened.png");

    // The column caption moves 30 pixels right.
    const PixelBox box = controller.boxOf(*column);
    const QPoint grab = surface.toWidget(QPoint(box.left + box.width / 2, box.top + box.height / 2));
    QTest::mousePress(&surface, Qt::LeftButton, Qt::NoModifier, grab);
    QTest::mouseMove(&surface, grab + QPoint(15, 0));
    QTest::mouseMove(&surface, grab + QPoint(30, 0));
    QTest::mouseRelease(&surface, Qt::LeftButton, Qt::NoModifier, grab + QPoint(30, 0));
    const int movedLeft = DesignerController::toMM(box.left + 30, false);
    EXPECT_EQ(column->mmLeft(), movedLeft);

    // The detail band 10 pixels taller, by its divider.
    TppBand* detail = report.GetBand(btDetail);
    ASSERT_TRUE(detail);
    const int detailHeight = DesignerController::toPixels(detail->mmHeight(), true);
    const int divider = controller.layout().dividerTop(controller.bandIndex(detail));
    const QPoint onDivider = surface.toWidget(QPoint(400, divider + 4));
    QTest::mousePress(&surface, Qt::LeftButton, Qt::NoModifier, onDivider);
    QTest::mouseMove(&surface, onDivider + QPoint(0, 10));
    QTest::mouseRelease(&surface, Qt::LeftButton, Qt::NoModifier, onDivider + QPoint(0, 10));
    EXPECT_EQ(DesignerController::toPixels(detail->mmHeight(), true), detailHeight + 10);

    // A label in the footer, captioned through the property panel.
    TppBand* footer = report.GetBand(btFooter);
    ASSERT_TRUE(footer);
    designer->paletteAction("TppLabel")->trigger();
    const int footerTop = controller.layout().areaTop(controller.bandIndex(footer));
    QTest::mouseClick(&surface, Qt::LeftButton, Qt::NoModifier, surface.toWidget(QPoint(300, footerTop + 8)));
    ASSERT_EQ(footer->ObjectCount(), 1);
    designer->propertyPanel().editProperty("Caption", "Designed in Kestrel");
    auto* added = dynamic_cast<TppLabel*>(footer->Object(0));
    ASSERT_TRUE(added);
    EXPECT_EQ(added->Caption(), "Designed in Kestrel");
    designer->action("actUndo")->trigger();
    EXPECT_NE(added->Caption(), "Designed in Kestrel");
    designer->action("actRedo")->trigger();
    EXPECT_EQ(added->Caption(), "Designed in Kestrel");
    QCoreApplication::processEvents();
    controller.grid.displayGrid = true;
    controller.selection().selectOnly(column);
    emit controller.selectionChanged();
    shoot("designer-2-edited.png");
    controller.grid.displayGrid = false;
    designer->showPreviewPage();
    QCoreApplication::processEvents();
    shoot("designer-3-preview.png");
    designer->showDesignPage();

    ASSERT_TRUE(designer->saveReport());
    EXPECT_FALSE(report.Modified());
    designer->close();

    const PreviewSeen seen = showReport();
    ASSERT_TRUE(seen.found) << prompter.messages.join("; ").toStdString();
    ASSERT_FALSE(seen.pages.empty());
    const QStringList columnLines = seen.pages.front().filter("\"Month/Year\"");
    ASSERT_EQ(columnLines.size(), 1);
    EXPECT_TRUE(columnLines.first().startsWith(QStringLiteral("TppDrawText %1 ").arg(6350 + movedLeft)))
        << columnLines.first().toStdString() << ": the column caption where it was dragged";
    EXPECT_TRUE(seen.pages.front().join('\n').contains("\"Designed in Kestrel\""))
        << "the added label prints in the footer";
}

// Answers what the group dialog asks and keeps what it says.
class NoteDialogs final : public DesignerDialogs {
public:
    Answer askYesNoCancel(const QString&) override { return Answer::No; }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    void showMessage(const QString& text) override { messages << text; }
    QStringList messages;
};

// Three fields of the schedule dragged from the data tree onto the detail
// band become three labelled columns; the group dialog adds a group on the
// date, which Kestrel breaks by year; what is saved prints every month and
// the new group's header once a year.
TEST_F(ShowReportPreviewTest, FieldsFromTheDataTreeAndAGroupFromTheDialogPrint) {
    TppDesignerWindow* designer = openDesigner();
    ASSERT_TRUE(designer) << prompter.messages.join("; ").toStdString();
    designer->resize(1200, 760);
    DesignerController& controller = designer->controller();
    TppReport& report = dynamic_cast<TppReport&>(controller.report());
    TppBand* detail = report.GetBand(btDetail);
    ASSERT_TRUE(detail);
    const int before = detail->ObjectCount();

    QTreeWidget& tree = designer->dataTree().fieldTree();
    ASSERT_GE(tree.topLevelItemCount(), 1);
    const QModelIndex pipeline = tree.model()->index(0, 0);
    QModelIndexList fields;
    for (int row : {0, 1, 5})
        fields << tree.model()->index(row, 0, pipeline);
    std::unique_ptr<QMimeData> data(tree.model()->mimeData(fields));
    ASSERT_TRUE(data);
    ASSERT_EQ(draggedFields(data.get()).size(), 3);
    DesignWorkspace& surface = designer->workspace();
    const int detailTop = controller.layout().areaTop(controller.bandIndex(detail));
    const QPointF at = surface.toWidget(QPoint(20, detailTop + 1));
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&surface, &enter);
    QDropEvent drop(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&surface, &drop);
    // The selection holds what the drop made, label and field in turn.
    const QList<TppComponent*> made = controller.selection().components();
    ASSERT_EQ(made.size(), 6) << "three labels and three fields";
    EXPECT_GE(detail->ObjectCount() - before, 3) << "the labels are in the detail band";
    QStringList captions;
    QStringList boundTo;
    for (int column = 0; column < 3; ++column) {
        const auto* label = dynamic_cast<const TppLabel*>(made.at(2 * column));
        const TppComponent* field = made.at(2 * column + 1);
        ASSERT_TRUE(label);
        captions << label->Caption();
        boundTo << field->DataField();
        EXPECT_EQ(label->mmLeft(), field->mmLeft()) << "a column: the label over its field";
        EXPECT_EQ(label->mmWidth(), field->mmWidth());
    }
    EXPECT_EQ(captions, (QStringList{"DATE", "PAYMENT", "BALANCE"}));
    EXPECT_EQ(boundTo, (QStringList{"DATE", "PAYMENT", "BALANCE"}));

    const QString shots = qEnvironmentVariable("PW_DESIGNER_SHOTS");
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        QCoreApplication::processEvents();
        designer->grab().save(QDir(shots).filePath("designer-4-data-tree.png"), "PNG");
    }

    NoteDialogs dialogs;
    {
        TppGroupDialog groups(controller, dialogs, designer);
        groups.show();
        // The shipped layout groups the months by year already.
        ASSERT_EQ(groups.entries().size(), 1);
        groups.addButton().click();
        ASSERT_EQ(groups.entries().size(), 2);
        EXPECT_EQ(groups.groupList().item(1)->text(), "Group[1]:DBPipeline1.DATE");
        QCoreApplication::processEvents();
        if (!shots.isEmpty())
            groups.grab().save(QDir(shots).filePath("designer-5-group-dialog.png"), "PNG");
        groups.accept();
    }
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("; ").toStdString();
    ASSERT_EQ(report.GroupCount(), 2);
    // A label in the new group's header shows where the group breaks.
    TppBand* yearHeader = report.Groups().at(1)->HeaderBand();
    ASSERT_TRUE(yearHeader);
    const int headerTop = controller.layout().areaTop(controller.bandIndex(yearHeader));
    TppComponent* label = controller.createComponent(QStringLiteral("TppLabel"), QPoint(20, headerTop + 2));
    ASSERT_TRUE(label);
    ASSERT_EQ(label->Band(), yearHeader);
    controller.setProperty(*label, QStringLiteral("Caption"), QStringLiteral("A new year"));
    ASSERT_TRUE(designer->saveReport());
    designer->close();

    const PreviewSeen seen = showReport();
    ASSERT_TRUE(seen.found) << prompter.messages.join("; ").toStdString();
    const QRegularExpression month(QStringLiteral("\"\\d\\d/(\\d{4})\""));
    qsizetype months = 0;
    qsizetype breaks = 0;
    QSet<QString> years;
    for (const QStringList& page : seen.pages) {
        for (const QString& line : page) {
            const QRegularExpressionMatch printed = month.match(line);
            if (printed.hasMatch()) {
                ++months;
                years << printed.captured(1);
            }
            breaks += line.contains(QLatin1String("\"A new year\""));
        }
    }
    EXPECT_GE(months, 360) << "every month prints with the group";
    EXPECT_GE(years.size(), 30);
    EXPECT_EQ(breaks, years.size()) << "the group from the dialog breaks once a year";
}

// The wizards from the designer that "Design Report" opens: the report
// wizard makes a grouped report of the schedule and shows it printed; the
// label wizard turns it into a sheet of labels, which prints too.
TEST_F(ShowReportPreviewTest, TheDesignersWizardsMakeAGroupedScheduleAndALabelSheetThatPrint) {
    registerReportWizards();
    TppDesignerWindow* designer = openDesigner();
    ASSERT_TRUE(designer) << prompter.messages.join("; ").toStdString();
    TppReport& report = dynamic_cast<TppReport&>(designer->controller().report());

    QString wizardToChoose = QStringLiteral("Report Wizard");
    QStringList answered;
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* list = modal->findChild<QListWidget*>(QStringLiteral("wizards"))) {
            const QList<QListWidgetItem*> items = list->findItems(wizardToChoose, Qt::MatchExactly);
            if (items.size() == 1)
                list->setCurrentItem(items.first());
            answered << "new items";
            static_cast<QDialog*>(modal)->accept();
            return;
        }
        if (auto* question = dynamic_cast<QMessageBox*>(modal)) {
            answered << "not saved";
            question->button(QMessageBox::No)->click();
            return;
        }
        auto* wizard = dynamic_cast<ReportWizardDialog*>(modal);
        if (!wizard) {
            answered << modal->metaObject()->className();
            static_cast<QDialog*>(modal)->accept();
            return;
        }
        const auto pick = [&](const QString& list, const QString& field) {
            auto* from = wizard->currentPage()->findChild<QListWidget*>(list + "Available");
            const QList<QListWidgetItem*> items = from->findItems(field, Qt::MatchExactly);
            if (items.size() == 1) {
                from->setCurrentItem(items.first());
                wizard->currentPage()->findChild<QPushButton*>(list + "Add")->click();
            }
        };
        for (const char* field : {"DATE", "PAYMENT", "BALANCE"})
            pick("field", field);
        wizard->next();
        pick("group", "DATE");
        while (wizard->currentId() != ReportWizardDialog::FinishPage && answered.size() < 10) {
            wizard->next();
            answered << QString::number(wizard->currentId());
        }
        wizard->currentPage()->findChild<QRadioButton*>("previewReport")->click();
        answered << "report wizard";
        wizard->accept();
    });
    answer.start();
    designer->action("actNew")->trigger();
    EXPECT_EQ(answered.first(), "new items");
    EXPECT_EQ(answered.last(), "report wizard");
    EXPECT_EQ(designer->pages().currentIndex(), 1) << "the preview, as asked";
    ASSERT_EQ(report.GroupCount(), 1);
    EXPECT_EQ(report.Group(0)->BreakName(), "DATE");
    const PageList grouped = printToPages(report, TppPageRequest());
    ASSERT_GE(grouped.size(), 2u);
    QStringList printed;
    for (const auto& page : grouped)
        printed += drawCommandLines(*page);
    QStringList months;
    for (const QString& line : printed.filter(QRegularExpression("\"\\d\\d/\\d{4}\"$")))
        months << line.section(u' ', 5);
    months.removeDuplicates();
    EXPECT_EQ(months.size(), 360) << "every month heads its group, again above a group a page cuts";
    EXPECT_FALSE(printed.filter("\"PAYMENT\"").isEmpty()) << "the column labels";

    answered.clear();
    wizardToChoose = QStringLiteral("Label Templates");
    designer->action("actNew")->trigger();
    EXPECT_EQ(answered.first(), "not saved") << "the wizard's report was never saved";
    ASSERT_EQ(answered.size(), 3) << answered.join(", ").toStdString();
    EXPECT_EQ(answered.last(), "LabelWizardDialog");
    ASSERT_EQ(report.BandCount(), 1) << "a label is the detail band alone";
    const PageList labels = printToPages(report, TppPageRequest());
    EXPECT_GE(labels.size(), 1u) << "the sheet prints";
    designer->close();
    answer.stop();
}

// What the window gives its templates to show while they read or write.
TEST(ApplicationWaitCursorTest, ShowsTheWaitCursorUntilPutBack) {
    ApplicationWaitCursor cursor;
    cursor.show();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    cursor.restore();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the cursor before it is back";
}

TEST_F(ShowReportPreviewTest, ThePrintButtonPrintsTheChosenPagesOnThePrinter) {
    auto catalog = std::make_shared<FakePrinterCatalog>();
    catalog->install("Office", officeLaser());
    catalog->defaultName = "Office";
    TppPrinterList::instance().setCatalog(catalog);
    QStringList printersOffered;
    const PrintedFromPreview printed = printFromPreview({[&](TppPrintDialog& dialog) {
        for (int i = 0; i < dialog.PrinterCombo()->count(); ++i)
            printersOffered << dialog.PrinterCombo()->itemText(i);
        dialog.PagesButton()->setChecked(true);
        dialog.PagesEdit()->setText("1-2");
        dialog.CopiesBox()->setValue(2);
        dialog.CollateBox()->setChecked(true);
    }});
    TppPrinterList::instance().setCatalog(std::make_shared<FakePrinterCatalog>());

    EXPECT_TRUE(printed.printEnabled);
    EXPECT_EQ(printersOffered, QStringList({"Default", "Office"}));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();
    ASSERT_EQ(catalog->jobs.size(), 1u);
    const PrintedJob& job = *catalog->jobs.front();
    EXPECT_TRUE(job.finished);
    ASSERT_EQ(job.pages.size(), 4u) << "pages 1 and 2, twice, collated";
    std::vector<QStringList> sheets;
    for (const auto& page : job.pages)
        sheets.push_back(pictureContents(*page).texts);
    EXPECT_TRUE(sheets[0].contains("Month/Year")) << sheets[0].join(" | ").toStdString();
    EXPECT_EQ(sheets[0], sheets[2]);
    EXPECT_EQ(sheets[1], sheets[3]);
    EXPECT_NE(sheets[0], sheets[1]);
    EXPECT_EQ(printed.pageShownAfter, 1) << "the preview keeps its page";
}

// The text devices write only the bands and components marked for saving;
// the template copy beside the program marks the detail band and the six
// data texts of a payment.
void markPaymentsSaved(const QString& templatePath) {
    QFile file(templatePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    static const QRegularExpression saved(
        QStringLiteral("(object ppD(?:BText\\d: TppDBText|etailBand1: TppDetailBand)\r\n)"));
    text = QString::fromLatin1(text).replace(saved, QStringLiteral("\\1    Save = True\r\n")).toLatin1();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

// Print to File from the preview's print dialog, once for every file type
// it offers; each file is read back by a reader of its own kind. The file
// names are typed without an extension, which the dialog adds.
TEST_F(ShowReportPreviewTest, PrintToFileWritesEveryFileTypeTheDialogOffers) {
    markPaymentsSaved(dir.filePath("Amortization.rtm"));
    const QStringList fileTypes = {"PdfFile", "TextFile", "ReportTextFile", "SpreadsheetFile", "ArchiveFile"};
    QStringList offered;
    std::vector<std::function<void(TppPrintDialog&)>> answers;
    for (const QString& type : fileTypes)
        answers.push_back([&, type](TppPrintDialog& dialog) {
            QComboBox* types = dialog.FileTypeCombo();
            if (offered.isEmpty())
                for (int i = 0; i < types->count(); ++i)
                    offered << types->itemData(i).toString();
            dialog.PrintToFileBox()->setChecked(true);
            types->setCurrentIndex(types->findData(type));
            dialog.FileNameEdit()->setText(dir.filePath("out-" + type));
        });
    const int pageCount = printFromPreview(answers).pageCount;

    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();
    for (const QString& type : fileTypes)
        EXPECT_TRUE(offered.contains(type)) << type.toStdString();
    ASSERT_EQ(pageCount, 12) << "30 years of payments";
    const auto written = [&](const QString& type) {
        const QStringList found = QDir(dir.path()).entryList({"out-" + type + ".*"}, QDir::Files);
        EXPECT_EQ(found.size(), 1) << type.toStdString() << " gets its extension";
        QFile file(dir.filePath(found.value(0)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    const QByteArray pdf = written("PdfFile");
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    static const QRegularExpression pdfPage(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(pdfPage), pageCount);

    const QList<QByteArray> records = written("TextFile").split('\n');
    ASSERT_EQ(records.size(), 360) << "a record for each payment";
    EXPECT_EQ(records.front().trimmed(), "04/2024,599.55,99.55,500.00,500.00,\"99,900.45\"");

    const QByteArray grid = written("ReportTextFile");
    // The grid comes from the fixed-pitch font: as many lines on every
    // page, none after the report's last.
    EXPECT_EQ((grid.count('\n') + 1) % pageCount, 0) << grid.count('\n');
    EXPECT_TRUE(grid.contains("99,900.45"));

    const QStringList archives = QDir(dir.path()).entryList({"out-ArchiveFile.*"}, QDir::Files);
    ASSERT_EQ(archives.size(), 1);
    EXPECT_EQ(int(ReadArchiveFile(dir.filePath(archives.front())).size()), pageCount);

    const QStringList books = QDir(dir.path()).entryList({"out-SpreadsheetFile.*"}, QDir::Files);
    ASSERT_EQ(books.size(), 1);
    EXPECT_EQ(readWorkbook(dir.filePath(books.front())).value("maxRow").toInt(), 360);
}

// From the preview's print button through Qt's printer to a real CUPS queue,
// as the desktop program prints; the queue's PDF has every page.
TEST_F(ShowReportPreviewTest, ThePreviewPrintsOnACupsQueue) {
    auto catalog = std::make_shared<QtPrinterCatalog>();
    QStringList installed;
    for (const InstalledPrinter& printer : catalog->printers())
        installed << printer.name;
    const CupsPdfQueue queue = CupsPdfQueue::find(installed);
    if (!queue.missing.isEmpty()) {
        if (queue.required)
            FAIL() << queue.missing.toStdString();
        GTEST_SKIP() << queue.missing.toStdString();
    }
    const QString title = CupsPdfQueue::uniqueTitle();
    {
        QFile file(dir.filePath("Amortization.rtm"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const QByteArray text =
            file.readAll().replace("DocumentName = 'Report'", "DocumentName = '" + title.toLatin1() + "'");
        file.resize(0);
        file.write(text);
    }
    TppPrinterList::instance().setCatalog(catalog);
    const int pageCount =
        printFromPreview({[&](TppPrintDialog& dialog) {
            dialog.PrinterCombo()->setCurrentIndex(dialog.PrinterCombo()->findText(queue.name));
            dialog.AllButton()->setChecked(true);
        }}).pageCount;
    TppPrinterList::instance().setCatalog(std::make_shared<FakePrinterCatalog>());

    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();
    const QString info = CupsPdfQueue::landedPdfInfo(title);
    ASSERT_FALSE(info.isEmpty()) << "nothing landed in " << CupsPdfQueue::outFolder().toStdString()
                                 << " within 30 s";
    EXPECT_EQ(CupsPdfQueue::pagesOf(info), QString::number(pageCount));
    EXPECT_TRUE(info.contains(title)) << info.toStdString();
}

} // namespace

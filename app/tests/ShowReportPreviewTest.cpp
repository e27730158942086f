#include "CommandRun.h"
#include "FakePrinterCatalog.h"
#include "PageDump.h"
#include "PictureContents.h"
#include "PreviewForms.h"
#include "PrintDialogForms.h"
#include "RecordingPrompter.h"
#include "ReportCommand.h"
#include "TfrmMain.h"
#include "TppPreview.h"
#include "TppPrintDialog.h"
#include "TppPrintPreview.h"
#include "TppPrinterList.h"
#include "TppScreenDevice.h"
#include "TppViewer.h"
#include "WindowReportActions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
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
        window.reset();
        unregisterPreviewForms();
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
            panel.FirstButton()->click();
            panel.Zoom100Button()->click();
            seen.zoomAt100 = viewer->ZoomPercent();
            seen.firstPageAt100 = viewer->ScreenDevice().PageBitmap().copy(viewer->ScreenDevice().PageRect());
            form->Close();
        });
        window->findChild<QPushButton*>("Button1")->click();
        return seen;
    }

    CommandRun runReport(const QStringList& output) {
        const QStringList loan = {"--amount", "100000", "--term", "30", "--term-unit", "year", "--rate", "6"};
        return runCommand([&](QTextStream& out, QTextStream& err, const Clock& commandClock) {
            return runReportCommand(loan + output, out, err, commandClock, FormatSettings::invariant(),
                                    dir.path());
        });
    }

    QTemporaryDir dir;
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

TEST_F(ShowReportPreviewTest, ThePrintButtonPrintsTheChosenPagesOnThePrinter) {
    auto catalog = std::make_shared<FakePrinterCatalog>();
    catalog->install("Office", officeLaser());
    catalog->defaultName = "Office";
    TppPrinterList::instance().setCatalog(catalog);
    registerPrintDialogs(&prompter);
    QStringList printersOffered;
    bool printEnabled = false;
    int pageShownAfter = 0;
    QTimer::singleShot(0, [&] {
        TppPrintPreview* form = openPreview();
        if (!form)
            return;
        TppViewer* viewer = form->Viewer();
        if (!QTest::qWaitFor([viewer] { return viewer->AbsolutePageNo() > 0; }, 10000))
            return form->Close();
        auto& panel = dynamic_cast<TppPreview&>(form->Preview());
        printEnabled = panel.PrintButton()->isEnabled();
        // The print dialog is modal: it is answered from inside its loop.
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<TppPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            for (int i = 0; i < dialog->PrinterCombo()->count(); ++i)
                printersOffered << dialog->PrinterCombo()->itemText(i);
            dialog->PagesButton()->setChecked(true);
            dialog->PagesEdit()->setText("1-2");
            dialog->CopiesBox()->setValue(2);
            dialog->CollateBox()->setChecked(true);
            dialog->OkButton()->click();
        });
        panel.PrintButton()->click();
        pageShownAfter = viewer->AbsolutePageNo();
        form->Close();
    });
    window->findChild<QPushButton*>("Button1")->click();
    unregisterPrintDialogs();
    TppPrinterList::instance().setCatalog(std::make_shared<FakePrinterCatalog>());

    EXPECT_TRUE(printEnabled);
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
    EXPECT_EQ(pageShownAfter, 1) << "the preview keeps its page";
}

} // namespace

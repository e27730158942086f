#include "DeviceClasses.h"
#include "FakeEngine.h"
#include "FakePrinterCatalog.h"
#include "IconFile.h"
#include "OutputClasses.h"
#include "PrintDialogForms.h"
#include "RecordingDevice.h"
#include "RecordingPrompter.h"
#include "RegistryScope.h"
#include "TppCancelDialog.h"
#include "TppNoDataDialog.h"
#include "TppPrintDialog.h"
#include "TppPrinter.h"
#include "TppPrinterList.h"
#include "TraWindowObjects.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

PrinterCapabilities plainPrinter() {
    PrinterCapabilities c;
    c.paperNames = {"Letter", "A4"};
    c.paperCodes = {1, 9};
    c.paperWidths = {2159, 2100};
    c.paperHeights = {2794, 2970};
    return c;
}

class PrintDialogTest : public testing::Test {
protected:
    PrintDialogTest() {
        registerOutputClasses();
        for (const char* name : {"Office", "Archive Room", "basement"})
            catalog->install(name, plainPrinter(), QStringLiteral("lpd://%1").arg(name));
        catalog->defaultName = "Office";
        TppPrinterList::instance().setCatalog(catalog);
        printer = std::make_unique<TppPrinter>();
        dialog.Printer = printer.get();
        dialog.MessagePrompter = &prompter;
        dialog.CurrentPage = 4;
    }
    ~PrintDialogTest() override {
        TppPrinterList::instance().setCatalog(std::make_shared<FakePrinterCatalog>());
    }

    // Shows the dialog modally, lets `act` work on it, and answers what it returned.
    bool run(const std::function<void()>& act) {
        QTimer::singleShot(0, [this, act] {
            act();
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.ShowModal();
    }
    bool pressOk(const std::function<void()>& act) {
        return run([&] {
            act();
            dialog.OkButton()->click();
        });
    }

    std::shared_ptr<FakePrinterCatalog> catalog = std::make_shared<FakePrinterCatalog>();
    std::unique_ptr<TppPrinter> printer;
    RecordingPrompter prompter;
    TppPrintDialog dialog;
};

TEST_F(PrintDialogTest, ListsDefaultFirstThenThePrintersSortedAndShowsWhereTheyAre) {
    QStringList listed;
    QString where;
    run([&] {
        for (int i = 0; i < dialog.PrinterCombo()->count(); ++i)
            listed << dialog.PrinterCombo()->itemText(i);
        dialog.PrinterCombo()->setCurrentIndex(dialog.PrinterCombo()->findText("basement"));
        where = dialog.PrinterWhere()->text();
    });
    EXPECT_EQ(listed, QStringList({"Default", "Archive Room", "basement", "Office"}));
    EXPECT_EQ(where, "lpd://basement");
    EXPECT_EQ(printer->PrinterSetup().PrinterName(), "basement") << "the choice goes to the printer";
}

TEST_F(PrintDialogTest, WithoutPrintersItSaysSoAndRefusesToPrint) {
    TppPrinterList::instance().setCatalog(std::make_shared<FakePrinterCatalog>());
    printer = std::make_unique<TppPrinter>();
    dialog.Printer = printer.get();
    bool comboShown = true;
    bool labelShown = false;
    const bool accepted = pressOk([&] {
        comboShown = dialog.PrinterCombo()->isVisible();
        labelShown = dialog.NoPrintersLabel()->isVisible();
    });
    EXPECT_FALSE(accepted);
    EXPECT_FALSE(comboShown);
    EXPECT_TRUE(labelShown);
    EXPECT_EQ(prompter.messages, QStringList{"There are no printers connected to your computer."});
}

TEST_F(PrintDialogTest, TheRequestFollowsTheChosenPages) {
    struct Case {
        const char* name;
        const char* pages; // nullptr: Current Page
        int range;
        TppPageSettingType setting;
        QStringList list;
        QString message;
    };
    const Case cases[] = {
        {"ranges", "1,3,5-12", 0, psPageList, {"1", "3", "5", "6", "7", "8", "9", "10", "11", "12"}, {}},
        {"a range upside down", "12-5", 0, psPageList, {"5", "12"}, {}},
        {"an open end", "5-", 0, psPageList, {"5"}, {}},
        {"an open start", "-5", 0, psPageList, {"5"}, {}},
        {"repeats and blanks", "3 3 3", 0, psPageList, {"3"}, {}},
        {"odd pages of a list",
         "1,3,5-12",
         1,
         psPageList,
         {"1", "3", "5", "6", "7", "8", "9", "10", "11", "12"},
         {}},
        {"the current page", nullptr, 2, psSinglePage, {}, {}},
        {"nothing", "", 0, psAll, {}, "No pages entered."},
        {"a long number", "123456789012345", 0, psAll, {}, "too many"},
        {"a huge range", "1-2000000000", 0, psAll, {}, "too many"},
    };
    for (const Case& c : cases) {
        prompter.messages.clear();
        dialog.PageRequest.Clear();
        const bool accepted = pressOk([&] {
            if (c.pages) {
                QTest::keyClicks(dialog.PagesEdit(), c.pages);
                dialog.PagesButton()->setChecked(true);
            } else {
                dialog.CurrentPageButton()->setChecked(true);
            }
            dialog.PageRangeCombo()->setCurrentIndex(c.range);
        });
        if (!c.message.isEmpty()) {
            EXPECT_FALSE(accepted) << c.name << ": the dialog stays open";
            ASSERT_EQ(prompter.messages.size(), 1) << c.name;
            if (c.message == u"too many")
                EXPECT_TRUE(prompter.messages[0].contains("at most"))
                    << c.name << ": " << prompter.messages[0].toStdString();
            else
                EXPECT_EQ(prompter.messages[0], c.message) << c.name;
            continue;
        }
        ASSERT_TRUE(accepted) << c.name << ": " << prompter.messages.join("; ").toStdString();
        EXPECT_EQ(dialog.PageRequest.PageSetting, c.setting) << c.name;
        EXPECT_EQ(dialog.PageRequest.PageList, c.list) << c.name;
        EXPECT_EQ(dialog.PageRequest.PageRange, TppPageRangeType(c.range)) << c.name;
        if (c.setting == psSinglePage) {
            EXPECT_EQ(dialog.PageRequest.PageRequested, 4) << c.name << ": the preview's page";
        }
    }
}

TEST_F(PrintDialogTest, CopiesAndCollationGoToThePrinter) {
    QPixmap collated, uncollated;
    ASSERT_TRUE(pressOk([&] {
        dialog.CollateBox()->setChecked(true);
        collated = dialog.CollatePicture()->pixmap();
        dialog.CollateBox()->setChecked(false);
        uncollated = dialog.CollatePicture()->pixmap();
        dialog.CopiesBox()->setValue(3);
    }));
    EXPECT_EQ(printer->PrinterSetup().Copies(), 3);
    EXPECT_FALSE(printer->PrinterSetup().Collation());
    EXPECT_EQ(collated.size(), QSize(102, 53));
    EXPECT_NE(collated.toImage(), uncollated.toImage()) << "the picture follows the box";
}

TEST_F(PrintDialogTest, PrintsToAFileOfTheRegisteredKinds) {
    struct Case {
        const char* name;
        const char* deviceType;
        const char* typed;
        bool pagesChosen;
        QString expectedFile; // empty: refused
    };
    const Case cases[] = {
        {"a text file without extension", "TextFile", "schedule", false, "schedule.txt"},
        {"a name ending in a point", "ReportTextFile", "report.", false, "report.txt"},
        {"a name with its extension", "TextFile", "rows.csv", false, "rows.csv"},
        // Asked for even when pages are chosen.
        {"no file name, pages chosen", "TextFile", "", true, {}},
        {"no file name", "TextFile", "", false, {}},
    };
    dialog.AllowPrintToFile = true;
    for (const Case& c : cases) {
        prompter.messages.clear();
        dialog.TextFileName.clear();
        dialog.DeviceType = c.deviceType;
        bool checkedAtStart = false;
        QString typeAtStart;
        const bool accepted = pressOk([&] {
            checkedAtStart = dialog.PrintToFileBox()->isChecked();
            typeAtStart = dialog.FileTypeCombo()->currentData().toString();
            dialog.FileNameEdit()->clear();
            QTest::keyClicks(dialog.FileNameEdit(), c.typed);
            if (c.pagesChosen) {
                dialog.PagesButton()->setChecked(true);
                dialog.PagesEdit()->setText("2");
            }
        });
        EXPECT_TRUE(checkedAtStart) << c.name << ": the report's device type is a file kind";
        EXPECT_EQ(typeAtStart, c.deviceType) << c.name;
        if (c.expectedFile.isEmpty()) {
            EXPECT_FALSE(accepted) << c.name;
            EXPECT_EQ(prompter.messages, QStringList{"Please specify file name before continuing."})
                << c.name;
            continue;
        }
        ASSERT_TRUE(accepted) << c.name << ": " << prompter.messages.join("; ").toStdString();
        EXPECT_TRUE(dialog.PrintToFile) << c.name;
        EXPECT_EQ(dialog.FileDeviceName, c.deviceType) << c.name;
        EXPECT_EQ(dialog.TextFileName, c.expectedFile) << c.name;
    }
}

TEST_F(PrintDialogTest, TheFilePanelIsHiddenUnlessTheReportAllowsFiles) {
    bool shown = true;
    run([&] { shown = dialog.FilePanel()->isVisible(); });
    EXPECT_FALSE(shown);
    dialog.AllowPrintToFile = true;
    QStringList kinds;
    run([&] {
        shown = dialog.FilePanel()->isVisible();
        for (int i = 0; i < dialog.FileTypeCombo()->count(); ++i)
            kinds << dialog.FileTypeCombo()->itemData(i).toString();
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(kinds, DeviceClasses::instance().FileDeviceNames()) << "no archive device is registered here";
}

// A report's print job opens the registered dialogs: each shows the
// report's icon, and while it is up the report's scripts reach it.
TEST_F(PrintDialogTest, TheJobsDialogsShowTheReportsIconAndAnswerItsScripts) {
    RegistryScope registries;
    for (const QString& form : {TppCustomPrintDialog::abstractName(), TppCustomCancelDialog::abstractName(),
                                TppCustomNoDataDialog::abstractName()})
        registries.keepForm(form);
    registries.registerDevice("Printer", RecordingDevice::staticClassInfo());
    registerPrintDialogs(&prompter);
    OwnedComponent owner;
    auto* report = new FakeEngineReport(&owner);
    report->SetDeviceType("Printer");
    TppIcon icon;
    icon.SetData(iconFileBytes());
    report->SetIcon(icon);
    QStringList seen;
    const auto look = [&](const char* member, const QWidget* window) {
        const auto* form = dynamic_cast<TraForm*>(TraWindowObjects::find(member, *report));
        seen << QStringLiteral("%1 %2 %3")
                    .arg(member, form ? form->caption() : QStringLiteral("nil"),
                         window && !window->windowIcon().isNull() ? "with icon" : "without");
    };
    report->OnPrintDialogCreate.handler = [&](TppCommunicator*) {
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<TppPrintDialog*>(report->PrintDialog());
            look("PrintDialog", dialog);
            dialog->OkButton()->click();
        });
    };
    report->engine().BetweenPages = [&] {
        look("CancelDialog", dynamic_cast<TppCancelDialog*>(report->CancelDialog()));
        report->engine().BetweenPages = nullptr;
    };
    report->Print();
    look("PrintDialog", nullptr);
    EXPECT_EQ(seen, QStringList({"PrintDialog Print with icon", "CancelDialog Printing with icon",
                                 "PrintDialog nil without"}));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();
    unregisterPrintDialogs();
    EXPECT_FALSE(TraWindowObjects::find("CancelDialog", *report));
    delete report;
}

TEST(CancelDialog, StartsTheJobFromItsModalLoopShowsTheStatusAndCancels) {
    TppCancelDialog dialog;
    QStringList seen;
    bool cancelled = false;
    int closes = 0;
    dialog.OnCancel = [&] { cancelled = true; };
    dialog.OnClose = [&] { ++closes; };
    dialog.OnActivate = [&] {
        seen << (dialog.isVisible() ? "job runs while the dialog is up" : "job runs hidden");
        dialog.SetStatusText("Printing page 1 for report Loans on the Office");
        seen << dialog.MessageArea()->text();
        dialog.CancelButton()->click();
    };
    dialog.ShowModal();
    EXPECT_EQ(seen, QStringList({"job runs while the dialog is up",
                                 "Printing page 1 for report Loans on the Office"}));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.StartTimer()->interval(), 10);
    EXPECT_EQ(dialog.windowTitle(), "Printing");
}

TEST(CancelDialog, AnErrorOfTheJobComesOutOfShowModal) {
    TppCancelDialog dialog;
    dialog.OnActivate = [] { throw std::runtime_error("the printer went away"); };
    EXPECT_THROW(dialog.ShowModal(), std::runtime_error);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(NoDataDialog, SaysSoAndCloses) {
    TppNoDataDialog dialog;
    QString message;
    QTimer::singleShot(0, [&] {
        for (QLabel* label : dialog.findChildren<QLabel*>())
            message = label->text();
        dialog.OkButton()->click();
    });
    EXPECT_TRUE(dialog.ShowModal());
    EXPECT_EQ(dialog.windowTitle(), "No Data Found");
    EXPECT_EQ(message, "No data found for this report.");
}

} // namespace

#include "DeviceClasses.h"
#include "FakeEngine.h"
#include "FakePrinterCatalog.h"
#include "PictureContents.h"
#include "TppCustomCancelDialog.h"
#include "TppDrawText.h"
#include "TppPrinter.h"
#include "TppPrinterDevice.h"
#include "TppPrinterList.h"

#include <gtest/gtest.h>

namespace {

// A cancel dialog that keeps every status text it is given.
class StatusDialog : public TppCustomCancelDialog {
public:
    void SetStatusText(const QString& text) override {
        TppCustomCancelDialog::SetStatusText(text);
        shown << text;
    }
    void Show() override {}
    bool ShowModal() override { return true; }
    void Close() override {}
    QStringList shown;
};

class PrinterDeviceTest : public testing::Test {
protected:
    PrinterDeviceTest() {
        catalog->install("Office", officeLaser());
        catalog->defaultName = "Office";
        TppPrinterList::instance().setCatalog(catalog);
        DeviceClasses::instance().RegisterDevice("Printer", TppPrinterDevice::staticClassInfo());
        report->PrinterSetup().SetDocumentName("Loans");
        report->engine().pageCount = 3;
    }
    ~PrinterDeviceTest() override {
        TppPrinterList::instance().setCatalog(std::make_shared<FakePrinterCatalog>());
    }

    // Prints the report's pages as a print job would, logging each page the
    // device starts.
    QStringList print(const TppPageRequest& request) {
        QStringList started;
        TppPrinterDevice device(report);
        device.Printer()->ApplySetup(report->PrinterSetup());
        device.SetPageRequest(request);
        device.OnPagePrintStart = [&started](TppPrinterDevice*, TppPage* page) {
            started << QString::number(page->AbsolutePageNo);
        };
        device.SetPublisher(&report->Publisher());
        report->RunPrintJob();
        return started;
    }

    std::shared_ptr<FakePrinterCatalog> catalog = std::make_shared<FakePrinterCatalog>();
    OwnedComponent form;
    FakeEngineReport* report = new FakeEngineReport(&form);
};

TEST_F(PrinterDeviceTest, CopiesPrintInARowOrAsWholePassesWhenCollated) {
    struct Case {
        const char* name;
        int copies;
        bool collate;
        QStringList pages; // empty: all
        QStringList expected;
    };
    const Case cases[] = {
        {"three uncollated copies", 3, false, {}, {"1", "1", "1", "2", "2", "2", "3", "3", "3"}},
        {"three collated copies", 3, true, {}, {"1", "2", "3", "1", "2", "3", "1", "2", "3"}},
        // Each pass asks for the whole list again, though the first pass
        // struck its pages off.
        {"a page list, collated", 2, true, {"1", "3"}, {"1", "3", "1", "3"}},
        {"a page list, uncollated", 2, false, {"1", "3"}, {"1", "1", "3", "3"}},
    };
    for (const Case& c : cases) {
        catalog->jobs.clear();
        report->PrinterSetup().SetCopies(c.copies);
        report->PrinterSetup().SetCollation(c.collate);
        TppPageRequest request;
        if (!c.pages.isEmpty()) {
            request.PageSetting = psPageList;
            request.PageList = c.pages;
        }
        EXPECT_EQ(print(request), c.expected) << c.name;
        ASSERT_EQ(catalog->jobs.size(), 1u) << c.name << ": one job for every copy";
        const PrintedJob& job = *catalog->jobs.front();
        EXPECT_EQ(job.pages.size(), size_t(c.expected.size())) << c.name;
        EXPECT_TRUE(job.finished) << c.name;
        EXPECT_EQ(job.request.settings.copies, 1)
            << c.name << ": the report makes the copies, not the printer";
        EXPECT_EQ(job.request.settings.documentName, "Loans") << c.name;
    }
}

TppPage* newPage(OwnedComponent* owner, int number, TPrinterOrientation orientation, const QString& bin) {
    auto* page = new TppPage(owner);
    page->AbsolutePageNo = page->PageNo = number;
    page->AbsolutePageCount = 3;
    page->Final = true;
    page->DocumentName = "Loans";
    TppPrinterSetup setup(nullptr);
    setup.SetPrinterName("Office");
    setup.SetOrientation(orientation);
    setup.SetBinName(bin);
    page->SetPrinterSetup(setup);
    return page;
}

TEST_F(PrinterDeviceTest, EachPagePrintsOnItsOwnPaperOrientationAndBin) {
    OwnedComponent pages;
    TppPrinterDevice device;
    device.Printer()->ApplySetup(newPage(&pages, 1, poPortrait, "Default")->PrinterSetup());
    device.BeginJob();
    device.AcceptPage(*newPage(&pages, 1, poPortrait, "Default"));
    device.AcceptPage(*newPage(&pages, 2, poLandscape, "Lower Tray"));
    device.AcceptPage(*newPage(&pages, 3, poPortrait, "Default"));
    device.FinishJob();
    ASSERT_EQ(catalog->jobs.size(), 1u);
    const auto& sheets = catalog->jobs.front()->pageRequests;
    ASSERT_EQ(sheets.size(), 3u);
    EXPECT_FALSE(sheets[0].landscape);
    EXPECT_TRUE(sheets[1].landscape) << "only the page that asks for it";
    EXPECT_FALSE(sheets[2].landscape);
    EXPECT_EQ(sheets[0].paperMillimetres, sheets[1].paperMillimetres) << "the paper as fed stays";
    EXPECT_EQ(sheets[1].settings.paperSource, std::optional<int>(2));
    EXPECT_EQ(sheets[2].settings.paperSource, std::nullopt) << "the printer's own source again";
}

TEST_F(PrinterDeviceTest, TheStatusLineFollowsThePagesAndChangesOnlyWhenItsTextDoes) {
    struct Case {
        const char* name;
        bool lastPageKnown;
        QStringList expected;
    };
    const Case cases[] = {
        {"one pass: the page count is not known yet",
         false,
         {"Accessing data...", "Printing page 1 for report Loans on the Office",
          "Printing page 2 for report Loans on the Office",
          "Printing page 3 for report Loans on the Office"}},
        {"two passes: the page count is known",
         true,
         {"Accessing data...", "Printing page 1 of 3 for report Loans on the Office",
          "Printing page 2 of 3 for report Loans on the Office",
          "Printing page 3 of 3 for report Loans on the Office"}},
    };
    for (const Case& c : cases) {
        StatusDialog dialog;
        int pumps = 0;
        TppPrinterDevice device;
        device.CancelDialog = &dialog;
        device.ProcessMessages = [&pumps] { ++pumps; };
        TppPublisher publisher;
        if (c.lastPageKnown) {
            // A two-pass report has counted its pages before the first one prints.
            OwnedComponent counted;
            TppPage* last = newPage(&counted, 3, poPortrait, "Default");
            last->LastPage = true;
            publisher.AcceptPage(*last);
        }
        device.SetPublisher(&publisher);
        device.BeginJob();
        OwnedComponent pages;
        for (int number = 1; number <= 3; ++number) {
            TppPage* page = newPage(&pages, number, poPortrait, "Default");
            if (number == 2) {
                // A calculation page of the same number says nothing new.
                TppPage* draft = newPage(&pages, 2, poPortrait, "Default");
                draft->Calculation = true;
                device.AcceptPage(*draft);
            }
            device.AcceptPage(*page);
            device.AcceptPage(*page);
        }
        device.FinishJob();
        EXPECT_EQ(dialog.shown, c.expected) << c.name;
        EXPECT_EQ(pumps, c.expected.size()) << c.name << ": messages are let through after each change";
        EXPECT_EQ(catalog->jobs.back()->pages.size(), 6u) << c.name << ": a page sent twice prints twice";
    }
}

TEST_F(PrinterDeviceTest, TextIsBlackOnAPrinterWithoutColour) {
    catalog->install("Mono", officeLaser());
    catalog->monochrome = {"Mono"};
    TppPrinterList::instance().refresh();
    struct Case {
        const char* printer;
        QColor expected;
    };
    for (const Case& c : {Case{"Office", QColor(Qt::red)}, Case{"Mono", QColor(Qt::black)}}) {
        OwnedComponent pages;
        TppPage* page = newPage(&pages, 1, poPortrait, "Default");
        page->PrinterSetup().SetPrinterName(c.printer);
        auto* text = new TppDrawText(page);
        text->SetBox(25400, 25400, 50800, 6350); // an inch in and down
        text->Text = "Balance";
        text->Font.color = 0x0000FF; // red, as stored: blue green red
        text->Transparent = true;
        page->AddDrawCommand(text);
        TppPrinterDevice device;
        device.Printer()->ApplySetup(page->PrinterSetup());
        device.BeginJob();
        device.AcceptPage(*page);
        device.FinishJob();
        const PictureContents sheet = pictureContents(*catalog->jobs.back()->pages.at(0));
        ASSERT_EQ(sheet.texts, QStringList{"Balance"}) << c.printer;
        EXPECT_EQ(sheet.colours.at(0), c.expected) << c.printer;
        EXPECT_NEAR(sheet.positions.at(0).x(), 1200, 2) << c.printer << ": an inch from the paper's edge";
    }
}

TEST_F(PrinterDeviceTest, ACancelledJobStillOutputsThePagesPrintedSoFar) {
    report->PrinterSetup().SetCopies(2);
    report->PrinterSetup().SetCollation(true);
    report->engine().pageCount = 5;
    report->engine().BetweenPages = [this] {
        if (report->engine().generated == 2)
            report->Cancel();
    };
    print(TppPageRequest());
    ASSERT_EQ(catalog->jobs.size(), 1u);
    // The page under way when the cancel came still prints; no second pass follows.
    EXPECT_EQ(catalog->jobs.front()->pages.size(), 3u);
    EXPECT_TRUE(catalog->jobs.front()->finished);
    EXPECT_FALSE(catalog->jobs.front()->aborted);
}

} // namespace

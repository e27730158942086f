#include "DeviceClasses.h"
#include "FakeEngine.h"
#include "FormRegistry.h"
#include "PagewrightErrors.h"
#include "RecordingDevice.h"
#include "RegistryScope.h"
#include "TppCustomPreviewer.h"
#include "TppCustomPrintDialog.h"
#include "TppImageDevice.h"

#include <gtest/gtest.h>

namespace {

// A print dialog that answers OK with the pages the test chose.
class FakePrintDialog : public TppCustomPrintDialog {
public:
    static inline TppPageRequest choice;
    static inline bool accept = true;
    void Show() override {}
    bool ShowModal() override {
        PageRequest.Assign(choice);
        return accept;
    }
    void Close() override {}
};

// A modal preview that runs the job once when it appears, then closes.
class FakePreviewer : public TppCustomPreviewer {
public:
    void Show() override {}
    bool ShowModal() override {
        if (OnActivate)
            OnActivate();
        if (OnClose)
            OnClose();
        return true;
    }
    void Close() override {}
};

class PrintJobTest : public testing::Test {
protected:
    PrintJobTest() {
        registries.registerDevice("Printer", RecordingDevice::staticClassInfo());
        RecordingDevice::journal.clear();
        report->SetShowCancelDialog(false);
        report->SetDeviceType("Printer");
        const auto record = [this](const char* name) {
            return [this, name](TppCommunicator*) { events << name; };
        };
        report->BeforePrint.handler = record("BeforePrint");
        report->AfterPrint.handler = record("AfterPrint");
        report->OnPrintingComplete.handler = record("OnPrintingComplete");
    }
    RegistryScope registries;
    OwnedComponent form;
    FakeEngineReport* report = new FakeEngineReport(&form);
    QStringList events;
};

TEST_F(PrintJobTest, TheDialogsPageChoiceReachesThePrinterDeviceInOrder) {
    registries.registerForm<TppCustomPrintDialog>([] { return new FakePrintDialog(); });
    struct Case {
        const char* name;
        TppPageSettingType setting;
        int page;
        QStringList list;
        TppPageRangeType range;
        QStringList expected;
    };
    const Case cases[] = {
        {"all pages", psAll, 1, {}, prAll, {"page 1", "page 2", "page 3", "page 4", "page 5"}},
        {"a single page", psSinglePage, 3, {}, prAll, {"page 3"}},
        {"a page list, in page order", psPageList, 1, {"4", "2"}, prAll, {"page 2", "page 4"}},
        {"odd pages", psAll, 1, {}, prOddPages, {"page 1", "page 3", "page 5"}},
        {"even pages", psAll, 1, {}, prEvenPages, {"page 2", "page 4"}},
    };
    for (const Case& c : cases) {
        RecordingDevice::journal.clear();
        events.clear();
        FakePrintDialog::choice.PageSetting = c.setting;
        FakePrintDialog::choice.PageRequested = c.page;
        FakePrintDialog::choice.PageList = c.list;
        FakePrintDialog::choice.PageRange = c.range;
        report->Print();
        EXPECT_EQ(RecordingDevice::journal, QStringList{"begin"} + c.expected + QStringList{"finish"})
            << c.name;
        EXPECT_EQ(events, QStringList({"BeforePrint", "AfterPrint", "OnPrintingComplete"})) << c.name;
        EXPECT_FALSE(report->Producing()) << c.name;
        EXPECT_EQ(report->PrinterDevice(), nullptr) << c.name << ": the job's device is freed";
    }
}

TEST_F(PrintJobTest, ACancelledDialogPrintsNothing) {
    registries.registerForm<TppCustomPrintDialog>([] { return new FakePrintDialog(); });
    FakePrintDialog::accept = false;
    report->Print();
    FakePrintDialog::accept = true;
    EXPECT_TRUE(RecordingDevice::journal.isEmpty());
    EXPECT_TRUE(events.isEmpty());
    EXPECT_FALSE(report->Producing());
}

TEST_F(PrintJobTest, EventsFireInOrderAndCleanupRunsWhenGenerationThrows) {
    report->engine().throwOnPage = 2;
    EXPECT_THROW(report->Print(), std::runtime_error);
    EXPECT_EQ(RecordingDevice::journal, QStringList({"begin", "page 1", "finish"}));
    EXPECT_EQ(events, QStringList({"BeforePrint", "AfterPrint", "OnPrintingComplete"}));
    EXPECT_FALSE(report->Producing());
    EXPECT_FALSE(report->Printing());
    EXPECT_EQ(report->PrinterDevice(), nullptr);
}

TEST_F(PrintJobTest, AnUnknownDeviceTypeIsAnError) {
    report->SetDeviceType("Fax");
    EXPECT_EQ(report->DeviceType(), "Printer") << "refused when assigned";
    registries.unregisterDevice("Printer");
    try {
        report->Print();
        FAIL() << "no device is registered as Printer any more";
    } catch (const EPrintError& e) {
        EXPECT_EQ(e.message(), "No output device is registered under the name \"Printer\".");
    }
    EXPECT_FALSE(report->Producing());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(PrintJobTest, APageLimitStopsGeneration) {
    report->SetPageLimit(2);
    report->Print();
    EXPECT_EQ(RecordingDevice::journal, QStringList({"begin", "page 1", "page 2", "finish"}));
}

TEST_F(PrintJobTest, ThePreviewRunsTheJobOnItsDevicesWhenItAppears) {
    registries.registerForm<TppCustomPreviewer>([] { return new FakePreviewer(); });
    report->SetDeviceType("Screen");
    EXPECT_EQ(report->DeviceType(), "Printer") << "no screen device is registered here";
    registries.registerDevice("Screen", RecordingDevice::staticClassInfo());
    report->SetDeviceType("Screen");
    RecordingDevice screen;
    screen.SetPageRequest(TppPageRequest());
    screen.DeviceRequest().PageSetting = psFirstPage;
    screen.SetPublisher(&report->Publisher());
    report->Print();
    EXPECT_EQ(screen.log, QStringList({"begin", "page 1", "finish"}));
    EXPECT_EQ(report->engine().generated, 1) << "only what the preview asked for";
    EXPECT_FALSE(report->Producing()) << "closing the preview ends producing";
    EXPECT_EQ(report->PreviewForm(), nullptr);
}

TEST_F(PrintJobTest, AnImageDeviceRendersEveryPage) {
    TppImageDevice device;
    device.SetPublisher(&report->Publisher());
    report->RunPrintJob();
    ASSERT_EQ(device.Pages().size(), 5);
    const QImage& second = device.Pages()[1].image;
    // The fake engine's line on page 2 runs along the top of a box 20 mm down.
    const int y = int(UnitsFromMM(20000, utScreenPixels, Axis::Vertical));
    const int x = int(UnitsFromMM(30000, utScreenPixels));
    EXPECT_LT(qGray(second.pixel(x, y)), 128);
    EXPECT_EQ(qGray(second.pixel(x, y + 1)), 255);
}

} // namespace

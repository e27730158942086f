#include "FakePrinterCatalog.h"
#include "PagewrightErrors.h"
#include "PaperTable.h"
#include "TppPrinter.h"
#include "TppPrinterList.h"
#include "TppPrinterSetup.h"

#include <gtest/gtest.h>

namespace {

class PrinterSetupTest : public testing::Test {
protected:
    void SetUp() override { TppPrinterList::instance().setCatalog(catalog); }
    void TearDown() override {
        TppPrinterList::instance().setCatalog(std::make_shared<FakePrinterCatalog>());
    }
    void installOffice() {
        catalog->install("Office", officeLaser(), "LPT1:");
        catalog->defaultName = "Office";
        TppPrinterList::instance().refresh();
    }
    std::shared_ptr<FakePrinterCatalog> catalog = std::make_shared<FakePrinterCatalog>();
};

TEST_F(PrinterSetupTest, WithoutPrintersTheScreenStandsInForDefault) {
    TppPrinterList& list = TppPrinterList::instance();
    EXPECT_EQ(list.PrinterNames(), QStringList({"Default", "Screen"}));
    EXPECT_EQ(list.DefaultPrinterName(), "Screen");
    EXPECT_TRUE(list.FindPrinter("Default")->isScreen());
    EXPECT_TRUE(list.FindPrinter("Nonesuch")->isScreen()) << "an unknown name falls back to the default";

    TppPrinterSetup setup;
    EXPECT_EQ(setup.PrinterInfo().name(), "Screen");
    EXPECT_EQ(setup.PaperName(), "Letter 8 1/2 x 11 in");
    EXPECT_EQ(setup.PageDef().mmHeight, 279401) << "11 inches by the stored factor";
    EXPECT_EQ(setup.BinNames(), QStringList({"Default"}));
    EXPECT_EQ(setup.PaperNames().count("A3 297 x 420 mm"), 2) << "the screen lists A3 twice";
    EXPECT_EQ(setup.PaperNames().first(), "Custom");

    TppPrinter printer;
    EXPECT_FALSE(printer.HasUsableContext());
    try {
        printer.BeginDoc();
        FAIL() << "the screen cannot print";
    } catch (const EPrintError& e) {
        EXPECT_EQ(e.message(), "Screen printer does not support printing.");
    }
}

TEST_F(PrinterSetupTest, NewSetupsTakeTheirPaperFromTheLocale) {
    const struct {
        QChar decimalSeparator;
        int width;
        int height;
        const char* paper;
    } cases[] = {
        {u'.', 215900, 279401, "Letter 8 1/2 x 11 in"},
        {u',', 210000, 297000, "A4 210 x 297 mm"},
    };
    for (const auto& c : cases) {
        TppPrinterSetup::SetLocaleDecimalSeparator(c.decimalSeparator);
        const TppPrinterSetup setup;
        EXPECT_EQ(setup.PageDef().mmWidth, c.width) << c.paper;
        EXPECT_EQ(setup.PageDef().mmHeight, c.height) << c.paper;
        EXPECT_EQ(setup.PaperName(), c.paper);
    }
    TppPrinterSetup::SetLocaleDecimalSeparator(u'.');
}

TEST_F(PrinterSetupTest, InstalledPrintersFollowDefaultAndScreenAndAreFoundByPort) {
    installOffice();
    catalog->install("Label", {}, "USB1:");
    TppPrinterList::instance().refresh();
    TppPrinterList& list = TppPrinterList::instance();
    EXPECT_EQ(list.PrinterNames(), QStringList({"Default", "Screen", "Office", "Label"}));
    EXPECT_EQ(list.FindPrinter("Default")->name(), "Office");
    EXPECT_EQ(list.FindPrinter("Label on USB1:")->name(), "Label") << "device on port";
}

TEST(PrinterCapabilities, DriverListsAreNormalised) {
    struct Case {
        const char* name;
        PrinterCapabilities raw;
        QStringList papers;
        QList<int> codes;
        QStringList bins;
    };
    PrinterCapabilities noCustom;
    noCustom.paperNames = {"Letter", "A4"};
    noCustom.paperCodes = {1, 9};
    noCustom.paperWidths = {2159, 2100};
    noCustom.paperHeights = {2794, 2970};
    PrinterCapabilities userFirst;
    userFirst.paperNames = {"User size", "A5"};
    userFirst.paperCodes = {300, 11};
    userFirst.paperWidths = {0, 1480};
    userFirst.paperHeights = {0, 2100};
    userFirst.binNames = {"Tray", "Manual", "Extra"};
    userFirst.binCodes = {1, 4};
    PrinterCapabilities namesMissing;
    namesMissing.paperCodes = {9, 500, 501, 48};
    namesMissing.paperWidths = {0, 1000, 0, 0};
    namesMissing.paperHeights = {0, 1500, 0, 0};
    PrinterCapabilities surplusNames;
    surplusNames.paperNames = {"A4", "Ghost"};
    surplusNames.paperCodes = {9};
    surplusNames.binNames = {"Default", "Tray"};
    surplusNames.binCodes = {15, 1};

    const Case cases[] = {
        {"custom appended last", noCustom, {"Letter", "A4", "Custom"}, {1, 9, 256}, {"Default"}},
        {"user size renamed and moved last; bins cut to their codes",
         userFirst,
         {"A5", "Custom"},
         {11, 256},
         {"Default", "Tray", "Manual"}},
        {"names rebuilt from codes; sizes from the table; sizeless papers dropped",
         namesMissing,
         {"A4 210 x 297 mm", "100 x 150 mm", "Custom"},
         {9, 500, 256},
         {"Default"}},
        {"surplus names dropped; a named Default bin is kept",
         surplusNames,
         {"A4", "Custom"},
         {9, 256},
         {"Default", "Tray"}},
    };
    for (const Case& c : cases) {
        const PrinterCapabilities n = normalisedCapabilities(c.raw);
        EXPECT_EQ(n.paperNames, c.papers) << c.name;
        EXPECT_EQ(n.paperCodes, c.codes) << c.name;
        EXPECT_EQ(n.binNames, c.bins) << c.name;
        EXPECT_EQ(n.paperNames.size(), n.paperWidths.size()) << c.name;
    }
    EXPECT_EQ(standardPaper(49).name, "Unknown") << "codes 48 and 49 were never assigned";
    EXPECT_EQ(standardPaper(20).name, "Envelope #10 4 18 x 9 1/2");
}

TEST_F(PrinterSetupTest, PapersAreMatchedBySizeWithinOneMillimetre) {
    installOffice();
    TppPrinterSetup setup;
    setup.SetUnits(utMillimeters);
    setup.SetPaperWidth(210.9f);
    setup.SetPaperHeight(296.1f);
    EXPECT_EQ(setup.PaperName(), "A4") << "0.9 mm off A4 is still A4";
    EXPECT_EQ(setup.PaperSize(), 9);
    setup.SetPaperWidth(212.0f);
    EXPECT_EQ(setup.PaperName(), "Custom") << "2 mm off is a size of its own";
    EXPECT_EQ(setup.PaperSize(), 256);
}

TEST_F(PrinterSetupTest, EnvelopesTurnLandscapeAndOrientationSwapsExactly) {
    installOffice();
    TppPrinterSetup setup;
    setup.SetPrinterName("Office");
    const TppPageDef initial = setup.PageDef();
    setup.SetOrientation(poLandscape);
    setup.SetOrientation(poPortrait);
    EXPECT_EQ(setup.PageDef(), initial) << "two swaps restore the page exactly";

    int announced = 0;
    setup.OnPageDefChanged = [&](TppPrinterSetup*) { ++announced; };
    setup.SetPaperName("Envelope DL");
    EXPECT_EQ(setup.Orientation(), poLandscape);
    EXPECT_EQ(setup.PageDef().mmWidth, 220000);
    EXPECT_EQ(setup.PageDef().mmHeight, 110000);
    EXPECT_EQ(announced, 1);
}

TEST_F(PrinterSetupTest, InvalidValuesAreIgnoredOrRefused) {
    TppPrinterSetup setup;
    const TppPageDef before = setup.PageDef();
    setup.SetMarginLeft(-1);
    setup.SetCopies(0);
    EXPECT_EQ(setup.PageDef(), before);
    EXPECT_EQ(setup.Copies(), 1);
    setup.SetPaperHeight(-3);
    setup.SetmmPaperWidth(-215900);
    setup.SetmmPaperHeight(-1);
    EXPECT_EQ(setup.PageDef(), before) << "negative sizes are passed over, as margins are";
    EXPECT_THROW(setup.SetPaperWidth(0), EInvalidPropertyError) << "a paper without width";
    EXPECT_THROW(setup.SetmmPaperWidth(0), EInvalidPropertyError) << "also when read from a template";
    EXPECT_EQ(setup.PageDef(), before);

    setup.SetUnits(utMillimeters);
    const TppPageDef inMillimetres = setup.PageDef();
    setup.OnValidatePageDef = [](TppPrinterSetup*, const TppPageDef& d, bool& accept) {
        accept = d.mmWidth < 250000;
    };
    setup.SetPaperWidth(260);
    setup.SetOrientation(poLandscape);
    EXPECT_EQ(setup.PageDef(), inMillimetres) << "refused by the validation hook";
    EXPECT_EQ(setup.Orientation(), poPortrait);
}

TEST_F(PrinterSetupTest, ChangingPrinterKeepsThePaperByCode) {
    installOffice();
    TppPrinterSetup setup;
    setup.SetPrinterName("Screen");
    setup.SetPaperName("A4 210 x 297 mm");
    int settingsChanged = 0;
    setup.OnSettingsChanged = [&](TppPrinterSetup*) { ++settingsChanged; };
    setup.SetPrinterName("Office");
    EXPECT_EQ(setup.PrinterName(), "Office");
    EXPECT_EQ(setup.PaperName(), "A4") << "code 9 on the new printer";
    EXPECT_EQ(settingsChanged, 1);
    setup.SetPrinterName("Current");
    EXPECT_EQ(setup.PrinterName(), "Default");
    EXPECT_EQ(setup.EffectivePrinterName(), "Office");
}

TEST_F(PrinterSetupTest, ApplySetupAndCurrentSetupAreInverses) {
    installOffice();
    struct Case {
        const char* name;
        std::function<void(TppPrinterSetup&)> change;
    };
    const Case cases[] = {
        {"A4 portrait", [](TppPrinterSetup& s) { s.SetPaperName("A4"); }},
        {"Letter landscape", [](TppPrinterSetup& s) { s.SetOrientation(poLandscape); }},
        {"custom size landscape, lower tray, vertical duplex",
         [](TppPrinterSetup& s) {
             s.SetUnits(utMillimeters);
             s.SetPaperWidth(123.4f);
             s.SetPaperHeight(234.5f);
             s.SetOrientation(poLandscape);
             s.SetBinName("Lower Tray");
             s.SetDuplex(dpVertical);
         }},
        {"copies handed to the printer",
         [](TppPrinterSetup& s) {
             s.SetCopies(3);
             s.SetCollation(false);
             s.SetDelegateCopies(true);
             s.SetDocumentName("Schedule");
         }},
    };
    for (const Case& c : cases) {
        TppPrinterSetup setup;
        setup.SetPrinterName("Office");
        c.change(setup);
        TppPrinter printer;
        printer.ApplySetup(setup);
        const TppPrinterSetup back = printer.CurrentSetup();
        EXPECT_TRUE(back.SameSettings(setup)) << c.name;
        EXPECT_TRUE(back.SameLayout(setup))
            << c.name << ": " << back.PaperName().toStdString() << " vs " << setup.PaperName().toStdString();
        EXPECT_EQ(back.BinName(), setup.BinName()) << c.name;
    }

    TppPrinterSetup copies;
    copies.SetPrinterName("Office");
    copies.SetCopies(3);
    TppPrinter printer;
    printer.ApplySetup(copies);
    EXPECT_EQ(printer.JobSettings().copies, 1) << "collated copies are printed by the report";
    EXPECT_EQ(printer.JobSettings().paperCode, 1);
    EXPECT_FALSE(printer.JobSettings().paperSource) << "the default bin leaves the printer's own source";
}

TEST_F(PrinterSetupTest, APrintJobDrawsItsPagesThroughTheCatalogue) {
    installOffice();
    TppPrinterSetup setup;
    setup.SetPrinterName("Office");
    setup.SetOrientation(poLandscape);
    setup.SetDocumentName("Schedule");
    TppPrinter printer;
    printer.ApplySetup(setup);
    EXPECT_EQ(printer.pixelsPerInch(Axis::Horizontal), 1200) << "the catalogue's resolution outside a job";
    printer.BeginDoc();
    for (int page = 0; page < 2; ++page) {
        printer.NewPage();
        ASSERT_NE(printer.Canvas(), nullptr);
        printer.Canvas()->drawLine(0, 0, 100, 100);
        printer.EndPage();
    }
    printer.EndDoc();
    EXPECT_EQ(printer.PagesStarted(), 2);
    ASSERT_EQ(catalog->jobs.size(), 1u);
    const PrintedJob& job = *catalog->jobs.front();
    EXPECT_EQ(job.printerName, "Office");
    EXPECT_EQ(job.pages.size(), 2u);
    EXPECT_TRUE(job.finished);
    EXPECT_EQ(job.request.settings.documentName, "Schedule");
    EXPECT_TRUE(job.request.landscape);
    EXPECT_LT(job.request.paperMillimetres.width(), job.request.paperMillimetres.height())
        << "the paper in portrait, turned by the orientation";
}

} // namespace

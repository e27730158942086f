#include "ComponentWriter.h"
#include "EngineClasses.h"
#include "PagewrightErrors.h"
#include "TemplateClasses.h"
#include "TppDetailBand.h"
#include "TppLabel.h"
#include "TppReport.h"
#include "TppReportTemplate.h"

#include <gtest/gtest.h>

namespace {

// Names only older templates hold are read into today's settings, or
// skipped where they are no longer settings; the layout is written back as
// version 7.0 without them.
TEST(OlderTemplateTest, OldNamesAreReadAndTheLayoutIsWrittenAsToday) {
    registerEngineClasses();
    registerTemplateClasses();
    OwnedComponent form;
    auto* report = new TppReport(&form);
    report->SetName("Report1");
    ReportTemplate(*report).LoadFromBytes("object Report1: TppReport\r\n"
                                          "  AllowPrintCancel = True\r\n"
                                          "  Device = dvPrinter\r\n"
                                          "  Orientation = poLandscape\r\n"
                                          "  RulerUnits = ruInches\r\n"
                                          "  UserName = 'Loans'\r\n"
                                          "  Version = '4.21'\r\n"
                                          "  object ppDetailBand1: TppDetailBand\r\n"
                                          "    object ppLabel1: TppLabel\r\n"
                                          "      Caption = 'Month'\r\n"
                                          "      OnSave = ppLabel1Save\r\n"
                                          "      Region = ppRegion1\r\n"
                                          "      ShiftWithBand = True\r\n"
                                          "    end\r\n"
                                          "    object ppLabel2: TppLabel\r\n"
                                          "      StretchWithBand = True\r\n"
                                          "    end\r\n"
                                          "  end\r\n"
                                          "end\r\n");
    EXPECT_EQ(report->Version(), "4.21");
    EXPECT_EQ(report->VersionNo(), 4210);
    EXPECT_EQ(report->DeviceType(), "Printer");
    EXPECT_EQ(report->PrinterSetup().Orientation(), poLandscape);
    EXPECT_EQ(report->UserName(), "Report1") << "the report keeps its own name";
    ASSERT_NE(report->DetailBand(), nullptr);
    auto* shifting = dynamic_cast<TppLabel*>(report->DetailBand()->Object(0));
    auto* stretching = dynamic_cast<TppLabel*>(report->DetailBand()->Object(1));
    ASSERT_TRUE(shifting && stretching);
    EXPECT_TRUE(shifting->ShiftWithParent());
    EXPECT_TRUE(stretching->StretchWithParent());

    const QString written = QString::fromLatin1(WriteComponents({report}, &form, StreamForm::Text));
    EXPECT_TRUE(written.contains("  Version = '7.0'\r\n")) << written.toStdString();
    for (const char* old : {"AllowPrintCancel", "Device ", "RulerUnits", "OnSave", "Region", "WithBand"})
        EXPECT_FALSE(written.contains(QLatin1String(old))) << old;

    EXPECT_THROW(ReportTemplate(*report).LoadFromBytes("object Report1: TppReport\r\n"
                                                       "  Version = '7.0.1'\r\n"
                                                       "end\r\n"),
                 ETemplateLoadError)
        << "a version that is no number is a damaged template";
    EXPECT_EQ(report->VersionNo(), 4210);
}

} // namespace

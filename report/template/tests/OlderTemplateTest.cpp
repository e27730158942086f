#include "ComponentWriter.h"
#include "EngineClasses.h"
#include "PagewrightErrors.h"
#include "TemplateClasses.h"
#include "TppCalc.h"
#include "TppDetailBand.h"
#include "TppLabel.h"
#include "TppReport.h"
#include "TppReportTemplate.h"
#include "TppSystemVariable.h"
#include "TppVariable.h"

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

// Calculations of layouts older than variables become the variable of their
// kind in their place, keeping name, geometry and look; newer layouts keep
// them as they are.
TEST(OlderTemplateTest, OldCalculationsBecomeVariablesInTheirPlace) {
    registerEngineClasses();
    registerTemplateClasses();
    const auto layout = [](const char* version) {
        return QByteArray("object Report1: TppReport\r\n  Version = '") + version +
               "'\r\n"
               "  object ppDetailBand1: TppDetailBand\r\n"
               "    object ppLabel1: TppLabel\r\n"
               "    end\r\n"
               "    object ppCalc1: TppCalc\r\n"
               "      CalcType = ctPageNoDesc\r\n"
               "      DisplayFormat = '#'\r\n"
               "      Font.Size = 14\r\n"
               "      TextAlignment = taRightJustified\r\n"
               "      UserName = 'PageText'\r\n"
               "      mmLeft = 12000\r\n"
               "      mmTop = 3000\r\n"
               "    end\r\n"
               "    object ppCalc2: TppCalc\r\n"
               "      CalcType = ctCustom\r\n"
               "      CustomType = dtCurrency\r\n"
               "    end\r\n"
               "  end\r\n"
               "end\r\n";
    };
    OwnedComponent form;
    auto* report = new TppReport(&form);
    report->SetName("Report1");
    ReportTemplate(*report).LoadFromBytes(layout("3.52"));
    TppBand* band = report->DetailBand();
    ASSERT_NE(band, nullptr);
    ASSERT_EQ(band->ObjectCount(), 3);
    auto* system = dynamic_cast<TppSystemVariable*>(band->Object(1));
    ASSERT_NE(system, nullptr) << band->Object(1)->classInfo().name().toStdString();
    EXPECT_EQ(system->Name(), "ppCalc1");
    EXPECT_EQ(system->UserName(), "PageText");
    EXPECT_EQ(system->VarType(), vtPageNoDesc);
    EXPECT_EQ(system->mmLeft(), 12000);
    EXPECT_EQ(system->mmTop(), 3000);
    EXPECT_EQ(system->Font().size, 14);
    EXPECT_EQ(system->TextAlignment(), taRightJustified);
    EXPECT_EQ(system->DisplayFormat(), "#");
    EXPECT_EQ(system->Band(), band);
    auto* variable = dynamic_cast<TppVariable*>(band->Object(2));
    ASSERT_NE(variable, nullptr);
    EXPECT_EQ(variable->Name(), "ppCalc2");
    EXPECT_EQ(variable->DataType(), dtCurrency);

    ReportTemplate(*report).LoadFromBytes(layout("4.21"));
    ASSERT_NE(report->DetailBand(), nullptr);
    EXPECT_NE(dynamic_cast<TppCalc*>(report->DetailBand()->Object(1)), nullptr)
        << "a layout that knew variables keeps its calculations";
}

} // namespace

#include "BarCodeReport.h"
#include "BarCodeSymbol.h"
#include "ClassRegistry.h"
#include "Code128Characters.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "OneFieldData.h"
#include "TppBarCode.h"
#include "TppDBBarCode.h"
#include "TppDBPipeline.h"
#include "TppDrawBarCode.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

int inchesToMM(double inches) {
    return UnitsToMM(float(inches), utInches);
}

class BarCodeComponentTest : public testing::Test, public BarCodeReport {
protected:
    std::unique_ptr<TppDrawBarCode> commandOf(TppCustomBarCode& barCode) {
        auto command = std::make_unique<TppDrawBarCode>();
        barCode.PropertiesToDrawCommand(*command);
        return command;
    }
};

TEST_F(BarCodeComponentTest, ClassesArePublishedByNameWithTheirPropertiesInOrder) {
    for (const char* name : {"TppBarCode", "TppDBBarCode"}) {
        const ClassInfo* info = ClassRegistry::instance().find(QString::fromLatin1(name));
        ASSERT_NE(info, nullptr) << name;
        std::unique_ptr<Persistent> created(info->create(&form));
        EXPECT_EQ(created->className(), QString::fromLatin1(name));
        EXPECT_TRUE(info->inheritsFrom("TppCustomComponent")) << name;
    }
    QStringList own;
    for (const PropertyInfo* property : TppCustomBarCode::staticClassInfo().properties())
        own << property->name;
    own = own.mid(own.indexOf("BarCodeType"));
    EXPECT_EQ(own,
              (QStringList{"BarCodeType", "AddOnCode", "AutoEncode", "AutoSizeFont", "BarColor", "BarWidth",
                           "BearerBars", "CalcCheckDigit", "Orientation", "PrintHumanReadable",
                           "WideBarRatio", "Alignment", "AutoSize", "Color", "Font", "Transparent"}));
    const ClassInfo& barCode = TppBarCode::staticClassInfo();
    EXPECT_EQ(barCode.property("BarCodeType")->enumNames,
              (QStringList{"bcUPC_A", "bcUPC_E", "bcEAN_13", "bcEAN_8", "bcInt2of5", "bcCode128", "bcCode39",
                           "bcPostnet", "bcFIM", "bcCodabar", "bcMSI"}));
    EXPECT_EQ(barCode.property("Orientation")->enumNames,
              (QStringList{"orLeftToRight", "orRightToLeft", "orTopToBottom", "orBottomToTop"}));
    EXPECT_NE(barCode.property("Data"), nullptr);
    EXPECT_NE(TppDBBarCode::staticClassInfo().property("DataField"), nullptr);
    EXPECT_EQ(TppDBBarCode::staticClassInfo().property("Data"), nullptr) << "its data comes from the field";
}

TEST_F(BarCodeComponentTest, ANewBarCodeStoresOnlyWhatDiffersFromItsDefaults) {
    auto* barCode = add<TppBarCode>();
    barCode->SetName("BarCode1");
    EXPECT_EQ(barCode->mmWidth(), inchesToMM(1.53));
    EXPECT_EQ(barCode->mmHeight(), UnitsToMM(0.5083f, utInches, Axis::Vertical));
    const QByteArray text = WriteComponents({barCode}, &form, StreamForm::Text);
    for (const char* unwritten :
         {"BarCodeType", "Data", "AutoSize", "AutoEncode", "CalcCheckDigit", "Orientation",
          "PrintHumanReadable", "BarColor", "Color", "Transparent", "Alignment", "BearerBars", "AddOnCode"})
        EXPECT_FALSE(text.contains(QByteArray("  ") + unwritten + " ="))
            << unwritten << " is at its default\n"
            << text.toStdString();
    for (const char* written : {"Font.Name = 'Courier New'", "mmBarWidth = 254", "mmWideBarRatio = 3000"})
        EXPECT_TRUE(text.contains(written)) << written << "\n" << text.toStdString();
}

TEST_F(BarCodeComponentTest, ChoosingATypeBringsAValidSampleItsBarWidthAndTheOptionsItNeeds) {
    const QString code128Sample =
        QString(QChar(Code128Char::StartC)) + "1234" + QChar(Code128Char::CodeB) + " abcd";
    const struct {
        const char* name;
        TppBarCodeType type;
        bool calcCheckDigit;
        QString sample;
        double barWidth;
        bool autoSizeFont, autoEncode, autoSize, printHumanReadable;
    } cases[] = {
        {"UPC-A", bcUPC_A, true, "01234567890", 0.013, true, false, true, true},
        {"UPC-A, check digit typed", bcUPC_A, false, "012345678905", 0.013, true, false, true, true},
        {"UPC-E", bcUPC_E, true, "012345", 0.013, true, false, true, true},
        {"UPC-E, check digit typed", bcUPC_E, false, "0123456", 0.013, true, false, true, true},
        {"EAN-13: 13 digits, the last recomputed", bcEAN_13, true, "0012345678905", 0.013, true, false, true,
         true},
        {"EAN-8", bcEAN_8, true, "20123451", 0.013, true, false, true, true},
        {"Interleaved 2 of 5", bcInt2of5, true, "0123456789", 0.015, false, false, true, true},
        {"Interleaved 2 of 5, even without a check digit", bcInt2of5, false, "01234567", 0.015, false, false,
         true, true},
        {"Code 128 chooses its code sets", bcCode128, true, code128Sample, 0.01, false, true, true, true},
        {"PostNet sizes itself and prints no text", bcPostnet, true, "012345678", 0.02, false, false, true,
         false},
        {"FIM likewise", bcFIM, true, "A", 0.031, false, false, true, false},
        {"Codabar", bcCodabar, true, "A01234B", 0.01, false, false, true, true},
        {"MSI", bcMSI, true, "0139725", 0.01, false, false, true, true},
    };
    for (const auto& c : cases) {
        auto* barCode = add<TppBarCode>();
        barCode->SetAutoSizeFont(false);
        barCode->SetCalcCheckDigit(c.calcCheckDigit);
        barCode->SetBarCodeType(bcCodabar);
        barCode->SetBarCodeType(c.type);
        EXPECT_EQ(barCode->Data(), c.sample) << c.name;
        EXPECT_TRUE(barCode->CodeOK()) << c.name;
        EXPECT_EQ(barCode->mmBarWidth(), inchesToMM(c.barWidth)) << c.name;
        EXPECT_EQ(barCode->AutoSizeFont(), c.autoSizeFont) << c.name;
        EXPECT_EQ(barCode->AutoEncode(), c.autoEncode) << c.name;
        EXPECT_EQ(barCode->AutoSize(), c.autoSize) << c.name;
        EXPECT_EQ(barCode->PrintHumanReadable(), c.printHumanReadable) << c.name;
    }
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();

    auto* dataAware = add<TppDBBarCode>();
    EXPECT_EQ(commandOf(*dataAware)->Data, "DBBarCode") << "the designer shows the sample without a field";
}

TEST_F(BarCodeComponentTest, ATypeChangeDropsWhatTheNewTypeCannotHave) {
    auto* barCode = add<TppBarCode>();
    barCode->SetBarCodeType(bcInt2of5);
    barCode->SetBearerBars(true);
    barCode->SetBarCodeType(bcEAN_13);
    barCode->SetAddOnCode("12");
    EXPECT_FALSE(barCode->BearerBars());
    barCode->SetBarCodeType(bcCode128);
    EXPECT_EQ(barCode->AddOnCode(), "") << "an add-on on Code 128 would refuse every data";
    barCode->SetBarCodeType(bcMSI);
    EXPECT_FALSE(barCode->AutoEncode());
    EXPECT_TRUE(barCode->CodeOK());
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
}

TEST_F(BarCodeComponentTest, RefusedSettingsKeepTheirOldValueAndSayWhy) {
    using Check = std::function<bool(const TppBarCode&)>;
    const struct {
        const char* name;
        TppBarCodeType type;
        std::function<void(TppBarCode&)> change;
        const char* message;
        Check unchanged;
    } cases[] = {
        {"add-on on Code 39", bcCode39, [](TppBarCode& b) { b.SetAddOnCode("12"); },
         "Only UPC and EAN barcodes can have add-on codes.",
         [](const TppBarCode& b) { return b.AddOnCode() == ""; }},
        {"3-digit add-on", bcUPC_A, [](TppBarCode& b) { b.SetAddOnCode("123"); },
         "Add-on codes must be either 2 or 5 digits",
         [](const TppBarCode& b) { return b.AddOnCode() == ""; }},
        {"PostNet without AutoSize", bcPostnet, [](TppBarCode& b) { b.SetAutoSize(false); },
         "PostNet barcodes must have AutoSize = True", [](const TppBarCode& b) { return b.AutoSize(); }},
        {"FIM without AutoSize", bcFIM, [](TppBarCode& b) { b.SetAutoSize(false); },
         "PostNet barcodes must have AutoSize = True", [](const TppBarCode& b) { return b.AutoSize(); }},
        {"EAN-8 without AutoSizeFont", bcEAN_8, [](TppBarCode& b) { b.SetAutoSizeFont(false); },
         "EAN-13 and UPC-A barcodes must have AutoSizeFont = True",
         [](const TppBarCode& b) { return b.AutoSizeFont(); }},
        {"bars too narrow", bcCode39, [](TppBarCode& b) { b.SetBarWidth(0.003f); },
         "BarWidth must be at least 0.004", [](const TppBarCode& b) { return b.mmBarWidth() == 254; }},
        {"bars too wide", bcCode39, [](TppBarCode& b) { b.SetBarWidth(0.2f); },
         "BarWidth can be no more than 0.1", [](const TppBarCode& b) { return b.mmBarWidth() == 254; }},
        {"the limit in the report's units", bcCode39,
         [](TppBarCode& b) {
             b.SetUnits(utMillimeters);
             b.SetBarWidth(3.0f);
         },
         "BarWidth can be no more than 2.54", [](const TppBarCode& b) { return b.mmBarWidth() == 254; }},
        {"bearer bars on Code 39", bcCode39, [](TppBarCode& b) { b.SetBearerBars(true); },
         "Only Interleaved 2 of 5 barcodes can have bearer bars",
         [](const TppBarCode& b) { return !b.BearerBars(); }},
    };
    for (const auto& c : cases) {
        auto* barCode = add<TppBarCode>();
        barCode->SetBarCodeType(c.type);
        prompter.messages.clear();
        c.change(*barCode);
        EXPECT_EQ(prompter.messages, QStringList{c.message}) << c.name;
        EXPECT_TRUE(c.unchanged(*barCode)) << c.name;
    }

    auto* code39 = add<TppBarCode>();
    prompter.messages.clear();
    code39->SetAutoEncode(true);
    code39->SetWideBarRatio(0.5f);
    code39->SetBarCodeType(TppBarCodeType(42));
    code39->SetOrientation(TppBarCodeOrientation(-1));
    EXPECT_FALSE(code39->AutoEncode()) << "only Code 128 has code sets to choose";
    EXPECT_EQ(code39->WideBarRatio(), 3.0f) << "a wide bar narrower than a narrow one";
    EXPECT_EQ(code39->BarCodeType(), bcCode39) << "no such symbology";
    EXPECT_EQ(code39->Orientation(), orLeftToRight) << "no such orientation";
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(BarCodeComponentTest, RefusedDataMakesTheCodeNotOKAndIsToldOnlyOutsideGeneration) {
    auto* barCode = add<TppBarCode>();
    barCode->SetBarCodeType(bcEAN_8);
    prompter.messages.clear();
    barCode->SetData("12");
    EXPECT_FALSE(barCode->CodeOK());
    EXPECT_EQ(prompter.messages, QStringList{"EAN-8 barcodes must be 7 digits (8 with check digit)"});
    EXPECT_FALSE(commandOf(*barCode)->CodeOK) << "the command draws only its background";

    barCode->SetData("9638507");
    EXPECT_TRUE(barCode->CodeOK());
    barCode->SetCalcCheckDigit(false);
    EXPECT_FALSE(barCode->CodeOK()) << "the check digit must now be typed";
    EXPECT_EQ(prompter.messages.last(), "EAN-8 barcodes must be 8 digits including the check digit");

    barCode->SetBarCodeType(bcCode128);
    barCode->SetAutoEncode(false);
    prompter.messages.clear();
    const QChar shift(Code128Char::Shift);
    barCode->SetData(QString(QChar(Code128Char::StartB)) + "ab" + shift + shift + "c");
    EXPECT_EQ(prompter.messages, QStringList{"You cannot have two shift codes in a row"});
    EXPECT_FALSE(barCode->CodeOK());

    prompter.messages.clear();
    report->SetPrinting(true);
    barCode->SetData("no start code");
    report->SetPrinting(false);
    EXPECT_FALSE(barCode->CodeOK());
    EXPECT_TRUE(prompter.messages.isEmpty()) << "no message boxes while the report generates";
}

// UPC-A "03600029145" at 600 dpi: modules of 0.013 inch are 7.8 -> 8
// pixels, the bars 600 x 0.013 x 73.85 = 575.7 -> 576 high. The font starts
// at 20 % of 576 x 96 / 600 screen pixels = 18 points; "36000" must fit 36
// modules (288 pixels): 5 x 0.6 x 12 x 600 / 72 = 300 is too wide, 11
// points (275) fit. The symbol is 95 modules and quiet zones of
// round(0.013 x 9 x 600) = 70: 900 pixels wide, and 576 + a 110 pixel text
// line high.
TEST_F(BarCodeComponentTest, AutoSizeFollowsTheSymbolAtThePrintersResolutionAndTheFontShrinksToFit) {
    measureAt(600);
    auto* barCode = add<TppBarCode>(3000, 4000);
    barCode->SetBarCodeType(bcUPC_A);
    barCode->SetData("03600029145");
    const auto mm = [this](int pixels, Axis axis) {
        return UnitsToMM(float(pixels), utPrinterPixels, axis, &printer);
    };
    EXPECT_EQ(barCode->Font().size, 11);
    EXPECT_EQ(barCode->mmLeft(), 3000) << "the box keeps its place";
    EXPECT_EQ(barCode->mmTop(), 4000);
    EXPECT_EQ(barCode->mmWidth(), mm(900, Axis::Horizontal));
    EXPECT_EQ(barCode->mmHeight(), mm(686, Axis::Vertical));

    barCode->SetOrientation(orBottomToTop);
    EXPECT_EQ(barCode->mmWidth(), mm(686, Axis::Horizontal)) << "vertical symbols swap width and height";
    EXPECT_EQ(barCode->mmHeight(), mm(900, Axis::Vertical));

    barCode->SetPrintHumanReadable(false);
    EXPECT_EQ(barCode->mmWidth(), mm(576, Axis::Horizontal)) << "no text line";

    barCode->SetAutoSize(false);
    barCode->SetData("03600029146");
    EXPECT_EQ(barCode->mmWidth(), mm(576, Axis::Horizontal)) << "without AutoSize the box stays";
}

TEST_F(BarCodeComponentTest, TheDrawCommandCarriesEverySettingAndItsSizeForThePrinter) {
    measureAt(600);
    auto* barCode = add<TppBarCode>(1000, 2000);
    barCode->SetBarCodeType(bcInt2of5);
    barCode->SetData("1234");
    barCode->SetBearerBars(true);
    barCode->SetOrientation(orRightToLeft);
    barCode->SetBarColor(0x0000FF);
    barCode->SetColor(0x00FFFF);
    barCode->SetTransparent(true);
    barCode->SetAlignment(taCenter);
    barCode->SetWideBarRatio(2.5f);
    const QRect designBox(barCode->mmLeft(), barCode->mmTop(), barCode->mmWidth(), barCode->mmHeight());
    drawBand();
    ASSERT_EQ(page.DrawCommandCount(), 1);
    const auto* command = dynamic_cast<const TppDrawBarCode*>(page.DrawCommand(0));
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->BarCodeType, bcInt2of5);
    EXPECT_EQ(command->Data, "1234");
    EXPECT_TRUE(command->BearerBars);
    EXPECT_EQ(command->Orientation, orRightToLeft);
    EXPECT_EQ(command->BarColor, 0x0000FF);
    EXPECT_EQ(command->Font.color, 0x0000FF) << "bars and text share the colour";
    EXPECT_EQ(command->Color, 0x00FFFF);
    EXPECT_TRUE(command->Transparent);
    EXPECT_EQ(command->Alignment, taCenter);
    EXPECT_FLOAT_EQ(command->WideBarRatio, 2.5f);
    EXPECT_EQ(command->BarWidth, barCode->mmBarWidth());
    EXPECT_TRUE(command->CodeOK);
    EXPECT_EQ(command->Box(), designBox.translated(5000, 20000)) << "auto-sized at the same printer";
}

class DataAwareBarCodeTest : public BarCodeComponentTest {
protected:
    TppDBPipeline* pipelineOver(FieldType type, const QVariantList& values) {
        return data.pipeline(form, type, values);
    }
    OneFieldData data;
};

TEST_F(DataAwareBarCodeTest, TheFieldsValueAsTextNullAsNoDataAndNothingWithoutAField) {
    TppDBPipeline* pipeline = pipelineOver(FieldType::Integer, {1234, QVariant()});
    auto* barCode = add<TppDBBarCode>();
    barCode->SetBarCodeType(bcInt2of5);
    barCode->SetDataPipeline(pipeline);
    barCode->SetDataField("F");
    const auto first = commandOf(*barCode);
    EXPECT_EQ(first->Data, "1234");
    EXPECT_TRUE(first->CodeOK);
    pipeline->Next();
    EXPECT_EQ(commandOf(*barCode)->Data, "") << "a null value";

    barCode->SetDataField("");
    EXPECT_EQ(commandOf(*barCode)->Data, "0123456789") << "the sample, in the designer";
    report->SetPrinting(true);
    const auto printed = commandOf(*barCode);
    report->SetPrinting(false);
    EXPECT_FALSE(printed->CodeOK) << "nothing is printed without data";
}

// Reading a template sets the symbology before the data; it must not put
// the symbology's sample in place of the stored data, nor check or resize
// anything on the way.
TEST_F(BarCodeComponentTest, ATemplateReadsBackEverySettingAndItsOwnData) {
    auto* code128 = add<TppBarCode>(1000, 0);
    code128->SetName("Code128");
    code128->SetBarCodeType(bcCode128);
    code128->SetData("Barcode");
    code128->SetOrientation(orTopToBottom);
    code128->SetBarWidth(0.02f);
    code128->SetWideBarRatio(2.25f);
    auto* emptied = add<TppBarCode>(1000, 30000);
    emptied->SetName("Emptied");
    emptied->SetData("");
    auto* upcA = add<TppBarCode>(60000, 0);
    upcA->SetName("UpcA");
    upcA->SetBarCodeType(bcUPC_A);
    upcA->SetData("03600029145");
    upcA->SetAddOnCode("52495");
    upcA->SetAutoSize(false);
    upcA->SetBounds(60000, 0, 50000, 20000);
    prompter.messages.clear();

    for (const StreamForm streamForm : {StreamForm::Binary, StreamForm::Text}) {
        const QByteArray stream = WriteComponents({report}, &form, streamForm);
        OwnedComponent loaded;
        const ReadResult result = ReadComponents(stream, loaded);
        ASSERT_EQ(result.components.size(), 1);
        const auto find = [&](const char* name) {
            auto* barCode = dynamic_cast<TppBarCode*>(loaded.FindComponent(QString::fromLatin1(name)));
            EXPECT_NE(barCode, nullptr) << name;
            return barCode;
        };
        const TppBarCode* readCode128 = find("Code128");
        const TppBarCode* readEmptied = find("Emptied");
        const TppBarCode* readUpcA = find("UpcA");
        ASSERT_TRUE(readCode128 && readEmptied && readUpcA);
        EXPECT_EQ(readCode128->BarCodeType(), bcCode128);
        EXPECT_EQ(readCode128->Data(), "Barcode") << "not the Code 128 sample";
        EXPECT_TRUE(readCode128->AutoEncode());
        EXPECT_EQ(readCode128->Orientation(), orTopToBottom);
        EXPECT_EQ(readCode128->mmBarWidth(), code128->mmBarWidth()) << "not the type's usual width";
        EXPECT_FLOAT_EQ(readCode128->WideBarRatio(), 2.25f);
        EXPECT_EQ(readCode128->mmWidth(), code128->mmWidth());
        EXPECT_TRUE(readCode128->CodeOK());
        EXPECT_EQ(readEmptied->Data(), "") << "an emptied data is no default";
        EXPECT_EQ(readUpcA->Data(), "03600029145");
        EXPECT_EQ(readUpcA->AddOnCode(), "52495");
        EXPECT_FALSE(readUpcA->AutoSize());
        EXPECT_EQ(readUpcA->mmHeight(), 20000);
        EXPECT_EQ(readUpcA->Font().size, upcA->Font().size);
    }
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('\n').toStdString();
}

} // namespace

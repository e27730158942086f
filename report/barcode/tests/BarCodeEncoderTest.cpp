#include "BarCodeEncoder.h"
#include "BarCodeRules.h"
#include "BarPatternText.h"
#include "UpcEanEncoder.h"

#include "CaseName.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase {
    const char* name;
    TppBarCodeType type;
    const char16_t* data;
    bool calcCheckDigit;
    const char* checkDigit;
    const char16_t* humanReadable;
    const char* pattern; // nullptr where the zint cross-check covers the bars
};
PW_PRINT_CASE_NAME(EncodeCase)

const EncodeCase kEncodeCases[] = {
    {"UPC-A gets its check digit", bcUPC_A, u"03600029145", true, "2", u"036000291452", nullptr},
    {"UPC-A drops a typed check digit and recomputes it", bcUPC_A, u"036000291459", true, "2",
     u"036000291452", nullptr},
    {"UPC-A keeps the typed check digit without the calculation", bcUPC_A, u"036000291459", false, "9",
     u"036000291459", nullptr},
    {"UPC-E check digit from its zero expansion; the number system 0 prints first", bcUPC_E, u"123456", true,
     "5", u"01234565", nullptr},
    {"EAN-13 weighs the even positions by 3", bcEAN_13, u"400638133393", true, "1", u"4006381333931",
     nullptr},
    {"EAN-8 weighs the odd positions by 3", bcEAN_8, u"9638507", true, "4", u"96385074", nullptr},
    {"Interleaved 2 of 5 with an odd count gets a check digit", bcInt2of5, u"12345", true, "7", u"12345",
     "1010"
     "11101000101011100011101110100010100011101011101000100"
     "011101"},
    {"Interleaved 2 of 5 with an even count has none", bcInt2of5, u"1234", true, "", u"1234", nullptr},
    {"PostNet ignores the dash and always adds a check digit", bcPostnet, u"12345-6789", false, "5",
     u"12345-6789", nullptr},
    {"MSI Luhn check digit", bcMSI, u"1234", true, "4", u"1234",
     "110"
     "100100100110"
     "100100110100"
     "100100110110"
     "100110100100"
     "100110100100"
     "1001"},
    {"MSI without the check digit", bcMSI, u"7", false, "", u"7",
     "110"
     "100110110110"
     "1001"},
    {"FIM A: every position is followed by a space module", bcFIM, u"A", true, "", u"", "101000001000001010"},
    {"Code 39 adds the stars, encodes lower case as upper, prints the data as typed", bcCode39, u"a", true,
     "", u"a",
     "100010111011101"
     "00"
     "111010100010111"
     "00"
     "100010111011101"},
    {"Code 39 keeps typed stars at either end", bcCode39, u"*A*", true, "", u"*A*",
     "100010111011101"
     "00"
     "111010100010111"
     "00"
     "100010111011101"},
    {"Codabar: every character is followed by a narrow space", bcCodabar, u"A1B", true, "", u"A1B",
     "1011100010001"
     "0"
     "10101110001"
     "0"
     "1000100010111"
     "0"},
    {"Code 128 prints only its printable characters", bcCode128, u"\u00D1ab\u00CF", true, "", u"ab", nullptr},
};

class EncodeTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTest, CheckDigitTextAndBars) {
    const EncodeCase& c = GetParam();
    BarCodeSettings settings;
    settings.type = c.type;
    settings.data = QString::fromUtf16(c.data);
    settings.calcCheckDigit = c.calcCheckDigit;
    const BarCodeEncoding encoding = encodeBarCode(settings);
    ASSERT_TRUE(encoding.ok) << encoding.message.toStdString();
    EXPECT_EQ(encoding.checkDigit.toStdString(), c.checkDigit);
    EXPECT_EQ(encoding.humanReadable, QString::fromUtf16(c.humanReadable));
    ASSERT_FALSE(encoding.bars.empty());
    EXPECT_TRUE(encoding.bars.front().isBar) << "every symbol starts with a bar";
    if (c.pattern) {
        EXPECT_EQ(barPatternText(encoding).toStdString(), c.pattern);
    }
}

INSTANTIATE_TEST_SUITE_P(Symbologies, EncodeTest, testing::ValuesIn(kEncodeCases),
                         [](const auto& info) { return caseName(info.param.name); });

TEST(UpcEExpansion, EachLastDigitRule) {
    const struct {
        const char16_t* upcE;
        const char16_t* upcA;
    } cases[] = {
        {u"123450", u"01200000345"}, // 0-2: the last digit is the manufacturer's third
        {u"123452", u"01220000345"}, {u"123453", u"01230000045"}, // 3: three manufacturer digits
        {u"123454", u"01234000005"},                              // 4: four
        {u"123456", u"01234500006"}, // 5-9: five, the last digit is the product's
    };
    for (const auto& c : cases)
        EXPECT_EQ(expandUpcE(QString::fromUtf16(c.upcE)), QString::fromUtf16(c.upcA))
            << QString::fromUtf16(c.upcE).toStdString();
}

TEST(PostNet, FrameBarsAndHalfBars) {
    BarCodeSettings settings;
    settings.type = bcPostnet;
    settings.data = QStringLiteral("00000");
    const BarCodeEncoding encoding = encodeBarCode(settings);
    ASSERT_TRUE(encoding.ok);
    EXPECT_EQ(encoding.checkDigit, "0");
    // Frame, six zeros ("22111" each, the check digit included), frame.
    EXPECT_EQ(barPatternText(encoding),
              QStringLiteral("F0") + QStringLiteral("F0F0H0H0H0").repeated(6) + "F");
}

struct RefusalCase {
    const char* name;
    TppBarCodeType type;
    const char16_t* data;
    bool calcCheckDigit;
    const char* addOn;
    const char* message;
};
PW_PRINT_CASE_NAME(RefusalCase)

const RefusalCase kRefusals[] = {
    {"UPC-A too short", bcUPC_A, u"123", true, "", "UPC-A barcodes must be 11 digits (12 with check digit)"},
    {"UPC-A without its check digit", bcUPC_A, u"03600029145", false, "",
     "UPC-A barcodes must be 12 digits including the check digit"},
    {"UPC-A letter", bcUPC_A, u"0360002914X", true, "", "UPC-A barcodes must be numeric"},
    {"UPC-E too long", bcUPC_E, u"12345678", true, "",
     "UPC-E barcodes must be 6 digits (7 with check digit)"},
    {"UPC-E without its check digit", bcUPC_E, u"123456", false, "",
     "UPC-E barcodes must be 7 digits including the check digit"},
    {"UPC-E letter", bcUPC_E, u"12345a", true, "", "UPC-E barcodes must be numeric"},
    {"EAN-13 too short", bcEAN_13, u"12345678901", true, "",
     "EAN-13 barcodes must be 12 digits (13 with check digit)"},
    {"EAN-13 without its check digit", bcEAN_13, u"400638133393", false, "",
     "EAN-13 barcodes must be 13 digits including the check digit"},
    {"EAN-8 other script's digits are not digits here", bcEAN_8,
     u"\u0669\u0666\u0663\u0668\u0665\u0660\u0667", true, "", "EAN-8 barcodes must be numeric"},
    {"EAN-8 without its check digit", bcEAN_8, u"9638507", false, "",
     "EAN-8 barcodes must be 8 digits including the check digit"},
    {"EAN-8 too short", bcEAN_8, u"963", true, "", "EAN-8 barcodes must be 7 digits (8 with check digit)"},
    {"Interleaved 2 of 5 letter", bcInt2of5, u"12a4", true, "",
     "Interleaved 2 of 5 barcodes must be numeric"},
    {"Interleaved 2 of 5 odd count without check digit", bcInt2of5, u"123", false, "",
     "Interleaved 2 of 5 barcodes must have an even number of digits"},
    {"Code 39 character outside its set", bcCode39, u"A#B", true, "",
     "Code 39 barcodes can only contain A-Z, 0-9, $, %, +, -, ., /, and spaces"},
    {"Code 39 star inside the data", bcCode39, u"A*B", true, "",
     "Code 39 barcodes can only contain A-Z, 0-9, $, %, +, -, ., /, and spaces"},
    {"PostNet letter", bcPostnet, u"1234a", true, "", "PostNet barcodes must be numeric"},
    {"PostNet length", bcPostnet, u"1234-5678", true, "", "PostNet barcodes must be 5, 9, or 11 digits long"},
    {"FIM D", bcFIM, u"D", true, "", "The only valid choices for FIM codes are A, B, or C"},
    {"FIM two letters", bcFIM, u"AB", true, "", "The only valid choices for FIM codes are A, B, or C"},
    {"Codabar character outside its set", bcCodabar, u"A1xB", true, "",
     "Codabar can only encode 0-9, A, B, C, D, -, $, :, /, ., and +"},
    {"Codabar without stop character", bcCodabar, u"A12", true, "",
     "A Codabar symbol must start and end with A, B, C, or D."},
    {"Codabar start character in the middle", bcCodabar, u"A1C2B", true, "",
     "A, B, C, and D are used only for the start and stop codes for Codabar. They cannot appear anywhere in "
     "the "
     "middle of the data."},
    {"MSI letter", bcMSI, u"12a", true, "", "MSI Barcodes must be numeric"},
    {"add-on on Code 39", bcCode39, u"ABC", true, "12", "Only UPC and EAN barcodes can have add-on codes."},
    {"add-on of three digits", bcUPC_A, u"03600029145", true, "123",
     "Add-on codes must be either 2 or 5 digits"},
    {"add-on with a letter would index past the digit table", bcEAN_13, u"400638133393", true, "1a",
     "Add-on codes must be either 2 or 5 digits"},
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, NotOkWithTheMessage) {
    const RefusalCase& c = GetParam();
    BarCodeSettings settings;
    settings.type = c.type;
    settings.data = QString::fromUtf16(c.data);
    settings.calcCheckDigit = c.calcCheckDigit;
    settings.addOnCode = QString::fromLatin1(c.addOn);
    const BarCodeEncoding encoding = encodeBarCode(settings);
    EXPECT_FALSE(encoding.ok);
    EXPECT_EQ(encoding.message.toStdString(), c.message);
    EXPECT_TRUE(encoding.bars.empty()) << "a refused symbol has nothing to draw";
}

INSTANTIATE_TEST_SUITE_P(Symbologies, RefusalTest, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return caseName(info.param.name); });

TEST(AddOn, TwoAndFiveDigitParities) {
    BarCodeSettings settings;
    settings.type = bcEAN_8;
    settings.data = QStringLiteral("9638507");
    settings.addOnCode = QStringLiteral("13"); // 13 mod 4 = 1: "AB"
    BarCodeEncoding encoding = encodeBarCode(settings);
    ASSERT_TRUE(encoding.ok);
    EXPECT_EQ(encoding.addOnText, "13");
    EXPECT_TRUE(barPatternText(encoding).endsWith(QStringLiteral("000000000"
                                                                 "1011"
                                                                 "0011001"
                                                                 "01"
                                                                 "0100001")));

    settings.addOnCode = QStringLiteral("52495"); // 3 x 14 + 9 x 11 = 141: "BABAA"
    encoding = encodeBarCode(settings);
    ASSERT_TRUE(encoding.ok);
    EXPECT_TRUE(barPatternText(encoding).endsWith(QStringLiteral("1011"
                                                                 "0111001"
                                                                 "01"
                                                                 "0010011"
                                                                 "01"
                                                                 "0011101"
                                                                 "01"
                                                                 "0001011"
                                                                 "01"
                                                                 "0110001")));
}

TEST(SettingRules, MessagesForRefusedSettings) {
    const auto inInches = [](double inches) { return QString::number(inches); };
    EXPECT_EQ(barWidthError(0.003, inInches), "BarWidth must be at least 0.004");
    EXPECT_EQ(barWidthError(0.2, inInches), "BarWidth can be no more than 0.1");
    EXPECT_EQ(barWidthError(0.004, inInches), std::nullopt) << "the limits themselves are allowed";
    EXPECT_EQ(barWidthError(0.1, inInches), std::nullopt);
    EXPECT_EQ(bearerBarsError(bcCode39, true), "Only Interleaved 2 of 5 barcodes can have bearer bars");
    EXPECT_EQ(bearerBarsError(bcInt2of5, true), std::nullopt);
    EXPECT_EQ(autoSizeError(bcFIM, false), "PostNet barcodes must have AutoSize = True");
    EXPECT_EQ(autoSizeError(bcCode39, false), std::nullopt);
    EXPECT_EQ(autoSizeFontError(bcEAN_8, false), "EAN-13 and UPC-A barcodes must have AutoSizeFont = True");
    EXPECT_EQ(autoSizeFontError(bcMSI, false), std::nullopt);
    EXPECT_EQ(addOnCodeError(bcMSI, QString()), std::nullopt) << "no add-on is fine on every type";
    EXPECT_TRUE(autoEncodeAllowed(bcCode128));
    EXPECT_FALSE(autoEncodeAllowed(bcCode39));
}

TEST(BarCodeTypeNames, RoundTripWithoutRegardToCase) {
    for (int type = 0; type < kBarCodeTypeCount; ++type)
        EXPECT_EQ(barCodeTypeFromName(barCodeTypeName(TppBarCodeType(type)).toLower()), TppBarCodeType(type));
    EXPECT_EQ(barCodeTypeName(bcEAN_13), "bcEAN_13");
    EXPECT_EQ(barCodeTypeFromName(QStringLiteral("EAN_13")), std::nullopt);
}

// Whatever a data field holds, encoding answers a symbol or a message, never
// reads past a table.
TEST(EveryType, ArbitraryDataGivesASymbolOrAMessage) {
    const QString inputs[] = {
        QString(),
        QStringLiteral(" "),
        QString::fromUtf16(u"\u00D2"),                               // START C alone
        QString::fromUtf16(u"\u00D2\u00CF"),                         // FNC1 last in code C
        QString::fromUtf16(u"\u00D0\u00CB"),                         // SHIFT last
        QString::fromUtf16(u"\u00CB\u00CB\u00CB"),                   // only SHIFTs
        QString::fromUtf16(u"1\u00CF2\u00CF\u00CF34"),               // FNC1 among digits
        QString::fromUtf16(u"\U0001F600"),                           // outside the 16-bit range
        QString::fromUtf16(u"\u0660\u0661\u0662\u0663\u0664\u0665"), // digits of another script
        QString(QChar(0)) + QStringLiteral("12345"),
        QStringLiteral("123456789012345678901234567890"),
        QStringLiteral("9").repeated(20001),
        QStringLiteral("AbC-1.2/3$4+5%6:7 8*9"),
    };
    for (int type = 0; type < kBarCodeTypeCount; ++type)
        for (const QString& data : inputs)
            for (bool flag : {false, true}) {
                BarCodeSettings settings;
                settings.type = TppBarCodeType(type);
                settings.data = data;
                settings.autoEncode = flag;
                settings.calcCheckDigit = flag;
                const BarCodeEncoding encoding = encodeBarCode(settings);
                const std::string where =
                    barCodeTypeName(settings.type).toStdString() + " " + data.left(12).toStdString();
                if (encoding.ok) {
                    EXPECT_FALSE(encoding.bars.empty()) << where;
                    EXPECT_TRUE(encoding.message.isEmpty()) << where;
                } else {
                    EXPECT_FALSE(encoding.message.isEmpty()) << where;
                    EXPECT_TRUE(encoding.bars.empty()) << where;
                }
            }
}

} // namespace

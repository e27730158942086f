#include "BarCodeEncoder.h"
#include "BarPatternText.h"

#include "CaseName.h"
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Compares our bars module by module with those of zint, an independent
// encoder, wherever both define the same symbol. zint prints each row of a
// symbol as hexadecimal modules with --dump; PostNet has two rows, the upper
// one set for full bars only.

namespace {

struct ZintCase {
    const char* name;
    TppBarCodeType type;
    const char16_t* data;
    const char* addOn;
    bool calcCheckDigit;
    std::vector<const char*> zintArguments;
    // The widths zint draws the elements with, where they are not ours.
    BarPixelWidths widths;
};
PW_PRINT_CASE_NAME(ZintCase)

// zint draws Code 39 and Codabar wide elements two modules wide; our wide-bar
// ratio is a setting, so they are compared at zint's. Code 39 characters are
// one module apart in the standard and in zint but two in our symbols, which
// stored reports have always printed that way; the gap is compared at zint's
// width.
constexpr BarPixelWidths kWideIsTwo{1, 2, 1, 1};

const ZintCase kCases[] = {
    {"UPC-A", bcUPC_A, u"03600029145", "", true, {"-b", "UPCA", "-d", "03600029145"}, {}},
    {"UPC-A with its check digit typed",
     bcUPC_A,
     u"036000291452",
     "",
     false,
     {"-b", "UPCA_CHK", "-d", "036000291452"},
     {}},
    {"UPC-A with 5-digit add-on",
     bcUPC_A,
     u"03600029145",
     "52495",
     true,
     {"-b", "UPCA", "-d", "03600029145+52495"},
     {}},
    {"UPC-E last digit 0", bcUPC_E, u"123450", "", true, {"-b", "UPCE", "-d", "0123450"}, {}},
    {"UPC-E last digit 1", bcUPC_E, u"654321", "", true, {"-b", "UPCE", "-d", "0654321"}, {}},
    {"UPC-E last digit 3", bcUPC_E, u"123453", "", true, {"-b", "UPCE", "-d", "0123453"}, {}},
    {"UPC-E last digit 4", bcUPC_E, u"123454", "", true, {"-b", "UPCE", "-d", "0123454"}, {}},
    {"UPC-E last digit 6", bcUPC_E, u"123456", "", true, {"-b", "UPCE", "-d", "0123456"}, {}},
    {"UPC-E with 2-digit add-on", bcUPC_E, u"123456", "12", true, {"-b", "UPCE", "-d", "0123456+12"}, {}},
    {"EAN-13", bcEAN_13, u"400638133393", "", true, {"-b", "EANX", "-d", "400638133393"}, {}},
    {"EAN-13 every first-digit parity",
     bcEAN_13,
     u"978014300723",
     "",
     true,
     {"-b", "EANX", "-d", "978014300723"},
     {}},
    {"EAN-13 with 2-digit add-on",
     bcEAN_13,
     u"590123412345",
     "03",
     true,
     {"-b", "EANX", "-d", "590123412345+03"},
     {}},
    {"EAN-13 with 5-digit add-on",
     bcEAN_13,
     u"978014300723",
     "90000",
     true,
     {"-b", "EANX", "-d", "978014300723+90000"},
     {}},
    {"EAN-8", bcEAN_8, u"9638507", "", true, {"-b", "EANX", "-d", "9638507"}, {}},
    {"EAN-8 with add-on", bcEAN_8, u"9638507", "99", true, {"-b", "EANX", "-d", "9638507+99"}, {}},
    {"Interleaved 2 of 5 with check digit",
     bcInt2of5,
     u"12345",
     "",
     true,
     {"-b", "C25INTER", "-d", "123457"},
     {}},
    {"Interleaved 2 of 5 all digits",
     bcInt2of5,
     u"1234567890",
     "",
     true,
     {"-b", "C25INTER", "-d", "1234567890"},
     {}},
    {"Code 39", bcCode39, u"Code 39-$/+%.", "", true, {"-b", "CODE39", "-d", "CODE 39-$/+%."}, kWideIsTwo},
    {"Code 39 all letters",
     bcCode39,
     u"ABCDEFGHIJKLMNOPQRSTUVWXYZ",
     "",
     true,
     {"-b", "CODE39", "-d", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
     kWideIsTwo},
    {"Code 39 all digits",
     bcCode39,
     u"0123456789",
     "",
     true,
     {"-b", "CODE39", "-d", "0123456789"},
     kWideIsTwo},
    {"Codabar", bcCodabar, u"A0123456789B", "", true, {"-b", "CODABAR", "-d", "A0123456789B"}, kWideIsTwo},
    {"Codabar punctuation",
     bcCodabar,
     u"C-$:/.+D",
     "",
     true,
     {"-b", "CODABAR", "-d", "C-$:/.+D"},
     kWideIsTwo},
    {"MSI with check digit",
     bcMSI,
     u"0139725",
     "",
     true,
     {"-b", "MSI_PLESSEY", "--vers=1", "-d", "0139725"},
     {}},
    {"MSI without", bcMSI, u"1234567890", "", false, {"-b", "MSI_PLESSEY", "-d", "1234567890"}, {}},
    {"PostNet ZIP", bcPostnet, u"12345", "", true, {"-b", "POSTNET", "-d", "12345"}, {}},
    {"PostNet ZIP+4", bcPostnet, u"12345-6789", "", true, {"-b", "POSTNET", "-d", "123456789"}, {}},
    {"PostNet delivery point",
     bcPostnet,
     u"12345678901",
     "",
     true,
     {"-b", "POSTNET", "-d", "12345678901"},
     {}},
    {"FIM A", bcFIM, u"A", "", true, {"-b", "FIM", "-d", "A"}, {}},
    {"FIM B", bcFIM, u"B", "", true, {"-b", "FIM", "-d", "B"}, {}},
    {"FIM C", bcFIM, u"C", "", true, {"-b", "FIM", "-d", "C"}, {}},
    // zint prefers code B where A and B both carry the data, AutoEncode
    // prefers A; these cases choose the same sets in both.
    {"Code 128 digits in C", bcCode128, u"1234567890", "", true, {"-b", "CODE128", "-d", "1234567890"}, {}},
    {"Code 128 lower case in B",
     bcCode128,
     u"Hello World",
     "",
     true,
     {"-b", "CODE128", "-d", "Hello World"},
     {}},
    {"Code 128 FNC1 then pairs",
     bcCode128,
     u"\u00CF0112345678901231",
     "",
     true,
     {"-b", "GS1_128", "-d", "[01]12345678901231"},
     {}},
};

std::string bitsOfHexRow(const QString& row) {
    std::string bits;
    for (QChar c : row) {
        if (c.isSpace())
            continue;
        const int nibble = QString(c).toInt(nullptr, 16);
        for (int bit = 3; bit >= 0; --bit)
            bits += (nibble >> bit) & 1 ? '1' : '0';
    }
    return bits;
}

// zint pads each row to whole hexadecimal digits with spaces, so trailing
// spaces are left out on both sides.
std::string withoutTrailingSpaces(std::string pattern) {
    pattern.erase(pattern.find_last_not_of('0') + 1);
    return pattern;
}

// One row, or for the two rows of PostNet 'F' where the upper row has a bar
// and 'H' where only the lower one has.
std::string zintPattern(const QStringList& rows) {
    if (rows.size() == 1)
        return bitsOfHexRow(rows[0]);
    const std::string upper = bitsOfHexRow(rows[0]);
    const std::string lower = bitsOfHexRow(rows[1]);
    std::string pattern;
    for (size_t i = 0; i < lower.size(); ++i)
        pattern += i < upper.size() && upper[i] == '1' ? 'F' : lower[i] == '1' ? 'H' : '0';
    return pattern;
}

class ZintCrossCheck : public testing::TestWithParam<ZintCase> {
protected:
    void SetUp() override {
        zint_ = QStandardPaths::findExecutable(QStringLiteral("zint"));
        if (zint_.isEmpty())
            GTEST_SKIP() << "zint is not installed (Debian package zint); the cross-check is skipped";
    }
    QString zint_;
};

TEST_P(ZintCrossCheck, SameModules) {
    const ZintCase& c = GetParam();
    BarCodeSettings settings;
    settings.type = c.type;
    settings.data = QString::fromUtf16(c.data);
    settings.addOnCode = QString::fromLatin1(c.addOn);
    settings.calcCheckDigit = c.calcCheckDigit;
    settings.autoEncode = c.type == bcCode128;
    const BarCodeEncoding encoding = encodeBarCode(settings);
    ASSERT_TRUE(encoding.ok) << encoding.message.toStdString();

    // Add-ons follow their symbol after 9 modules here; zint's gap differs by
    // symbology unless given.
    QStringList arguments = {QStringLiteral("--dump"), QStringLiteral("--addongap=9")};
    for (const char* argument : c.zintArguments)
        arguments << QString::fromUtf8(argument);
    QProcess zint;
    zint.start(zint_, arguments);
    ASSERT_TRUE(zint.waitForFinished(10000)) << "zint did not finish";
    ASSERT_EQ(zint.exitCode(), 0) << zint.readAllStandardError().toStdString();
    const QStringList rows =
        QString::fromLatin1(zint.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(rows.isEmpty());

    EXPECT_EQ(withoutTrailingSpaces(barPatternText(encoding, c.widths).toStdString()),
              withoutTrailingSpaces(zintPattern(rows)));
}

INSTANTIATE_TEST_SUITE_P(Symbologies, ZintCrossCheck, testing::ValuesIn(kCases),
                         [](const auto& info) { return caseName(info.param.name); });

} // namespace

#include "BarcodeCommand.h"

#include <gtest/gtest.h>

namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun run(const QStringList& arguments) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = runBarcodeCommand(arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out.toStdString(), err.toStdString()};
}

TEST(BarcodeCommand, CheckDigitTextAndModules) {
    const CommandRun r = run({"bcEAN_8", "9638507"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "4\n96385074\n"
                     "1010001011010111101111010110111010101001110111001010001001011100101\n");
}

TEST(BarcodeCommand, WideBarsAreThreeModulesAndAddOnsFollowTheirGap) {
    EXPECT_EQ(run({"bcInt2of5", "1234"}).out, "\n1234\n"
                                              "1010"
                                              "111010001010111000"
                                              "111011101000101000"
                                              "11101\n")
        << "no check digit for an even count";
    EXPECT_EQ(run({"bcEAN_8", "9638507", "--addon", "13"}).out.substr(2),
              "96385074 13\n"
              "1010001011010111101111010110111010101001110111001010001001011100101"
              "000000000"
              "1011"
              "0011001"
              "01"
              "0100001\n");
}

TEST(BarcodeCommand, PostNetBarHeights) {
    EXPECT_EQ(run({"bcPostnet", "00000"}).out,
              "0\n00000\nF0" + QStringLiteral("F0F0H0H0H0").repeated(6).toStdString() + "F\n");
}

TEST(BarcodeCommand, Code128SetsChosenUnlessSpelledOut) {
    // Automatic: "AB" in code A, then CODE C for the final pair.
    const CommandRun automatic = run({"bcCode128", "AB12"});
    // Spelled out with START B: the same characters in code B, no switch.
    const CommandRun spelled = run({"bcCode128", QString::fromUtf16(u"\u00D1AB12")});
    EXPECT_EQ(automatic.status, 0);
    EXPECT_EQ(spelled.status, 0);
    EXPECT_TRUE(automatic.out.starts_with("\nAB12\n11010000100")) << automatic.out << "starts with START A";
    EXPECT_TRUE(spelled.out.starts_with("\nAB12\n11010010000")) << spelled.out << "starts with START B";
    EXPECT_EQ(run({"bcCode128", QString::fromUtf16(u"\u00D0ab")}).err,
              "Only Code B can contain the character a\n");
}

TEST(BarcodeCommand, NoCheckDigitTakesTheTypedOne) {
    EXPECT_EQ(run({"bcUPC_A", "036000291452", "--no-check-digit"}).out.substr(0, 15), "2\n036000291452\n");
    const CommandRun refused = run({"--no-check-digit", "bcUPC_A", "03600029145"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "UPC-A barcodes must be 12 digits including the check digit\n");
}

TEST(BarcodeCommand, RefusalsAndUsageErrors) {
    const struct {
        QStringList arguments;
        int status;
        const char* errStart;
    } cases[] = {
        {{"bcCode39", "ABC", "--addon", "12"}, 1, "Only UPC and EAN barcodes can have add-on codes.\n"},
        {{"bcFIM", "D"}, 1, "The only valid choices for FIM codes are A, B, or C\n"},
        {{"bcQR", "x"}, 2, "pagewright barcode: unknown barcode type \"bcQR\""},
        {{"bcCode39"}, 2, "pagewright barcode: expected TYPE and DATA"},
        {{"bcEAN_13", "400638133393", "--addon"}, 2, "pagewright barcode: --addon needs a code"},
        {{"bcEAN_13", "400638133393", "--ratio", "2"}, 2, "pagewright barcode: unknown option \"--ratio\""},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.errStart;
        EXPECT_TRUE(r.err.starts_with(c.errStart)) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

} // namespace

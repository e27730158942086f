#include "BarCodeSamples.h"

#include "Code128Characters.h"

QString barCodeSample(TppBarCodeType type, bool calcCheckDigit, bool dataAware) {
    switch (type) {
    case bcUPC_A:
        return calcCheckDigit ? QStringLiteral("01234567890") : QStringLiteral("012345678905");
    case bcUPC_E:
        return calcCheckDigit ? QStringLiteral("012345") : QStringLiteral("0123456");
    case bcEAN_13:
        return QStringLiteral("0012345678905");
    case bcEAN_8:
        return QStringLiteral("20123451");
    case bcInt2of5:
        return calcCheckDigit ? QStringLiteral("0123456789") : QStringLiteral("01234567");
    case bcCode128:
        // Both code sets at work: digits in pairs, then text.
        return QString(QChar(Code128Char::StartC)) + QStringLiteral("1234") + QChar(Code128Char::CodeB) +
               QStringLiteral(" abcd");
    case bcCode39:
        return dataAware ? QStringLiteral("DBBarCode") : QStringLiteral("BarCode");
    case bcPostnet:
        return QStringLiteral("012345678");
    case bcFIM:
        return QStringLiteral("A");
    case bcCodabar:
        return QStringLiteral("A01234B");
    case bcMSI:
        return QStringLiteral("0139725");
    }
    return QString();
}

double defaultBarWidthInches(TppBarCodeType type) {
    switch (type) {
    case bcUPC_A:
    case bcUPC_E:
    case bcEAN_13:
    case bcEAN_8:
        return 0.013;
    case bcInt2of5:
        return 0.015;
    case bcPostnet:
        return 0.02;
    case bcFIM:
        return 0.031;
    default:
        return 0.01;
    }
}

#include "MsiEncoder.h"

#include "BarCodeMessages.h"
#include "BarPatternBuilder.h"
#include "CheckDigits.h"
#include "TppResourceManager.h"

BarCodeEncoding encodeMsi(const BarCodeSettings& settings) {
    QString digits = settings.data;
    if (!isAsciiDigits(digits))
        return BarCodeEncoding::refused(bcMSI, LanguageString(BarCodeMessage::MsiNumeric));

    BarCodeEncoding encoding;
    encoding.type = bcMSI;
    if (settings.calcCheckDigit) {
        encoding.checkDigit = QString::number(luhnCheckDigit(digits));
        digits += encoding.checkDigit;
    }

    // Each digit is four bits, most significant first: "100" for 0, "110" for 1.
    BarPatternBuilder pattern;
    pattern.addModules("110");
    for (QChar digit : digits)
        for (int bit = 3; bit >= 0; --bit)
            pattern.addModules((digitValue(digit) >> bit) & 1 ? "110" : "100");
    pattern.addModules("1001");

    encoding.ok = true;
    encoding.humanReadable = settings.data;
    encoding.bars = pattern.take();
    return encoding;
}

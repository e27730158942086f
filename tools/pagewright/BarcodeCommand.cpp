#include "BarcodeCommand.h"

#include "BarCodeEncoder.h"
#include "BarPatternText.h"
#include "Code128Characters.h"

namespace {

constexpr const char* kSynopsis = "pagewright barcode TYPE DATA [--addon CODE] [--no-check-digit]";

constexpr const char* kDetails =
    "TYPE is one of bcUPC_A bcUPC_E bcEAN_13 bcEAN_8 bcInt2of5 bcCode128 bcCode39\n"
    "bcPostnet bcFIM bcCodabar bcMSI. Prints the check digit, the human-readable text\n"
    "and the bars: 1 bar and 0 space (PostNet: F full bar, H half bar), one character\n"
    "per narrow module, wide bars 3 modules, no quiet zones. Code 128 data that begins\n"
    "with a start character (#208-#210) keeps the code sets it spells out; other data\n"
    "gets them chosen automatically.\n";

int usageError(QTextStream& err, const QString& problem) {
    err << "pagewright barcode: " << problem << "\nUsage: " << kSynopsis << "\n" << kDetails;
    return 2;
}

bool startsWithStartCode(const QString& data) {
    return !data.isEmpty() && data[0] >= Code128Char::StartA && data[0] <= Code128Char::StartC;
}

} // namespace

int runBarcodeCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    BarCodeSettings settings;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--addon") {
            if (++i == arguments.size())
                return usageError(err, QStringLiteral("--addon needs a code"));
            settings.addOnCode = arguments[i];
        } else if (argument == u"--no-check-digit") {
            settings.calcCheckDigit = false;
        } else if (argument.startsWith(u"--")) {
            return usageError(err, QStringLiteral("unknown option \"%1\"").arg(argument));
        } else {
            positional << argument;
        }
    }
    if (positional.size() != 2)
        return usageError(err, QStringLiteral("expected TYPE and DATA"));
    const std::optional<TppBarCodeType> type = barCodeTypeFromName(positional[0]);
    if (!type)
        return usageError(err, QStringLiteral("unknown barcode type \"%1\"").arg(positional[0]));
    settings.type = *type;
    settings.data = positional[1];
    // As a barcode component does once Code 128 is chosen, unless the data
    // spells its code sets out.
    settings.autoEncode = settings.type == bcCode128 && !startsWithStartCode(settings.data);

    const BarCodeEncoding encoding = encodeBarCode(settings);
    if (!encoding.ok) {
        err << encoding.message << "\n";
        return 1;
    }
    QString text = encoding.humanReadable;
    if (!encoding.addOnText.isEmpty())
        text += u' ' + encoding.addOnText;
    out << encoding.checkDigit << "\n" << text << "\n" << barPatternText(encoding) << "\n";
    return 0;
}

const PagewrightCommand barcodeCommand = {"barcode", kSynopsis, runBarcodeCommand};

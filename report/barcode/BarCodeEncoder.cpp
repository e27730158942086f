#include "BarCodeEncoder.h"

#include "AddOnEncoder.h"
#include "BarCodeRules.h"
#include "CodabarEncoder.h"
#include "Code128Encoder.h"
#include "Code39Encoder.h"
#include "FimEncoder.h"
#include "Interleaved2of5Encoder.h"
#include "MsiEncoder.h"
#include "PostNetEncoder.h"
#include "UpcEanEncoder.h"

namespace {

BarCodeEncoding encodeData(const BarCodeSettings& settings) {
    switch (settings.type) {
    case bcUPC_A:
    case bcUPC_E:
    case bcEAN_13:
    case bcEAN_8:
        return encodeUpcEan(settings);
    case bcInt2of5:
        return encodeInterleaved2of5(settings);
    case bcCode128:
        return encodeCode128(settings);
    case bcCode39:
        return encodeCode39(settings);
    case bcPostnet:
        return encodePostNet(settings);
    case bcFIM:
        return encodeFim(settings);
    case bcCodabar:
        return encodeCodabar(settings);
    case bcMSI:
        return encodeMsi(settings);
    }
    return BarCodeEncoding::refused(settings.type, QString());
}

} // namespace

BarCodeEncoding encodeBarCode(const BarCodeSettings& settings) {
    if (const std::optional<QString> error = addOnCodeError(settings.type, settings.addOnCode))
        return BarCodeEncoding::refused(settings.type, *error);
    BarCodeEncoding encoding = encodeData(settings);
    if (encoding.ok && !settings.addOnCode.isEmpty()) {
        encoding.addOnText = settings.addOnCode;
        encoding.addOnBars = encodeAddOn(settings.addOnCode);
    }
    return encoding;
}

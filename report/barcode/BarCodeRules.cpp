#include "BarCodeRules.h"

#include "BarCodeMessages.h"
#include "CheckDigits.h"
#include "TppResourceManager.h"

std::optional<QString> addOnCodeError(TppBarCodeType type, const QString& addOnCode) {
    if (addOnCode.isEmpty())
        return std::nullopt;
    if (!isUpcOrEan(type))
        return LanguageString(BarCodeMessage::AddOnOnlyUpcEan);
    if ((addOnCode.size() != 2 && addOnCode.size() != 5) || !isAsciiDigits(addOnCode))
        return LanguageString(BarCodeMessage::AddOnLength);
    return std::nullopt;
}

std::optional<QString> bearerBarsError(TppBarCodeType type, bool bearerBars) {
    if (bearerBars && type != bcInt2of5)
        return LanguageString(BarCodeMessage::BearerBarsOnlyInt2of5);
    return std::nullopt;
}

std::optional<QString> autoSizeError(TppBarCodeType type, bool autoSize) {
    if (!autoSize && (type == bcPostnet || type == bcFIM))
        return LanguageString(BarCodeMessage::PostNetAutoSize);
    return std::nullopt;
}

std::optional<QString> autoSizeFontError(TppBarCodeType type, bool autoSizeFont) {
    if (!autoSizeFont && isUpcOrEan(type))
        return LanguageString(BarCodeMessage::UpcEanAutoSizeFont);
    return std::nullopt;
}

std::optional<QString> barWidthError(double barWidthInches, const std::function<QString(double)>& inUnits) {
    if (barWidthInches < kMinBarWidthInches)
        return LanguageStringFmt(BarCodeMessage::BarWidthTooSmall, {inUnits(kMinBarWidthInches)});
    if (barWidthInches > kMaxBarWidthInches)
        return LanguageStringFmt(BarCodeMessage::BarWidthTooLarge, {inUnits(kMaxBarWidthInches)});
    return std::nullopt;
}

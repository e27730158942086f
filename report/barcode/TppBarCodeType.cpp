#include "TppBarCodeType.h"

#include <array>

namespace {

constexpr std::array<const char*, kBarCodeTypeCount> kNames = {
    "bcUPC_A", "bcUPC_E", "bcEAN_13", "bcEAN_8", "bcInt2of5", "bcCode128",
    "bcCode39", "bcPostnet", "bcFIM", "bcCodabar", "bcMSI"};

} // namespace

QString barCodeTypeName(TppBarCodeType type) {
    return QString::fromLatin1(kNames.at(static_cast<size_t>(type)));
}

std::optional<TppBarCodeType> barCodeTypeFromName(const QString& name) {
    for (int type = 0; type < kBarCodeTypeCount; ++type)
        if (name.compare(QLatin1String(kNames[static_cast<size_t>(type)]), Qt::CaseInsensitive) == 0)
            return static_cast<TppBarCodeType>(type);
    return std::nullopt;
}

bool isUpcOrEan(TppBarCodeType type) {
    return type == bcUPC_A || type == bcUPC_E || type == bcEAN_13 || type == bcEAN_8;
}

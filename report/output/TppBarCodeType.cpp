#include "TppBarCodeType.h"

const QStringList& barCodeTypeNames() {
    static const QStringList names = {"bcUPC_A",   "bcUPC_E",   "bcEAN_13", "bcEAN_8", "bcInt2of5", "bcCode128",
                                      "bcCode39",  "bcPostnet", "bcFIM",    "bcCodabar", "bcMSI"};
    return names;
}

QString barCodeTypeName(TppBarCodeType type) { return barCodeTypeNames().value(int(type)); }

std::optional<TppBarCodeType> barCodeTypeFromName(const QString& name) {
    const QStringList& names = barCodeTypeNames();
    for (int type = 0; type < names.size(); ++type)
        if (name.compare(names[type], Qt::CaseInsensitive) == 0)
            return static_cast<TppBarCodeType>(type);
    return std::nullopt;
}

bool isUpcOrEan(TppBarCodeType type) {
    return type == bcUPC_A || type == bcUPC_E || type == bcEAN_13 || type == bcEAN_8;
}

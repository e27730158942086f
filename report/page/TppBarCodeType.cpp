#include "TppBarCodeType.h"

#include "EnumerationNames.h"

QString barCodeTypeName(TppBarCodeType type) {
    return enumerationNames("TppBarCodeType").value(int(type));
}

std::optional<TppBarCodeType> barCodeTypeFromName(const QString& name) {
    const QStringList& names = enumerationNames("TppBarCodeType");
    for (int type = 0; type < names.size(); ++type)
        if (name.compare(names[type], Qt::CaseInsensitive) == 0)
            return static_cast<TppBarCodeType>(type);
    return std::nullopt;
}

bool isUpcOrEan(TppBarCodeType type) {
    return type == bcUPC_A || type == bcUPC_E || type == bcEAN_13 || type == bcEAN_8;
}

#include "TraValue.h"

#include <cmath>

TraValue TraValue::initial(TraDataType type, double now, int enumType) {
    TraValue value;
    switch (type) {
    case daInteger:
        value.setInteger(0);
        break;
    case daSingle:
        value.setSingle(0);
        break;
    case daDouble:
        value.setDouble(0);
        break;
    case daExtended:
        value.setExtended(0);
        break;
    case daCurrency:
        value.setCurrencyScaled(0);
        break;
    case daChar:
        value.setChar(' ');
        break;
    case daString:
        value.setString(QByteArray());
        break;
    case daDateTime:
        value.setDateValue(daDateTime, now);
        break;
    case daDate:
        value.setDateValue(daDate, std::trunc(now));
        break;
    case daTime:
        value.setDateValue(daTime, std::fabs(now - std::trunc(now)));
        break;
    case daBoolean:
        value.setBoolean(false);
        break;
    case daVariant:
        value.setVariantByte(0);
        break;
    case daObject:
    case daClass:
        value.setObject(type, nullptr);
        break;
    case daEnum:
        value.setEnum(enumType, 0);
        break;
    case daUnknown:
    case daMethod:
        break;
    }
    return value;
}

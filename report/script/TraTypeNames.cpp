#include "TraTypeNames.h"

#include "TraEnumerations.h"
#include "TraRTTI.h"

#include <QHash>

std::optional<TraTypeName> TraTypeNames::find(const QByteArray& word) {
    static const QHash<QByteArray, TraDataType> builtIn = {
        {"integer", daInteger},   {"string", daString},      {"char", daChar},
        {"color", daInteger},     {"single", daSingle},      {"double", daDouble},
        {"extended", daExtended}, {"currency", daCurrency},  {"datetime", daDateTime},
        {"date", daDate},         {"time", daTime},          {"variant", daVariant},
        {"tcolor", daInteger},    {"tdatetime", daDateTime}, {"tdate", daDate},
    };
    const QByteArray lower = word.toLower();
    const auto it = builtIn.constFind(lower);
    if (it != builtIn.cend())
        return TraTypeName{*it, -1};
    if (const std::optional<int> enumType = TraEnumerations::findType(lower))
        return TraTypeName{*enumType == TraEnumerations::kBoolean ? daBoolean : daEnum, *enumType};
    if (const ClassInfo* cls = TraRTTIClassRegistry::instance().findClass(word))
        return TraTypeName{daClass, -1, cls};
    return std::nullopt;
}

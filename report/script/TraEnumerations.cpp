#include "TraEnumerations.h"

#include "EnumerationNames.h"

#include <QHash>

namespace {

QList<QByteArray> latin1(const QStringList& list) {
    QList<QByteArray> result;
    for (const QString& name : list)
        result << name.toLatin1();
    return result;
}

// The types scripts know by name; their value names are the ones templates
// store.
const QList<TraEnumeration>& all() {
    static const QList<TraEnumeration> table = [] {
        QList<TraEnumeration> result = {{"Boolean", {"False", "True"}}};
        for (const char* type : {"TBrushStyle",
                                 "TPenStyle",
                                 "TAlignment",
                                 "TppBarCodeType",
                                 "TppBarCodeOrientation",
                                 "TppBreakType",
                                 "TppCalcType",
                                 "TppDataType",
                                 "TppDBCalcType",
                                 "TppDuplexType",
                                 "TppFileType",
                                 "TppFormatType",
                                 "TppLanguageType",
                                 "TppLinePositionType",
                                 "TppLineStyleType",
                                 "TppOutlineNodeType",
                                 "TppPassSettingType",
                                 "TppPrintBehaviorType",
                                 "TppPrintHeightType",
                                 "TppRangeBeginType",
                                 "TppRangeEndType",
                                 "TppSaveToType",
                                 "TppSearchOperatorType",
                                 "TShapeType",
                                 "TppSortOrderType",
                                 "TppUnitType",
                                 "TppVarEventType",
                                 "TppVarType",
                                 "TPrinterOrientation"})
            result.append({type, latin1(enumerationNames(type))});
        return result;
    }();
    return table;
}

struct Index {
    QHash<QByteArray, int> types;
    QHash<QByteArray, TraEnumValueRef> values;
};

// Built once on first use; a function-local static is initialised thread-safely.
const Index& index() {
    static const Index built = [] {
        Index result;
        const QList<TraEnumeration>& table = all();
        for (int t = 0; t < table.size(); ++t) {
            result.types.insert(table[t].typeName.toLower(), t);
            for (int v = 0; v < table[t].valueNames.size(); ++v)
                result.values.insert(table[t].valueNames[v].toLower(), {t, v});
        }
        return result;
    }();
    return built;
}

} // namespace

const TraEnumeration& TraEnumerations::at(int typeIndex) {
    return all()[typeIndex];
}

std::optional<int> TraEnumerations::findType(const QByteArray& name) {
    const auto it = index().types.constFind(name.toLower());
    return it == index().types.cend() ? std::nullopt : std::optional<int>(*it);
}

std::optional<TraEnumValueRef> TraEnumerations::findValue(const QByteArray& name) {
    const auto it = index().values.constFind(name.toLower());
    return it == index().values.cend() ? std::nullopt : std::optional<TraEnumValueRef>(*it);
}

QByteArray TraEnumerations::valueName(int typeIndex, int ordinal) {
    const QList<QByteArray>& values = all()[typeIndex].valueNames;
    return ordinal >= 0 && ordinal < values.size() ? values[ordinal] : QByteArray::number(ordinal);
}

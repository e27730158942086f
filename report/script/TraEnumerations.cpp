#include "TraEnumerations.h"

#include "EnumerationNames.h"

#include <QHash>

namespace {

QList<QByteArray> names(std::initializer_list<const char*> list) {
    QList<QByteArray> result;
    for (const char* name : list)
        result << QByteArray(name);
    return result;
}

QList<QByteArray> names(const QStringList& list) {
    QList<QByteArray> result;
    for (const QString& name : list)
        result << name.toLatin1();
    return result;
}

const QList<TraEnumeration>& all() {
    static const QList<TraEnumeration> table = {
        {"Boolean", names({"False", "True"})},
        {"TBrushStyle", names({"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
                               "bsCross", "bsDiagCross"})},
        {"TPenStyle", names({"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"})},
        {"TAlignment", names({"taLeftJustify", "taRightJustify", "taCenter"})},
        {"TppBarCodeType", names({"bcUPC_A", "bcUPC_E", "bcEAN_13", "bcEAN_8", "bcInt2of5", "bcCode128", "bcCode39",
                                  "bcPostnet", "bcFIM", "bcCodabar", "bcMSI"})},
        {"TppBarCodeOrientation", names({"orLeftToRight", "orRightToLeft", "orTopToBottom", "orBottomToTop"})},
        {"TppBreakType", names({"btDataField", "btCustomField"})},
        {"TppCalcType", names({"ctDate", "ctDateTime", "ctPrintDateTime", "ctPageCount", "ctPageSet", "ctPageSetDesc",
                               "ctPageNo", "ctPageNoDesc", "ctTime", "ctCustom"})},
        {"TppDataType", names(dataTypeNames())},
        {"TppDBCalcType", names({"dcCount", "dcSum", "dcMinimum", "dcMaximum", "dcAverage"})},
        {"TppDuplexType", names({"dpNone", "dpHorizontal", "dpVertical"})},
        {"TppFileType", names({"ftComma", "ftTab", "ftFixedLength", "ftCustom"})},
        {"TppFormatType", names({"ftBinary", "ftASCII"})},
        {"TppLanguageType", names({"lgDefault", "lgDanish", "lgDutch", "lgEnglish", "lgFrench", "lgGerman", "lgItalian",
                                   "lgPortugueseBrazil", "lgPortuguese", "lgSpanish", "lgSpanishMexico", "lgSwedish",
                                   "lgNorwegian", "lgCustom"})},
        {"TppLinePositionType", names({"lpTop", "lpBottom", "lpLeft", "lpRight"})},
        {"TppLineStyleType", names({"lsSingle", "lsDouble"})},
        {"TppPassSettingType", names({"psOnePass", "psTwoPass"})},
        {"TppPrintBehaviorType", names({"pbChild", "pbSection", "pbFixed"})},
        {"TppPrintHeightType", names({"phStatic", "phDynamic"})},
        {"TppRangeBeginType", names({"rbFirstRecord", "rbLastRecord", "rbCurrentRecord"})},
        {"TppRangeEndType", names({"reFirstRecord", "reLastRecord", "reCurrentRecord", "reCount"})},
        {"TppSaveToType", names({"stDatabase", "stFile"})},
        {"TppSearchOperatorType", names({"soEqual", "soNotEqual", "soLessThan", "soLessThanOrEqualTo", "soGreaterThan",
                                         "soGreaterThanOrEqualTo", "soLike", "soNotLike", "soBetween", "soNotBetween",
                                         "soInList", "soNotInList", "soBlank", "soNotBlank"})},
        {"TShapeType", names({"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"})},
        {"TppSortOrderType", names({"soAscending", "soDescending"})},
        {"TppUnitType", names({"utScreenPixels", "utInches", "utMillimeters", "utPrinterPixels", "utMMThousandths"})},
        {"TppVarEventType", names({"veTraversal", "veDataPipelineTraversal", "vePageStart", "vePageEnd",
                                   "veColumnStart", "veColumnEnd", "veReportStart", "veReportEnd", "veGroupStart",
                                   "veGroupEnd", "veGroupBeforeHeader", "veGroupBeforeFooter"})},
        {"TppVarType", names({"vtDate", "vtDateTime", "vtDocumentName", "vtPrintDateTime", "vtPageCount", "vtPageSet",
                              "vtPageSetDesc", "vtPageNo", "vtPageNoDesc", "vtTime"})},
        {"TPrinterOrientation", names({"poPortrait", "poLandscape"})},
    };
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

const TraEnumeration& TraEnumerations::at(int typeIndex) { return all()[typeIndex]; }

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

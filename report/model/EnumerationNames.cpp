#include "EnumerationNames.h"

#include <QHash>
#include <QtGlobal>

namespace {

const QHash<QByteArray, QStringList>& table() {
    static const QHash<QByteArray, QStringList> names = {
        {"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}},
        {"TBrushStyle",
         {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross",
          "bsDiagCross"}},
        {"TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}},
        {"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}},
        {"TPenStyle",
         {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}},
        {"TPrinterOrientation", {"poPortrait", "poLandscape"}},
        {"TShapeType", {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"}},
        {"TppBarCodeOrientation", {"orLeftToRight", "orRightToLeft", "orTopToBottom", "orBottomToTop"}},
        {"TppBarCodeType",
         {"bcUPC_A", "bcUPC_E", "bcEAN_13", "bcEAN_8", "bcInt2of5", "bcCode128", "bcCode39", "bcPostnet",
          "bcFIM", "bcCodabar", "bcMSI"}},
        {"TppBreakType", {"btDataField", "btCustomField"}},
        {"TppCalcType",
         {"ctDate", "ctDateTime", "ctPrintDateTime", "ctPageCount", "ctPageSet", "ctPageSetDesc", "ctPageNo",
          "ctPageNoDesc", "ctTime", "ctCustom"}},
        {"TppCollationType", {"ctANSI", "ctASCII"}},
        {"TppColumnTraversalType", {"ctTopToBottom", "ctLeftToRight"}},
        {"TppDBCalcType", {"dcCount", "dcSum", "dcMinimum", "dcMaximum", "dcAverage"}},
        {"TppDataType",
         {"dtBoolean", "dtDate", "dtTime", "dtDateTime", "dtInteger", "dtSingle", "dtDouble", "dtExtended",
          "dtCurrency", "dtChar", "dtString", "dtVariant", "dtLongint", "dtBLOB", "dtMemo", "dtGraphic",
          "dtNotKnown", "dtLargeInt"}},
        {"TppDuplexType", {"dpNone", "dpHorizontal", "dpVertical"}},
        {"TppFileType", {"ftComma", "ftTab", "ftFixedLength", "ftCustom"}},
        {"TppFormatType", {"ftBinary", "ftASCII"}},
        {"TppLanguageType",
         {"lgDefault", "lgDanish", "lgDutch", "lgEnglish", "lgFrench", "lgGerman", "lgItalian",
          "lgPortugueseBrazil", "lgPortuguese", "lgSpanish", "lgSpanishMexico", "lgSwedish", "lgNorwegian",
          "lgCustom"}},
        {"TppLinePositionType", {"lpTop", "lpBottom", "lpLeft", "lpRight"}},
        {"TppLineStyleType", {"lsSingle", "lsDouble"}},
        {"TppNoDataBehavior", {"ndMessageDialog", "ndMessageOnPage", "ndBlankPage", "ndBlankReport"}},
        {"TppOutlineNodeType",
         {"ntRoot", "ntReport", "ntSubReport", "ntGroup", "ntPage", "ntNoOutline", "ntOther"}},
        {"TppPageRangeType", {"prAll", "prOddPages", "prEvenPages"}},
        {"TppPageSettingType",
         {"psAll", "psPageList", "psSinglePage", "psFirstPage", "psLastPage", "psPageRange"}},
        {"TppPassSettingType", {"psOnePass", "psTwoPass"}},
        {"TppPrintBehaviorType", {"pbChild", "pbSection", "pbFixed"}},
        {"TppPrintHeightType", {"phStatic", "phDynamic"}},
        {"TppRangeBeginType", {"rbFirstRecord", "rbLastRecord", "rbCurrentRecord"}},
        {"TppRangeEndType", {"reFirstRecord", "reLastRecord", "reCurrentRecord", "reCount"}},
        {"TppSaveToType", {"stDatabase", "stFile"}},
        {"TppSearchOperatorType",
         {"soEqual", "soNotEqual", "soLessThan", "soLessThanOrEqualTo", "soGreaterThan",
          "soGreaterThanOrEqualTo", "soLike", "soNotLike", "soBetween", "soNotBetween", "soInList",
          "soNotInList", "soBlank", "soNotBlank"}},
        {"TppSortOrderType", {"soAscending", "soDescending"}},
        {"TppTextAlignment", {"taLeftJustified", "taRightJustified", "taCentered", "taFullJustified"}},
        {"TppUnitType",
         {"utScreenPixels", "utInches", "utMillimeters", "utPrinterPixels", "utMMThousandths"}},
        {"TppVarEventType",
         {"veTraversal", "veDataPipelineTraversal", "vePageStart", "vePageEnd", "veColumnStart",
          "veColumnEnd", "veReportStart", "veReportEnd", "veGroupStart", "veGroupEnd", "veGroupBeforeHeader",
          "veGroupBeforeFooter"}},
        {"TppVarType",
         {"vtDate", "vtDateTime", "vtDocumentName", "vtPrintDateTime", "vtPageCount", "vtPageSet",
          "vtPageSetDesc", "vtPageNo", "vtPageNoDesc", "vtTime"}},
        {"TppWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}},
        {"TppZoomSettingType", {"zsWholePage", "zsPageWidth", "zs100Percent", "zsPercentage"}},
    };
    return names;
}

} // namespace

const QStringList& enumerationNames(const char* typeName) {
    const auto found = table().constFind(QByteArray(typeName));
    if (found == table().cend())
        qFatal("No value names for the enumeration %s", typeName);
    return *found;
}

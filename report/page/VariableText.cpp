#include "VariableText.h"

#include "TppResourceManager.h"

QString VariableText(TppVarType kind, int pageNo, int pageCount, bool printing) {
    if (!printing) {
        pageNo = 1;
        pageCount = 1;
    }
    const QString page = LanguageString(kMsgPage);
    const QString pageSet = QStringLiteral("%1 %2 %3").arg(pageNo).arg(LanguageString(kMsgOf)).arg(pageCount);
    switch (kind) {
    case vtPageCount:
        return QString::number(pageCount);
    case vtPageSet:
        return pageSet;
    case vtPageSetDesc:
        return page + u' ' + pageSet;
    case vtPageNo:
        return QString::number(pageNo);
    case vtPageNoDesc:
        return page + u' ' + QString::number(pageNo);
    default:
        return QString();
    }
}

bool calcAsVarType(TppCalcType calc, TppVarType& var) {
    static const TppVarType kinds[] = {vtDate,        vtDateTime, vtPrintDateTime, vtPageCount, vtPageSet,
                                       vtPageSetDesc, vtPageNo,   vtPageNoDesc,    vtTime};
    if (calc < ctDate || calc >= ctCustom)
        return false;
    var = kinds[calc];
    return true;
}

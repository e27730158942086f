#include "TppDrawCalc.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppPage.h"
#include "VariableText.h"

const ClassInfo& TppDrawCalc::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDrawCalc>("TppDrawCalc", &TppDrawText::staticClassInfo(), [](auto& c) {
            c.property(
                 "CalcType", [](const TppDrawCalc& d) { return d.CalcType; },
                 [](TppDrawCalc& d, TppCalcType v) { d.CalcType = v; })
                .names(enumerationNames("TppCalcType"))
                .withDefault(ctDate);
        });
    return info;
}

bool TppDrawCalc::UpdateText() {
    if (!Page() || (CalcType != ctPageCount && CalcType != ctPageSet && CalcType != ctPageSetDesc))
        return false;
    TppVarType kind = vtPageCount;
    calcAsVarType(CalcType, kind);
    Text = VariableText(kind, Page()->PageNo, Page()->PageCount);
    return true;
}

void TppDrawCalc::Assign(const TppDrawCommand& source) {
    TppDrawText::Assign(source);
    if (const auto* calc = dynamic_cast<const TppDrawCalc*>(&source))
        CalcType = calc->CalcType;
}

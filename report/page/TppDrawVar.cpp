#include "TppDrawVar.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppPage.h"
#include "VariableText.h"

const ClassInfo& TppDrawVar::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDrawVar>("TppDrawVar", &TppDrawText::staticClassInfo(), [](auto& c) {
            c.property(
                 "VarType", [](const TppDrawVar& d) { return d.VarType; },
                 [](TppDrawVar& d, TppVarType v) { d.VarType = v; })
                .names(enumerationNames("TppVarType"))
                .withDefault(vtDate);
        });
    return info;
}

bool TppDrawVar::IsUpdatable() const {
    return VarType >= vtPageCount && VarType <= vtPageNoDesc;
}

bool TppDrawVar::UpdateText() {
    if (!IsUpdatable() || !Page())
        return false;
    const std::optional<QString> formatted =
        PageText ? PageText(Page()->PageNo, Page()->PageCount) : std::nullopt;
    Text = formatted ? *formatted : VariableText(VarType, Page()->PageNo, Page()->PageCount);
    return true;
}

void TppDrawVar::Assign(const TppDrawCommand& source) {
    TppDrawText::Assign(source);
    if (const auto* var = dynamic_cast<const TppDrawVar*>(&source)) {
        VarType = var->VarType;
        PageText = var->PageText;
    }
}

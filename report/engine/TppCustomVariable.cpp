#include "TppCustomVariable.h"

#include "ClassBuilder.h"
#include "TppDrawCommand.h"

const ClassInfo& TppCustomVariable::staticClassInfo() {
    static const ClassInfo info = describeClass<TppCustomVariable>(
        "TppCustomVariable", &TppCustomText::staticClassInfo(), [](auto&) {});
    return info;
}

TppCustomVariable::TppCustomVariable(OwnedComponent* owner) : TppCustomText(owner) {
    initAutoSize(true);
}

TppCustomVariable::~TppCustomVariable() {
    markDestroying();
}

void TppCustomVariable::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppCustomText::PropertiesToDrawCommand(command);
    command.SetDataType(DataType());
}

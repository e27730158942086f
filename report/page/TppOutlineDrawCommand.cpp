#include "TppOutlineDrawCommand.h"

#include "ClassBuilder.h"

const ClassInfo& TppOutlineDrawCommand::staticClassInfo() {
    static const ClassInfo info = describeClass<TppOutlineDrawCommand>(
        "TppOutlineDrawCommand", &TppDrawCommand::staticClassInfo(), [](auto& c) {
            c.property(
                 "Completed", [](const TppOutlineDrawCommand& o) { return o.Completed; },
                 [](TppOutlineDrawCommand& o, bool v) { o.Completed = v; })
                .withDefault(false);
        });
    return info;
}

TppOutlineDrawCommand::TppOutlineDrawCommand(OwnedComponent* owner) : TppDrawCommand(owner) {
    SetDataType(dtNotKnown);
}

void TppOutlineDrawCommand::Assign(const TppDrawCommand& source) {
    TppDrawCommand::Assign(source);
    if (const auto* outline = dynamic_cast<const TppOutlineDrawCommand*>(&source))
        Completed = outline->Completed;
}

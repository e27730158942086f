#include "TppDrawLine.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"

const ClassInfo& TppDrawLine::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDrawLine>("TppDrawLine", &TppDrawCommand::staticClassInfo(), [](auto& c) {
            using L = TppDrawLine;
            c.property(
                 "LinePosition", [](const L& l) { return l.LinePosition; },
                 [](L& l, TppLinePositionType v) { l.LinePosition = v; })
                .names(enumerationNames("TppLinePositionType"))
                .withDefault(lpTop);
            c.property(
                 "LineStyle", [](const L& l) { return l.LineStyle; },
                 [](L& l, TppLineStyleType v) { l.LineStyle = v; })
                .names(enumerationNames("TppLineStyleType"))
                .withDefault(lsSingle);
            c.object("Pen", [](L& l) -> Persistent* { return &l.Pen; });
            c.property(
                "Weight", [](const L& l) { return l.Weight; }, [](L& l, float v) { l.Weight = v; });
        });
    return info;
}

TppDrawLine::TppDrawLine(OwnedComponent* owner) : TppDrawCommand(owner) {
    SetDataType(dtGraphic);
}

void TppDrawLine::Assign(const TppDrawCommand& source) {
    TppDrawCommand::Assign(source);
    if (const auto* line = dynamic_cast<const TppDrawLine*>(&source)) {
        LinePosition = line->LinePosition;
        LineStyle = line->LineStyle;
        Pen = line->Pen;
        Weight = line->Weight;
    }
}

#include "TppLabel.h"

#include "ClassBuilder.h"

const ClassInfo& TppLabel::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppLabel>("TppLabel", &TppCustomText::staticClassInfo(), [](auto&) {});
    return info;
}

TppLabel::TppLabel(OwnedComponent* owner) : TppCustomText(owner) {
    initAutoSize(true);
}

TppLabel::~TppLabel() {
    markDestroying();
}

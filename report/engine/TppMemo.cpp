#include "TppMemo.h"

#include "ClassBuilder.h"

const ClassInfo& TppMemo::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppMemo>("TppMemo", &TppCustomMemo::staticClassInfo(), [](auto&) {});
    return info;
}

TppMemo::TppMemo(OwnedComponent* owner) : TppCustomMemo(owner) {}

TppMemo::~TppMemo() {
    markDestroying();
}

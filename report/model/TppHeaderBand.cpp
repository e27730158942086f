#include "TppHeaderBand.h"

#include "ClassBuilder.h"

const ClassInfo& TppHeaderBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppHeaderBand>("TppHeaderBand", &TppPageBand::staticClassInfo(), [](auto&) {});
    return info;
}

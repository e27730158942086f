#include "TppHeaderBand.h"

#include "ClassBuilder.h"

const ClassInfo& TppHeaderBand::staticClassInfo() {
    static const ClassInfo info = describeClass<TppHeaderBand>("TppHeaderBand", &TppBand::staticClassInfo(), [](auto&) {});
    return info;
}

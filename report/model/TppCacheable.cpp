#include "TppCacheable.h"

#include "ClassBuilder.h"

const ClassInfo& TppCacheable::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCacheable>("TppCacheable", &TppRelative::staticClassInfo(), [](auto&) {});
    return info;
}

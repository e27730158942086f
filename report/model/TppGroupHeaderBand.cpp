#include "TppGroupHeaderBand.h"

#include "ClassBuilder.h"
#include "TppGroup.h"

const ClassInfo& TppGroupHeaderBand::staticClassInfo() {
    static const ClassInfo info = describeClass<TppGroupHeaderBand>(
        "TppGroupHeaderBand", &TppGroupBand::staticClassInfo(), [](auto&) {});
    return info;
}

void TppGroupHeaderBand::SetGroup(TppGroup* group) {
    if (Group() && Group() != group)
        Group()->SetHeaderBand(nullptr);
    attachTo(group);
    if (group)
        group->SetHeaderBand(this);
}

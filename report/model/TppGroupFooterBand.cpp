#include "TppGroupFooterBand.h"

#include "ClassBuilder.h"
#include "TppGroup.h"

const ClassInfo& TppGroupFooterBand::staticClassInfo() {
    static const ClassInfo info = describeClass<TppGroupFooterBand>(
        "TppGroupFooterBand", &TppGroupBand::staticClassInfo(), [](auto&) {});
    return info;
}

void TppGroupFooterBand::SetGroup(TppGroup* group) {
    if (Group() && Group() != group)
        Group()->SetFooterBand(nullptr);
    attachTo(group);
    if (group)
        group->SetFooterBand(this);
}

#include "TppGroupBand.h"

#include "ClassBuilder.h"
#include "TppGroup.h"
#include "TppReportModel.h"

const ClassInfo& TppGroupBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppGroupBand>("TppGroupBand", &TppBand::staticClassInfo(), [](auto&) {});
    return info;
}

TppGroupBand::TppGroupBand(OwnedComponent* owner) : TppBand(owner) {}

TppGroupBand::~TppGroupBand() {
    markDestroying();
}

void TppGroupBand::attachTo(TppGroup* group) {
    if (group == group_)
        return;
    if (group_)
        UnlinkFrom(group_);
    group_ = group;
    if (group_)
        LinkTo(group_);
    SetParent(group);
    SetReport(group ? group->Report() : nullptr);
}

bool TppGroupBand::SetParentComponent(OwnedComponent* parent) {
    auto* group = dynamic_cast<TppGroup*>(parent);
    if (!group)
        return false;
    SetGroup(group);
    return true;
}

int TppGroupBand::GroupIndex() const {
    return group_ ? group_->GroupNo() : -1;
}

void TppGroupBand::Notify(TppCommunicator* sender, int operation) {
    TppBand::Notify(sender, operation);
    if (operation == ppopRemove && sender == group_)
        group_ = nullptr;
}

#include "TppOutlineGroupNodeCreator.h"

#include "TppBandedReport.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"

TppOutlineGroupNodeCreator::~TppOutlineGroupNodeCreator() {
    markDestroying();
}

TppGroup* TppOutlineGroupNodeCreator::Group() const {
    return dynamic_cast<TppGroup*>(NodeCreatorComponent());
}

void TppOutlineGroupNodeCreator::Subscribe() {
    TppGroup* group = Group();
    if (!group)
        return;
    AddEventKind(ciBandBeforeGenerate);
    AddEventKind(ciBandAfterGenerate);
    header_ = group->HeaderBand();
    footer_ = group->FooterBand();
    auto* report = dynamic_cast<TppBandedReport*>(group->Report());
    detail_ = report ? report->DetailBand() : nullptr;
    for (TppCommunicator* band : {header_, footer_, detail_})
        if (band)
            band->SubscribeEvents(this);
}

void TppOutlineGroupNodeCreator::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppOutlineNodeCreator::EventNotify(sender, kind, params);
    if (!sender || !Group() || pageCovered())
        return;
    if (kind == ciBandBeforeGenerate && sender == header_) {
        const auto* header = static_cast<TppGroupHeaderBand*>(Group()->HeaderBand());
        HeaderShown = header->mmHeight() > 0 && header->Visible();
        if (HeaderShown)
            makeGroupEntry();
    } else if (kind == ciBandBeforeGenerate && sender == detail_ && !HeaderShown) {
        makeGroupEntry();
    } else if (kind == ciBandAfterGenerate && sender == footer_) {
        const auto* footer = Group()->FooterBand();
        if (!footer->OverFlow && LatestNode())
            LatestNode()->InProgress = false;
    }
}

void TppOutlineGroupNodeCreator::makeGroupEntry() {
    if (LatestNode() && LatestNode()->InProgress)
        return;
    TppGroup* group = Group();
    TppOutlineNode* node =
        makeNode(group->BreakValue(), ntGroup, currentPage(), group->OutlineSettings().CreateNode());
    prior_.reset(LatestNode());
    setLatestNode(node);
    ask(*node);
    if (!PageFirstNode())
        pageFirst_.reset(node);
    registerForPageEntries(*node);
}

namespace {

bool anyKeptTogether(const TppRelative& creator) {
    for (const TppRelative* child : creator.children()) {
        const auto* group = dynamic_cast<const TppOutlineGroupNodeCreator*>(child);
        if ((group && group->Group() && group->Group()->KeptTogether()) || anyKeptTogether(*child))
            return true;
    }
    return false;
}

} // namespace

bool TppOutlineGroupNodeCreator::keptTogetherBelow() const {
    return anyKeptTogether(*this);
}

void TppOutlineGroupNodeCreator::Notify(TppCommunicator* sender, int operation) {
    TppOutlineNodeCreator::Notify(sender, operation);
    if (operation != ppopRemove)
        return;
    for (TppCommunicator** band : {&header_, &footer_, &detail_})
        if (*band == sender)
            *band = nullptr;
}

void TppOutlineGroupNodeCreator::CorrectKeptTogether() {
    TppOutlineNode* latest = LatestNode();
    TppGroup* group = Group();
    if (!latest || !latest->InProgress || latest == PageFirstNode() || !group || !group->KeepTogether() ||
        keptTogetherBelow())
        return;
    TppOutlineNode* prior = PriorNode();
    delete latest;
    setLatestNode(prior);
}

void TppOutlineGroupNodeCreator::EndPage() {
    TppOutlineNodeCreator::EndPage();
    pageFirst_.reset(nullptr);
    if (TppOutlineNode* latest = LatestNode(); latest && latest->InProgress)
        pageFirst_.reset(latest);
}

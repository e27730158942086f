#include "TppComponent.h"

#include "ClassBuilder.h"
#include "TppBand.h"
#include "TppGroup.h"
#include "TppReportModel.h"

const ClassInfo& TppComponent::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppComponent>("TppComponent", &TppPrintable::staticClassInfo(), [](auto& c) {
            c.property("ParentDataPipeline", &TppComponent::ParentDataPipeline,
                       &TppComponent::SetParentDataPipeline)
                .withDefault(true);
            // The holding band decides the type; a stored one counts only until then.
            c.defined("BandType", PropertyKind::Integer, &TppComponent::BandType,
                      [](TppComponent& component, const QVariant& v) {
                          if (!component.band_)
                              component.bandType_ = v.toInt();
                      });
            c.defined("GroupNo", PropertyKind::Integer, &TppComponent::GroupNo,
                      [](TppComponent& component, const QVariant& v) { component.groupNo_ = v.toInt(); })
                .writtenWhen([](const TppComponent& component) { return component.groupNo_ >= 0; });
        });
    return info;
}

TppComponent::TppComponent(OwnedComponent* owner) : TppPrintable(owner) {}

TppComponent::~TppComponent() {
    markDestroying();
    SetRegion(nullptr);
    SetBand(nullptr);
}

TppPrintParent* TppComponent::PrintParent() const {
    if (region_)
        return dynamic_cast<TppPrintParent*>(region_);
    return band_;
}

TppComponentHolder* TppComponent::Holder() const {
    if (region_)
        return regionHolder_;
    return band_;
}

void TppComponent::SetBand(TppBand* band) {
    TppBand* old = band_;
    if (old)
        static_cast<TppComponentHolder*>(old)->RemoveObject(this);
    band_ = band;
    if (band) {
        SetUnits(band->Units());
        // In the tree first: the band names newcomers through the report.
        if (!region_)
            SetParent(band);
        static_cast<TppComponentHolder*>(band)->AddObject(this);
        if (Parent() == band && !isLoading())
            sizeToHolder();
        RefreshBandType();
    } else if (!region_ && Parent() == old) {
        SetParent(nullptr);
    }
    if (isDestroying())
        return;
    if (old && old != band)
        old->Change();
    Change();
}

void TppComponent::SetRegion(TppComponent* region) {
    if (region == region_)
        return;
    TppComponentHolder* holder = region ? dynamic_cast<TppComponentHolder*>(region) : nullptr;
    if (region && (!holder || !region->inheritsFrom(QStringLiteral("TppRegion"))))
        return;
    if (regionHolder_)
        regionHolder_->RemoveObject(this);
    region_ = region;
    regionHolder_ = holder;
    if (region_) {
        holder->AddObject(this);
        SetParent(region_);
        if (!isLoading())
            sizeToHolder();
    } else if (!isDestroying()) {
        SetParent(band_);
    }
    if (!isDestroying())
        Change();
}

bool TppComponent::SetParentComponent(OwnedComponent* parent) {
    if (auto* band = dynamic_cast<TppBand*>(parent)) {
        SetBand(band);
        return true;
    }
    auto* region = dynamic_cast<TppComponent*>(parent);
    if (!region || !region->Band() || !dynamic_cast<TppComponentHolder*>(region) ||
        !region->inheritsFrom(QStringLiteral("TppRegion")))
        return false;
    SetBand(region->Band());
    SetRegion(region);
    return true;
}

void TppComponent::RefreshBandType() {
    if (!band_)
        return;
    bandType_ = band_->BandTypeCode();
    groupNo_ = band_->GroupIndex();
}

int TppComponent::Index() const {
    return band_ ? band_->IndexOfObject(this) : -1;
}

int TppComponent::HolderIndex() const {
    const TppComponentHolder* holder = Holder();
    return holder ? holder->IndexOfObject(this) : -1;
}

void TppComponent::BringToFront() {
    if (TppComponentHolder* holder = Holder())
        holder->BringToFront(this);
    Change();
}

void TppComponent::SendToBack() {
    if (TppComponentHolder* holder = Holder())
        holder->SendToBack(this);
    Change();
}

TppReportModel* TppComponent::Report() const {
    return band_ ? band_->Report() : nullptr;
}

void TppComponent::SetParentDataPipeline(bool follow) {
    parentDataPipeline_ = follow;
    if (follow && band_)
        TppPrintable::SetDataPipeline(band_->DataPipeline());
}

void TppComponent::SetDataPipeline(TppDataPipeline* pipeline) {
    TppPrintable::SetDataPipeline(pipeline);
    if (!isLoading() && band_ && pipeline != band_->DataPipeline())
        parentDataPipeline_ = false;
}

void TppComponent::SetResetGroup(TppGroup* group) {
    if (group == resetGroup_)
        return;
    if (resetGroup_)
        resetGroup_->UnsubscribeEvents(this);
    resetGroup_ = group;
    if (resetGroup_)
        resetGroup_->SubscribeEvents(this);
    Change();
}

void TppComponent::SetParentWidth(bool value) {
    parentWidth_ = value;
    if (!isLoading())
        sizeToHolder();
}

void TppComponent::SetParentHeight(bool value) {
    parentHeight_ = value;
    if (!isLoading())
        sizeToHolder();
}

QRect TppComponent::holderRect() const {
    const TppComponentHolder* holder = Holder();
    return holder ? holder->HolderRect() : QRect();
}

// Band-relative, as the holder's area: a region's area starts where the region does.
int TppComponent::holderRight() const {
    const QRect area = holderRect();
    return std::max(area.x() + area.width(), 0);
}

void TppComponent::sizeToHolder() {
    if (!Holder() || !(parentWidth_ || parentHeight_))
        return;
    const QRect area = holderRect();
    const int left = parentWidth_ ? area.left() : mmLeft();
    const int width = parentWidth_ ? area.width() : mmWidth();
    const int top = parentHeight_ ? area.top() : mmTop();
    const int height = parentHeight_ ? area.height() : mmHeight();
    storeBox(left, top, width, height);
    Change();
}

// A component stays inside its band: negative positions become 0, a left
// edge beyond its band's or region's right edge is pulled back to it. While designing the top
// is held inside the band's height too (at print time a band may grow).
void TppComponent::SetmmLeft(int value) {
    if (isLoading() || !band_)
        return TppPrintable::SetmmLeft(value);
    if (parentWidth_)
        return;
    TppPrintable::SetmmLeft(std::clamp(value, 0, holderRight()));
}

void TppComponent::SetmmTop(int value) {
    if (isLoading() || !band_)
        return TppPrintable::SetmmTop(value);
    if (parentHeight_)
        return;
    value = std::max(value, 0);
    if (isDesigning())
        value = std::min(value, band_->mmHeight());
    TppPrintable::SetmmTop(value);
}

void TppComponent::SetmmWidth(int value) {
    if (!parentWidth_ || isLoading() || !band_)
        TppPrintable::SetmmWidth(value);
}

void TppComponent::SetmmHeight(int value) {
    if (!parentHeight_ || isLoading() || !band_)
        TppPrintable::SetmmHeight(value);
}

void TppComponent::SetBounds(int left, int top, int width, int height) {
    if (band_ && isDesigning() && !isLoading()) {
        left = std::clamp(left, 0, holderRight());
        top = std::clamp(top, 0, band_->mmHeight());
    }
    TppPrintable::SetBounds(left, top, width, height);
}

void TppComponent::Change() {
    TppPrintable::Change();
    // A component in a region reaches the report through the region, which
    // may not be in the band yet while a layout is being built.
    if (!Parent() && band_ && !isLoading())
        band_->Change();
}

void TppComponent::Notify(TppCommunicator* sender, int operation) {
    TppPrintable::Notify(sender, operation);
    if (operation != ppopRemove)
        return;
    if (sender == region_) {
        region_ = nullptr;
        regionHolder_ = nullptr;
    }
    if (sender == resetGroup_)
        resetGroup_ = nullptr;
}

#include "TppCustomReport.h"

#include "ClassBuilder.h"
#include "Prompter.h"
#include "TppBand.h"
#include "TppComponent.h"
#include "TppDataPipeline.h"
#include "TppDetailBand.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"

const ClassInfo& TppCustomReport::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCustomReport>("TppCustomReport", &TppRelative::staticClassInfo(), [](auto& c) {
            c.property("AutoStop", &TppCustomReport::AutoStop, &TppCustomReport::SetAutoStop).withDefault(true);
            c.reference("DataPipeline", &TppCustomReport::DataPipeline, &TppCustomReport::SetDataPipeline);
            c.object("PageDef", [](TppCustomReport& r) -> Persistent* { return &r.pageDef_; });
            c.property("Units", &TppCustomReport::Units, &TppCustomReport::SetUnits)
                .names({"utScreenPixels", "utInches", "utMillimeters", "utPrinterPixels", "utMMThousandths"})
                .withDefault(utInches);
            c.defined(
                 "DataPipelineName", PropertyKind::String,
                 [](const TppCustomReport& r) { return r.pipeline_ ? r.pipeline_->Name() : QString(); },
                 [](TppCustomReport& r, const QVariant& v) { r.pendingPipelineName_ = v.toString(); })
                .writtenWhen([](const TppCustomReport& r) { return r.pipeline_ != nullptr; });
        });
    return info;
}

TppCustomReport::TppCustomReport(OwnedComponent* owner) : TppRelative(owner) {
    // The report hears its pipeline close, to mark cached pages stale.
    AddEventKind(ciPipelineClosing);
}

TppCustomReport::~TppCustomReport() {
    markDestroying();
    FreeChildren();
}

TppBand* TppCustomReport::GetBand(int bandType, int groupIndex) const {
    if (bandType == btGroupHeader || bandType == btGroupFooter) {
        const TppGroup* group = groups_.value(groupIndex);
        if (!group)
            return nullptr;
        return bandType == btGroupHeader ? static_cast<TppBand*>(group->HeaderBand()) : group->FooterBand();
    }
    for (TppBand* band : bands_)
        if (band->BandTypeCode() == bandType)
            return band;
    return nullptr;
}

void TppCustomReport::AddBand(TppBand* band) {
    if (bands_.contains(band))
        return;
    bands_.append(band);
    band->SetUnits(units_);
    SortBands();
    Change();
}

void TppCustomReport::RemoveBand(TppBand* band) {
    if (bands_.removeOne(band) && !isDestroying()) {
        SortBands();
        Change();
    }
}

void TppCustomReport::AddGroup(TppGroup* group) {
    if (groups_.contains(group))
        return;
    groups_.append(group);
    SortBands();
    Change();
}

void TppCustomReport::RemoveGroup(TppGroup* group) {
    if (!groups_.removeOne(group) || isDestroying())
        return;
    // The remaining groups' bands have new indexes, and so their components.
    for (TppBand* band : bands_)
        for (TppComponent* component : band->Objects())
            component->RefreshBandType();
    SortBands();
    Change();
}

void TppCustomReport::SortBands() {
    std::stable_sort(bands_.begin(), bands_.end(),
                     [](const TppBand* a, const TppBand* b) { return a->SortKey() < b->SortKey(); });
}

void TppCustomReport::SetDataPipeline(TppDataPipeline* pipeline) {
    if (pipeline == pipeline_)
        return;
    TppDataPipeline* old = pipeline_;
    if (old)
        old->UnsubscribeEvents(this);
    pipeline_ = pipeline;
    if (pipeline_)
        pipeline_->SubscribeEvents(this);
    if (isDesigning())
        BroadcastNotification(this, ppopDataChange);
    if (isLoading())
        return;

    const auto fitsNewPipeline = [&](const QString& fieldName) {
        return fieldName.isEmpty() || (pipeline && pipeline->IsFieldName(fieldName));
    };
    for (TppBand* band : bands_) {
        const auto* detail = dynamic_cast<TppDetailBand*>(band);
        if (detail && detail->OwnDataPipeline())
            continue;
        for (TppComponent* component : band->Objects())
            if (component->ParentDataPipeline() &&
                (component->DataPipeline() == old ||
                 (!component->DataPipeline() && fitsNewPipeline(component->DataField()))))
                component->SetDataPipeline(pipeline);
    }
    for (TppGroup* group : groups_)
        if (group->BreakType() == btDataField &&
            (group->DataPipeline() == old || group->BreakName().isEmpty() || fitsNewPipeline(group->BreakName())))
            group->SetDataPipeline(pipeline);
    autoStop_ = pipeline == nullptr;
    Change();
}

void TppCustomReport::SetAutoStop(bool value) {
    autoStop_ = value;
    Change();
}

void TppCustomReport::SetUnits(TppUnitType units) {
    units_ = units;
    for (TppBand* band : bands_)
        band->SetUnits(units);
    for (TppGroup* group : groups_)
        group->SetUnits(units);
    Change();
}

void TppCustomReport::SetPageDef(const TppPageDef& pageDef) {
    pageDef_ = pageDef;
    Change();
}

void TppCustomReport::SetPrinting(bool printing) {
    printing_ = printing;
    // The page style moves to the front of the list while printing.
    SortBands();
}

void TppCustomReport::Warn(const QString& text) const {
    if (prompter_)
        prompter_->showMessage(text);
}

QList<TppDataPipeline*> TppCustomReport::Pipelines() const {
    QList<TppDataPipeline*> pipelines;
    const auto add = [&](TppDataPipeline* pipeline) {
        if (pipeline && !pipelines.contains(pipeline))
            pipelines.append(pipeline);
    };
    add(pipeline_);
    if (const auto* detail = dynamic_cast<const TppDetailBand*>(GetBand(btDetail)))
        add(detail->OwnDataPipeline());
    for (const TppBand* band : bands_)
        for (const TppComponent* component : band->Objects())
            add(component->DataPipeline());
    return pipelines;
}

void TppCustomReport::InitializePipelines() {
    const QList<TppDataPipeline*> pipelines = Pipelines();
    for (TppDataPipeline* pipeline : pipelines)
        pipeline->InitializeTraversal(pipelines);
    if (pipeline_ && pipeline_->Active()) {
        pipeline_->ClearState();
        pipeline_->First();
    }
}

TppCommunicator* TppCustomReport::FindUserName(const QString& text) const {
    const auto matches = [&](const TppCommunicator* c) { return c->UserName().compare(text, Qt::CaseInsensitive) == 0; };
    if (matches(this))
        return const_cast<TppCustomReport*>(this);
    for (TppBand* band : bands_) {
        if (matches(band))
            return band;
        for (TppComponent* component : band->Objects())
            if (matches(component))
                return component;
    }
    for (TppGroup* group : groups_)
        if (matches(group))
            return group;
    if (!Owner())
        return nullptr;
    // Bands, components and groups owned elsewhere in the form belong to
    // other reports and do not count.
    for (OwnedComponent* component : Owner()->components()) {
        auto* communicator = dynamic_cast<TppCommunicator*>(component);
        if (!communicator || dynamic_cast<TppBand*>(component) || dynamic_cast<TppComponent*>(component) ||
            dynamic_cast<TppGroup*>(component))
            continue;
        if (matches(communicator))
            return communicator;
    }
    return nullptr;
}

QString TppCustomReport::ValidUserNameFor(const TppCommunicator* object) const {
    if (dynamic_cast<const TppBand*>(object) && !object->UserName().isEmpty())
        return object->UserName();
    const QString base = object->className().mid(3);
    for (int n = 1;; ++n) {
        const QString candidate = base + QString::number(n);
        const TppCommunicator* found = FindUserName(candidate);
        if (!found || found == object)
            return candidate;
    }
}

void TppCustomReport::Change() {
    if (isLoading() || isDestroying())
        return;
    modified_ = true;
    TppRelative::Change();
}

void TppCustomReport::Notify(TppCommunicator* sender, int operation) {
    TppRelative::Notify(sender, operation);
    if (operation == ppopRemove && sender == pipeline_) {
        // Without a pipeline nothing else would end the report.
        pipeline_ = nullptr;
        autoStop_ = true;
    }
}

void TppCustomReport::Loaded() {
    TppRelative::Loaded();
    if (!pendingPipelineName_.isEmpty()) {
        if (TppDataPipeline* pipeline = TppDataPipeline::FindByName(Owner(), pendingPipelineName_))
            SetDataPipeline(pipeline);
        pendingPipelineName_.clear();
    }
}

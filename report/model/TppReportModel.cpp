#include "TppReportModel.h"

#include "ClassBuilder.h"
#include "Prompter.h"
#include "TppBand.h"
#include "TppComponent.h"
#include "TppDataPipeline.h"
#include "TppDetailBand.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"

const ClassInfo& TppReportModel::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppReportModel>("TppReportModel", &TppRelative::staticClassInfo(), [](auto&) {});
    return info;
}

TppReportModel::TppReportModel(OwnedComponent* owner) : TppRelative(owner) {
    // The report hears its pipeline close, to mark cached pages stale.
    AddEventKind(ciPipelineClosing);
}

TppReportModel::~TppReportModel() {
    markDestroying();
    FreeChildren();
}

TppBand* TppReportModel::GetBand(int bandType, int groupIndex) const {
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

void TppReportModel::AddBand(TppBand* band) {
    if (bands_.contains(band))
        return;
    bands_.append(band);
    band->SetUnits(units_);
    // A group band that moves here with its group has that group's index
    // here, which its components store.
    for (TppComponent* component : band->Objects())
        component->RefreshBandType();
    SortBands();
    Change();
}

void TppReportModel::RemoveBand(TppBand* band) {
    if (bands_.removeOne(band) && !isDestroying()) {
        SortBands();
        Change();
    }
}

void TppReportModel::AddGroup(TppGroup* group) {
    if (groups_.contains(group))
        return;
    groups_.append(group);
    SortBands();
    Change();
}

void TppReportModel::RemoveGroup(TppGroup* group) {
    if (!groups_.removeOne(group) || isDestroying())
        return;
    // The remaining groups' bands have new indexes, and so their components.
    for (TppBand* band : bands_)
        for (TppComponent* component : band->Objects())
            component->RefreshBandType();
    SortBands();
    Change();
}

void TppReportModel::SortBands() {
    std::stable_sort(bands_.begin(), bands_.end(),
                     [](const TppBand* a, const TppBand* b) { return a->SortKey() < b->SortKey(); });
}

void TppReportModel::SetDataPipeline(TppDataPipeline* pipeline) {
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
            (group->DataPipeline() == old || group->BreakName().isEmpty() ||
             fitsNewPipeline(group->BreakName())))
            group->SetDataPipeline(pipeline);
    autoStop_ = pipeline == nullptr;
    Change();
}

void TppReportModel::SetAutoStop(bool value) {
    autoStop_ = value;
    Change();
}

void TppReportModel::SetUnits(TppUnitType units) {
    units_ = units;
    for (TppBand* band : bands_)
        band->SetUnits(units);
    for (TppGroup* group : groups_)
        group->SetUnits(units);
    Change();
}

QString TppReportModel::pipelineName() const {
    return pipeline_ ? pipeline_->Name() : QString();
}

void TppReportModel::SetPrinting(bool printing) {
    printing_ = printing;
    // The page style moves to the front of the list while printing.
    SortBands();
}

void TppReportModel::Warn(const QString& text) const {
    if (prompter_)
        prompter_->showMessage(text);
}

QList<TppDataPipeline*> TppReportModel::Pipelines() const {
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

void TppReportModel::InitializePipelines() {
    const QList<TppDataPipeline*> pipelines = Pipelines();
    for (TppDataPipeline* pipeline : pipelines)
        pipeline->InitializeTraversal(pipelines);
    if (pipeline_ && pipeline_->Active()) {
        pipeline_->ClearState();
        pipeline_->First();
    }
}

TppCommunicator* TppReportModel::FindUserName(const QString& text) const {
    const auto matches = [&](const TppCommunicator* c) {
        return c->UserName().compare(text, Qt::CaseInsensitive) == 0;
    };
    if (matches(this))
        return const_cast<TppReportModel*>(this);
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

QString TppReportModel::ValidUserNameFor(const TppCommunicator* object) const {
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

void TppReportModel::Change() {
    if (isLoading() || isDestroying())
        return;
    modified_ = true;
    TppRelative::Change();
}

void TppReportModel::Notify(TppCommunicator* sender, int operation) {
    TppRelative::Notify(sender, operation);
    if (operation == ppopRemove && sender == pipeline_) {
        // Without a pipeline nothing else would end the report.
        pipeline_ = nullptr;
        autoStop_ = true;
    }
}

void TppReportModel::Loaded() {
    TppRelative::Loaded();
    if (!pendingPipelineName_.isEmpty()) {
        if (TppDataPipeline* pipeline = TppDataPipeline::FindByName(Owner(), pendingPipelineName_))
            SetDataPipeline(pipeline);
        pendingPipelineName_.clear();
    }
}

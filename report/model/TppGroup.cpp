#include "TppGroup.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppComponent.h"
#include "TppDataPipeline.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"
#include "TppReportModel.h"
#include "TppResourceManager.h"
#include "Units.h"

const ClassInfo& TppGroup::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppGroup>("TppGroup", &TppCacheable::staticClassInfo(), [](auto& c) {
            c.property("BreakName", &TppGroup::BreakName, &TppGroup::SetBreakName);
            c.property("BreakType", &TppGroup::BreakType, &TppGroup::SetBreakType)
                .names(enumerationNames("TppBreakType"))
                .withDefault(btDataField);
            c.reference("DataPipeline", &TppGroup::DataPipeline, &TppGroup::SetDataPipeline);
            c.property("KeepTogether", &TppGroup::KeepTogether, &TppGroup::SetKeepTogether)
                .withDefault(false);
            c.property("NewColumn", &TppGroup::NewColumn, &TppGroup::SetNewColumn).withDefault(false);
            c.property("NewColumnThreshold", &TppGroup::NewColumnThreshold, &TppGroup::SetNewColumnThreshold)
                .notStored();
            c.property("NewPage", &TppGroup::NewPage, &TppGroup::SetNewPage).withDefault(false);
            c.property("NewPageThreshold", &TppGroup::NewPageThreshold, &TppGroup::SetNewPageThreshold)
                .notStored();
            c.property("ResetPageNo", &TppGroup::ResetPageNo, &TppGroup::SetResetPageNo).withDefault(false);
            c.property("ReprintOnSubsequentColumn", &TppGroup::ReprintOnSubsequentColumn,
                       &TppGroup::SetReprintOnSubsequentColumn)
                .withDefault(true);
            c.property("ReprintOnSubsequentPage", &TppGroup::ReprintOnSubsequentPage,
                       &TppGroup::SetReprintOnSubsequentPage)
                .withDefault(true);
            c.property("HeaderForOrphanedFooter", &TppGroup::HeaderForOrphanedFooter,
                       &TppGroup::SetHeaderForOrphanedFooter)
                .withDefault(true);
            c.object("OutlineSettings", [](TppGroup& g) -> Persistent* { return &g.OutlineSettings(); });
            c.property("Tag", &TppGroup::Tag, &TppGroup::SetTag).withDefault(0);
            c.property("UserName", &TppGroup::UserName, &TppGroup::SetUserName);
            c.event("BeforeGroupBreak", &TppGroup::BeforeGroupBreak);
            c.event("AfterGroupBreak", &TppGroup::AfterGroupBreak);
            c.event("OnGetBreakValue", &TppGroup::OnGetBreakValue);
            c.defined("mmNewColumnThreshold", PropertyKind::Integer, &TppGroup::mmNewColumnThreshold,
                      [](TppGroup& g, const QVariant& v) { g.newColumnThreshold_ = v.toInt(); });
            c.defined("mmNewPageThreshold", PropertyKind::Integer, &TppGroup::mmNewPageThreshold,
                      [](TppGroup& g, const QVariant& v) { g.newPageThreshold_ = v.toInt(); });
            c.defined(
                "DataPipelineName", PropertyKind::String,
                [](const TppGroup& g) { return g.pipeline_ ? g.pipeline_->Name() : QString(); },
                [](TppGroup& g, const QVariant& v) { g.pendingPipelineName_.set(v.toString()); });
            c.defined("FieldName", PropertyKind::String, nullptr,
                      [](TppGroup& g, const QVariant& v) { g.legacyFieldName_ = v.toString(); });
            c.defined("ReprintOnSubsequent", PropertyKind::Boolean, nullptr,
                      [](TppGroup& g, const QVariant& v) { g.legacyReprintOnSubsequent_ = v.toBool(); });
            c.defined("Threshold", PropertyKind::Single, nullptr,
                      [](TppGroup& g, const QVariant& v) { g.legacyThreshold_ = v.toFloat(); });
            for (const char* ignored : {"Left", "Top"})
                c.defined(ignored, PropertyKind::Integer, nullptr, [](TppGroup&, const QVariant&) {});
        });
    return info;
}

TppGroup::TppGroup(OwnedComponent* owner) : TppCacheable(owner) {
    outlineSettings_.OnChange = [this] {
        if (!isLoading() && report_)
            report_->MainReport()->Notify(this, ppopOutlineSettingsChanged);
    };
}

TppGroup::~TppGroup() {
    markDestroying();
    FreeChildren();
    SetReport(nullptr);
}

void TppGroup::SetReport(TppReportModel* report) {
    if (report == report_)
        return;
    if (report_)
        report_->RemoveGroup(this);
    report_ = report;
    SetParent(report);
    if (report_) {
        units_ = report_->Units();
        report_->AddGroup(this);
    }
    for (TppGroupBand* band :
         {static_cast<TppGroupBand*>(headerBand_), static_cast<TppGroupBand*>(footerBand_)})
        if (band)
            band->SetReport(report);
}

bool TppGroup::SetParentComponent(OwnedComponent* parent) {
    auto* report = dynamic_cast<TppReportModel*>(parent);
    if (!report)
        return false;
    SetReport(report);
    return true;
}

int TppGroup::GroupNo() const {
    return report_ ? int(report_->Groups().indexOf(this)) : -1;
}

void TppGroup::SetHeaderBand(TppGroupHeaderBand* band) {
    if (band == headerBand_)
        return;
    TppGroupHeaderBand* old = std::exchange(headerBand_, band);
    if (old && old->Group() == this)
        old->SetGroup(nullptr);
    if (band && band->Group() != this)
        band->SetGroup(this);
}

void TppGroup::SetFooterBand(TppGroupFooterBand* band) {
    if (band == footerBand_)
        return;
    TppGroupFooterBand* old = std::exchange(footerBand_, band);
    if (old && old->Group() == this)
        old->SetGroup(nullptr);
    if (band && band->Group() != this)
        band->SetGroup(this);
}

void TppGroup::CreateBands() {
    if (!headerBand_)
        (new TppGroupHeaderBand(Owner()))->SetGroup(this);
    if (!footerBand_)
        (new TppGroupFooterBand(Owner()))->SetGroup(this);
}

void TppGroup::SetBreakType(TppBreakType type) {
    if (!isLoading() && (!report_ || report_->Printing()))
        return;
    breakType_ = type;
    findBreakComponent();
    Change();
}

void TppGroup::SetBreakName(const QString& name) {
    breakName_ = name;
    if (!isLoading()) {
        findBreakComponent();
        if (breakType_ == btCustomField && !breakComponent_)
            breakName_.clear();
    }
    Change();
}

void TppGroup::setBreakComponent(TppComponent* component) {
    if (component == breakComponent_)
        return;
    if (breakComponent_)
        UnlinkFrom(breakComponent_);
    breakComponent_ = component;
    if (breakComponent_)
        LinkTo(breakComponent_);
}

void TppGroup::findBreakComponent() {
    TppComponent* found = nullptr;
    if (breakType_ == btCustomField && report_ && !breakName_.isEmpty()) {
        for (const TppBand* band : report_->Bands())
            for (TppComponent* component : band->Objects())
                if (component->IsTextComponent() &&
                    (component->UserName().compare(breakName_, Qt::CaseInsensitive) == 0 ||
                     component->Name().compare(breakName_, Qt::CaseInsensitive) == 0))
                    found = found ? found : component;
    }
    setBreakComponent(found);
}

void TppGroup::SetDataPipeline(TppDataPipeline* pipeline) {
    if (pipeline == pipeline_)
        return;
    if (pipeline_)
        pipeline_->UnsubscribeEvents(this);
    pipeline_ = pipeline;
    if (pipeline_)
        pipeline_->SubscribeEvents(this);
    Change();
}

void TppGroup::SetKeepTogether(bool value) {
    keepTogether_ = value;
    if (value)
        newPage_ = newColumn_ = false;
    keptTogether_ = false;
    Change();
}

void TppGroup::SetNewPage(bool value) {
    newPage_ = value;
    if (value)
        keepTogether_ = false;
    Change();
}

void TppGroup::SetNewColumn(bool value) {
    newColumn_ = value;
    if (value)
        keepTogether_ = false;
    Change();
}

void TppGroup::SetmmNewPageThreshold(int value) {
    newPageThreshold_ = value;
    Change();
}

void TppGroup::SetmmNewColumnThreshold(int value) {
    newColumnThreshold_ = value;
    Change();
}

float TppGroup::NewPageThreshold() const {
    return UnitsFromMM(newPageThreshold_, units_, Axis::Vertical);
}
void TppGroup::SetNewPageThreshold(float value) {
    SetmmNewPageThreshold(UnitsToMM(value, units_, Axis::Vertical));
}
float TppGroup::NewColumnThreshold() const {
    return UnitsFromMM(newColumnThreshold_, units_, Axis::Vertical);
}
void TppGroup::SetNewColumnThreshold(float value) {
    SetmmNewColumnThreshold(UnitsToMM(value, units_, Axis::Vertical));
}

void TppGroup::SetResetPageNo(bool value) {
    resetPageNo_ = value;
    Change();
}

void TppGroup::SetReprintOnSubsequentPage(bool value) {
    reprintOnSubsequentPage_ = value;
    Change();
}

void TppGroup::SetReprintOnSubsequentColumn(bool value) {
    reprintOnSubsequentColumn_ = value;
    Change();
}

void TppGroup::SetHeaderForOrphanedFooter(bool value) {
    headerForOrphanedFooter_ = value;
    Change();
}

QString TppGroup::GetBreakValue() {
    QString value = breakValue_;
    if (breakType_ == btDataField && pipeline_)
        value = pipeline_->GetFieldAsString(breakName_);
    else if (breakType_ == btCustomField && breakComponent_)
        value = breakComponent_->Text();
    OnGetBreakValue(this, value);
    TppEventParams params{value};
    BroadcastEvent(this, ciGroupGetBreakValue, &params);
    return params.value(0).toString();
}

void TppGroup::CheckForBreak() {
    priorValue_ = breakValue_;
    breakValue_ = GetBreakValue();
    if (breakValue_ != priorValue_ || (pipeline_ && pipeline_->HasState(NoRecords)))
        Break();
}

void TppGroup::Break() {
    breaking_ = true;
    if (headerBand_)
        headerBand_->SetPendingBreak(true);
    if (footerBand_)
        footerBand_->SetPendingBreak(true);
    BroadcastEvent(this, ciGroupBreakReset);
}

void TppGroup::ResetBreak() {
    breakNo_ = 0;
    firstPageNo_ = 1;
    lastPageNo_ = 1;
    firstColumn_ = 1;
    breakValue_ = GetBreakValue();
    priorValue_ = breakValue_;
    breaking_ = false;
    BroadcastEvent(this, ciGroupBreakReset);
}

void TppGroup::RefreshBreakValue() {
    breakValue_ = GetBreakValue();
    priorValue_ = breakValue_;
}

void TppGroup::DoBeforeGroupBreak() {
    BeforeGroupBreak(this);
    BroadcastEvent(this, ciGroupBeforeBreak);
}

void TppGroup::DoAfterGroupBreak() {
    AfterGroupBreak(this);
    BroadcastEvent(this, ciGroupAfterBreak);
    keptTogether_ = false;
    ++breakNo_;
}

void TppGroup::DoBeforeHeader() {
    BroadcastEvent(this, ciGroupBeforeHeader);
}

void TppGroup::DoBeforeFooter() {
    BroadcastEvent(this, ciGroupBeforeFooter);
}

QString TppGroup::Description() {
    QString what;
    if (breakType_ == btDataField)
        what = pipeline_ ? pipeline_->GetFieldAlias(breakName_) : breakName_;
    else if (breakComponent_)
        what = breakComponent_->UserName();
    return LanguageString(kMsgGroup) + QStringLiteral(" [%1]: ").arg(GroupNo()) + what;
}

void TppGroup::ConvertLegacy(int versionNumber) {
    if (versionNumber < 1270 && !legacyFieldName_.isEmpty())
        breakName_ = legacyFieldName_;
    if (versionNumber <= 2096) {
        newColumn_ = newPage_;
        if (legacyReprintOnSubsequent_)
            reprintOnSubsequentPage_ = reprintOnSubsequentColumn_ = *legacyReprintOnSubsequent_;
        if (legacyThreshold_)
            newPageThreshold_ = newColumnThreshold_ = UnitsToMM(*legacyThreshold_, units_, Axis::Vertical);
    }
}

void TppGroup::Notify(TppCommunicator* sender, int operation) {
    TppCacheable::Notify(sender, operation);
    if (operation != ppopRemove)
        return;
    if (sender == pipeline_)
        pipeline_ = nullptr;
    if (sender == breakComponent_)
        breakComponent_ = nullptr;
    if (sender == headerBand_)
        headerBand_ = nullptr;
    if (sender == footerBand_)
        footerBand_ = nullptr;
}

void TppGroup::Loaded() {
    TppCacheable::Loaded();
    if (TppDataPipeline* named = pendingPipelineName_.take(Owner()))
        SetDataPipeline(named);
    findBreakComponent();
}

void TppGroup::CacheFields(CacheRecord& record) {
    TppCacheable::CacheFields(record);
    record.field(firstPageNo_);
    record.field(lastPageNo_);
    record.field(breaking_);
    record.field(breakNo_);
    record.field(firstColumn_);
    record.field(keptTogether_);
}

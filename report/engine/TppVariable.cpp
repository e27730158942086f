#include "TppVariable.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "DateTimeDays.h"
#include "EnumerationNames.h"
#include "PagewrightErrors.h"
#include "TextEnvironment.h"
#include "TppBand.h"
#include "TppBandedReport.h"
#include "TppCustomEngine.h"
#include "TppDataPipeline.h"
#include "TppDisplayFormat.h"
#include "TppDrawVariable.h"
#include "TppGroup.h"
#include "TppLookAheadList.h"

#include <algorithm>

namespace {

// The event kind each TppVarEventType stands for.
constexpr int kEventKinds[] = {ciEngineTraversal, ciPipelineTraversal, ciReportStartPage,
                               ciReportEndPage,   ciReportStartColumn, ciReportEndColumn,
                               ciReportStart,     ciReportEnd,         ciGroupBeforeBreak,
                               ciGroupAfterBreak, ciGroupBeforeHeader, ciGroupBeforeFooter};

int eventKindOf(TppVarEventType type) {
    return type >= veTraversal && type <= veGroupBeforeFooter ? kEventKinds[type] : -1;
}

bool raisedByEngine(TppVarEventType type) {
    return type == veTraversal || type == veReportStart || type == veReportEnd;
}

bool raisedByReport(TppVarEventType type) {
    return type >= vePageStart && type <= veColumnEnd;
}

bool isGroupKind(TppVarEventType type) {
    return type >= veGroupStart && type <= veGroupBeforeFooter;
}

bool endsPageOrColumn(TppVarEventType type) {
    return type == vePageEnd || type == veColumnEnd;
}

double nowInDays(const TppComponent& component) {
    auto* report = dynamic_cast<TppBandedReport*>(component.Report());
    return daysFromDateTime(report ? report->Now() : QDateTime::currentDateTime());
}

} // namespace

const ClassInfo& TppVariable::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppVariable>("TppVariable", &TppCustomVariable::staticClassInfo(), [](auto& c) {
            using T = TppVariable;
            c.property("CalcOrder", &T::CalcOrder, &T::SetCalcOrder).withDefault(-1);
            c.reference("CalcComponent", &T::CalcComponent, &T::SetCalcComponent).storedWhen([](const T& v) {
                return v.calcType_ == veDataPipelineTraversal || isGroupKind(v.calcType_);
            });
            c.property("CalcType", &T::CalcType, &T::SetCalcType)
                .names(enumerationNames("TppVarEventType"))
                .withDefault(veTraversal);
            c.property("DataType", &T::DataType, &T::SetDataType)
                .names(enumerationNames("TppDataType"))
                .withDefault(dtString);
            c.property("LookAhead", &T::LookAhead, &T::SetLookAhead).withDefault(false);
            c.event("OldOnCalc", &T::OldOnCalc);
            c.event("OnCalc", &T::OnCalc);
            c.event("OnFormat", &T::OnFormat);
            c.event("OnReset", &T::OnReset);
            c.reference("ResetComponent", &T::ResetComponent, &T::SetResetComponent)
                .storedWhen([](const T& v) {
                    return v.resetType_ == veDataPipelineTraversal || isGroupKind(v.resetType_);
                });
            c.property("ResetType", &T::ResetType, &T::SetResetType)
                .names(enumerationNames("TppVarEventType"))
                .withDefault(veReportEnd);
            // The pipelines of the traversal kinds by name, for layouts that
            // hold the pipeline outside themselves.
            c.defined(
                 "CalcDataPipelineName", PropertyKind::String,
                 [](const T& v) {
                     auto* pipeline = dynamic_cast<TppDataPipeline*>(v.calcComponent_);
                     return pipeline ? pipeline->Name() : QString();
                 },
                 [](T& v, const QVariant& name) { v.calcPipelineName_.set(name.toString()); })
                .writtenWhen([](const T& v) {
                    return v.calcType_ == veDataPipelineTraversal &&
                           dynamic_cast<TppDataPipeline*>(v.calcComponent_);
                });
            c.defined(
                 "ResetDataPipelineName", PropertyKind::String,
                 [](const T& v) {
                     auto* pipeline = dynamic_cast<TppDataPipeline*>(v.resetComponent_);
                     return pipeline ? pipeline->Name() : QString();
                 },
                 [](T& v, const QVariant& name) { v.resetPipelineName_.set(name.toString()); })
                .writtenWhen([](const T& v) {
                    return v.resetType_ == veDataPipelineTraversal &&
                           dynamic_cast<TppDataPipeline*>(v.resetComponent_);
                });
        });
    return info;
}

TppVariable::TppVariable(OwnedComponent* owner) : TppCustomVariable(owner) {
    bindEvents();
}

TppVariable::~TppVariable() {
    markDestroying();
}

void TppVariable::SetDataType(TppDataType type) {
    if (type < dtBoolean || type > dtString)
        return;
    dataType_ = type;
    AdjustBounds();
    Change();
}

void TppVariable::SetCalcType(TppVarEventType type) {
    calcType_ = type;
    bindEvents();
    Change();
}

void TppVariable::SetResetType(TppVarEventType type) {
    resetType_ = type;
    bindEvents();
    Change();
}

void TppVariable::bindEvents() {
    calcKind_ = eventKindOf(calcType_);
    resetKind_ = eventKindOf(resetType_);
    AddEventKind(calcKind_);
    AddEventKind(resetKind_);
}

void TppVariable::subscribeTo(TppCommunicator* component) {
    if (component)
        component->SubscribeEvents(this);
}

// The calc and reset components may be one object: it keeps the variable as
// long as either side names it.
void TppVariable::replaceComponent(TppCommunicator*& side, TppCommunicator* other,
                                   TppCommunicator* component) {
    if (side == component)
        return;
    if (side && side != other)
        side->UnsubscribeEvents(this);
    side = component;
    subscribeTo(component);
}

void TppVariable::SetCalcComponent(TppCommunicator* component) {
    replaceComponent(calcComponent_, resetComponent_, component);
    Change();
}

void TppVariable::SetResetComponent(TppCommunicator* component) {
    replaceComponent(resetComponent_, calcComponent_, component);
    Change();
}

int TppVariable::CalcOrder() const {
    if (isLoading() && pendingCalcOrder_ >= 0)
        return pendingCalcOrder_;
    return Band() ? int(Band()->Variables().indexOf(const_cast<TppVariable*>(this))) : -1;
}

void TppVariable::SetCalcOrder(int order) {
    if (isLoading() || !Band()) {
        pendingCalcOrder_ = order;
        return;
    }
    pendingCalcOrder_ = -1;
    const QList<TppComponent*>& variables = Band()->Variables();
    QList<int> orders(variables.size(), -1);
    orders[variables.indexOf(this)] = std::clamp(order, 0, int(variables.size()) - 1);
    Band()->OrderVariables(orders);
    Change();
}

void TppVariable::SetLookAhead(bool value) {
    if (Report() && Report()->Printing())
        return;
    lookAhead_ = value;
    if (value && !isLoading())
        if (auto* report = dynamic_cast<TppCustomReport*>(Report()))
            report->SetPassSetting(psTwoPass);
    Change();
}

QString TppVariable::SubscriberSortKey() const {
    if (!Band())
        return QString();
    return Band()->SortKey() + QStringLiteral("%1").arg(CalcOrder(), 8);
}

void TppVariable::Loaded() {
    TppCustomVariable::Loaded();
    if (!calcComponent_)
        if (TppDataPipeline* pipeline = calcPipelineName_.take(Owner()))
            SetCalcComponent(pipeline);
    if (!resetComponent_)
        if (TppDataPipeline* pipeline = resetPipelineName_.take(Owner()))
            SetResetComponent(pipeline);
    if (pendingCalcOrder_ < 0 || !Band())
        return;
    // Every variable of the band in the order it was read, each with the
    // order it asks for; the band places them once all have theirs.
    QList<int> orders;
    for (TppComponent* component : Band()->Variables()) {
        auto* variable = dynamic_cast<TppVariable*>(component);
        orders << (variable && variable->pendingCalcOrder_ >= 0 ? variable->pendingCalcOrder_
                                                                : int(orders.size()));
    }
    Band()->OrderVariables(orders);
}

void TppVariable::Notify(TppCommunicator* sender, int operation) {
    TppCustomVariable::Notify(sender, operation);
    if (operation != ppopRemove)
        return;
    if (sender == calcComponent_)
        calcComponent_ = nullptr;
    if (sender == resetComponent_)
        resetComponent_ = nullptr;
}

// Values --------------------------------------------------------------------

QVariant TppVariable::Value() const {
    if (isDesigning() && !reportPrinting(*this))
        return UserName();
    return slots_.ValueOf(dataType_);
}

void TppVariable::SetValue(const QVariant& value) {
    store(value);
}

void TppVariable::store(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return;
    slots_.Store(dataType_, value);
    if (!reportPrinting(*this))
        Change();
}

void TppVariable::storeTyped(TppDataType type) {
    dataType_ = type;
    if (!reportPrinting(*this))
        Change();
}

QDateTime TppVariable::AsDateTime() const {
    return dateTimeFromDays(slots_.dateTime);
}

void TppVariable::SetAsBoolean(bool value) {
    slots_.boolean = value;
    storeTyped(dtBoolean);
}

void TppVariable::SetAsChar(QChar value) {
    slots_.character = value.unicode();
    storeTyped(dtChar);
}

void TppVariable::SetAsCurrency(double value) {
    slots_.Store(dtCurrency, value);
    storeTyped(dtCurrency);
}

void TppVariable::SetAsDateTime(const QDateTime& value) {
    slots_.dateTime = daysFromDateTime(value);
    storeTyped(dtDateTime);
}

void TppVariable::SetAsDate(const QDate& value) {
    SetAsDateTime(QDateTime(value, QTime(0, 0), Qt::UTC));
}

void TppVariable::SetAsTime(const QTime& value) {
    SetAsDateTime(QDateTime(QDate(1899, 12, 30), value, Qt::UTC));
}

void TppVariable::SetAsDouble(double value) {
    slots_.number = value;
    storeTyped(dtDouble);
}

void TppVariable::SetAsExtended(long double value) {
    slots_.extended = value;
    storeTyped(dtExtended);
}

void TppVariable::SetAsInteger(int value) {
    slots_.integer = value;
    dataType_ = dtInteger;
    if (!reportPrinting(*this))
        Change();
}

void TppVariable::SetAsSingle(float value) {
    slots_.single = value;
    storeTyped(dtSingle);
}

void TppVariable::SetAsString(const QString& value) {
    slots_.string = value;
    storeTyped(dtString);
}

// Generation ----------------------------------------------------------------

TppCommunicator* TppVariable::componentFor(TppVarEventType type, TppCommunicator* chosen) const {
    auto* report = dynamic_cast<TppCustomReport*>(Report());
    if (raisedByEngine(type))
        return report ? report->Engine() : nullptr;
    if (raisedByReport(type))
        return report;
    return chosen;
}

void TppVariable::InitForReport() {
    TppCustomVariable::InitForReport();
    bindEvents();
    // Subscribed anew: the place among the subscribers follows CalcOrder,
    // which may have changed since the last run.
    for (TppCommunicator* component : {calcComponent_, resetComponent_})
        if (component)
            component->UnsubscribeEvents(this);
    calcComponent_ = componentFor(calcType_, calcComponent_);
    resetComponent_ = componentFor(resetType_, resetComponent_);
    subscribeTo(calcComponent_);
    subscribeTo(resetComponent_);
    slots_.Clear(nowInDays(*this));
    cacheRewrite_.Forget();
    lookAheadList_.reset();
    auto* report = dynamic_cast<TppCustomReport*>(Report());
    if (lookAhead_ && report && report->PassSetting() == psTwoPass) {
        lookAheadList_ = std::make_unique<TppLookAheadList>(*this);
        AddEventKind(ciReportEnd);
        subscribeTo(report->Engine());
    }
}

void TppVariable::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppCustomVariable::EventNotify(sender, kind, params);
    if (sender && sender == resetComponent_ && kind == resetKind_)
        ResetValue();
    if (sender && sender == calcComponent_ && kind == calcKind_)
        ComputeValue();
    // The report's values are all known: what pages still await keeps its text.
    if (kind == ciReportEnd && lookAheadList_ && sender == engineOf(*this))
        lookAheadList_->Release();
}

// The handler of code, then the script handlers, which hear the value as
// their one parameter; a value either changes is stored.
void TppVariable::runHandlers(TppEvent<TppCommunicator*, QVariant&>& handler, bool legacy, int kind) {
    QVariant value = Value();
    if (handler) {
        const QVariant before = value;
        handler(this, value);
        if (valueChanged(before, value))
            store(value);
    } else if (legacy) {
        // The older handler sets the value through the accessors itself.
        if (OldOnCalc)
            OldOnCalc(this);
        BroadcastEvent(this, ciVariableOldCalc);
    }
    value = Value();
    TppEventParams params{value};
    BroadcastEvent(this, kind, &params);
    if (!params.isEmpty() && valueChanged(value, params.first()))
        store(params.first());
}

void TppVariable::ComputeValue() {
    if (!reportPrinting(*this))
        return;
    runHandlers(OnCalc, true, ciVariableCalc);
    rewriteCacheAtEnd(calcType_);
    if (lookAheadList_ && inFirstPass(*this))
        lookAheadList_->Store(GetLookAheadKey(), valueSerial(), Text());
}

void TppVariable::ResetValue() {
    ResetOnCompute = true;
    slots_.Clear(nowInDays(*this));
    if (!reportPrinting(*this))
        return;
    runHandlers(OnReset, false, ciVariableReset);
    rewriteCacheAtEnd(resetType_);
}

void TppVariable::rewriteCacheAtEnd(TppVarEventType type) {
    if (!endsPageOrColumn(type))
        return;
    if (auto* report = dynamic_cast<TppCustomReport*>(Report()))
        cacheRewrite_.Rewrite(*this, report->AbsolutePageNo());
}

// Look-ahead ----------------------------------------------------------------

int TppVariable::valueSerial() const {
    if (auto* pipeline = dynamic_cast<TppDataPipeline*>(calcComponent_))
        return pipeline->TraversalCount();
    auto* report = dynamic_cast<TppBandedReport*>(Report());
    if (!report)
        return 0;
    if (const TppBand* detail = report->DetailBand(); detail && detail->DataPipeline())
        return detail->DataPipeline()->TraversalCount();
    return report->DataPipeline() ? report->DataPipeline()->TraversalCount() : 0;
}

int TppVariable::scopeNumber() const {
    auto* report = dynamic_cast<TppCustomReport*>(Report());
    switch (resetType_) {
    case veTraversal:
        return valueSerial();
    case veDataPipelineTraversal: {
        auto* pipeline = dynamic_cast<TppDataPipeline*>(resetComponent_);
        return pipeline ? pipeline->TraversalCount() : 0;
    }
    case vePageStart:
    case vePageEnd:
    case veColumnStart:
    case veColumnEnd:
        return report ? report->AbsolutePageNo() : 0;
    case veReportStart:
    case veReportEnd:
        return 0;
    default: {
        auto* group = dynamic_cast<TppGroup*>(resetComponent_);
        return group ? group->BreakNo() : 0;
    }
    }
}

QString TppVariable::GetLookAheadKey() const {
    const bool byColumn = resetType_ == veColumnStart || resetType_ == veColumnEnd;
    const TppCustomEngine* engine = engineOf(*this);
    return lookAheadKey(*this, scopeNumber(), byColumn && engine ? engine->CurrentColumn : 0);
}

QString TppVariable::GetLookAheadValue(const QString& key) const {
    return lookAheadList_ ? lookAheadList_->TextFor(key).value_or(QStringLiteral("0")) : QStringLiteral("0");
}

// Text and drawing ------------------------------------------------------------

QString TppVariable::RawText() const {
    if (isDesigning() && !reportPrinting(*this))
        return UserName();
    const QVariant value = slots_.ValueOf(dataType_);
    const QString format = OnFormat || FormatHeard() ? QString() : DisplayFormat();
    QString text;
    try {
        text = FormatValue(format, dataType_, value, localeSettingsOf(*this));
    } catch (const EConvertError&) {
        text = value.toString();
    }
    OnFormat(const_cast<TppVariable*>(this), DisplayFormat(), dataType_, value, text);
    BroadcastFormat(DisplayFormat(), dataType_, value, text);
    return text;
}

const ClassInfo* TppVariable::CommandClass() const {
    return &TppDrawVariable::staticClassInfo();
}

void TppVariable::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppCustomVariable::PropertiesToDrawCommand(command);
    if (lookAheadList_)
        lookAheadList_->Draw(command, GetLookAheadKey(), inFirstPass(*this));
}

// The page state --------------------------------------------------------------

void TppVariable::CacheFields(CacheRecord& record) {
    TppCustomVariable::CacheFields(record);
    record.field(ResetOnCompute);
    slots_.CacheFields(record);
}

void TppVariable::SaveToCache(int page) {
    TppCustomVariable::SaveToCache(page);
    pageTexts_.Save(*this, page, slots_.string);
    cacheRewrite_.Saved(page);
}

void TppVariable::LoadFromCache(int page) {
    TppCustomVariable::LoadFromCache(page);
    pageTexts_.Load(*this, page, slots_.string);
}

void TppVariable::PagesDiscarded(int page) {
    TppCustomVariable::PagesDiscarded(page);
    pageTexts_.Discard(*this, page);
}

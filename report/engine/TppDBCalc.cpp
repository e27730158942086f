#include "TppDBCalc.h"

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
#include "TppResourceManager.h"

#include <algorithm>

namespace {

bool isDateType(TppDataType type) {
    return type == dtDate || type == dtTime || type == dtDateTime;
}

// A field value as a number to compute with: nulls, texts and flags count as 0.
double numberOf(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return daysFromDateTime(value.toDateTime());
    case QMetaType::QTime:
        return daysFromDateTime(QDateTime(QDate(1899, 12, 30), value.toTime(), Qt::UTC));
    default:
        return 0;
    }
}

bool inPageBand(const TppComponent& component, std::initializer_list<int> codes) {
    const TppBand* band = component.Band();
    return band && std::find(codes.begin(), codes.end(), band->BandTypeCode()) != codes.end();
}

} // namespace

const ClassInfo& TppDBCalc::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDBCalc>("TppDBCalc", &TppDBText::staticClassInfo(), [](auto& c) {
            using T = TppDBCalc;
            c.property("DBCalcType", &T::DBCalcType, &T::SetDBCalcType)
                .names(enumerationNames("TppDBCalcType"))
                .withDefault(dcSum);
            c.property("LookAhead", &T::LookAhead, &T::SetLookAhead).withDefault(false);
            c.event("OnCalc", &T::OnCalc);
            c.event("OnGroupBreak", &T::OnGroupBreak);
        });
    return info;
}

TppDBCalc::TppDBCalc(OwnedComponent* owner) : TppDBText(owner) {
    AddEventKind(ciGroupAfterBreak);
}

TppDBCalc::~TppDBCalc() {
    markDestroying();
}

void TppDBCalc::SetDBCalcType(TppDBCalcType type) {
    calcType_ = type;
    AdjustBounds();
    Change();
}

void TppDBCalc::SetLookAhead(bool value) {
    if (Report() && Report()->Printing())
        return;
    lookAhead_ = value;
    if (value && !isLoading())
        if (auto* report = dynamic_cast<TppCustomReport*>(Report()))
            report->SetPassSetting(psTwoPass);
    Change();
}

double TppDBCalc::Result() const {
    if (calcType_ != dcAverage)
        return value_;
    return divisor_ != 0 ? value_ / divisor_ : 0;
}

TppDataType TppDBCalc::ResultType() const {
    if (calcType_ == dcCount)
        return dtInteger;
    TppDataPipeline* pipeline = DataPipeline();
    if (pipeline && !DataField().isEmpty()) {
        try {
            if (isDateType(pipeline->GetFieldDataType(DataField())))
                return dtDateTime;
        } catch (const Exception&) {
        }
    }
    return dtDouble;
}

// Generation ----------------------------------------------------------------

void TppDBCalc::InitForReport() {
    TppDBText::InitForReport();
    ResetValue();
    cacheRewrite_.Forget();
    lookAheadList_.reset();
    auto* report = dynamic_cast<TppCustomReport*>(Report());
    if (lookAhead_ && report && report->PassSetting() == psTwoPass) {
        lookAheadList_ = std::make_unique<TppLookAheadList>(*this);
        AddEventKind(ciReportEnd);
    }
}

void TppDBCalc::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    // Not the data text's own reactions: a calculation refreshes when it
    // computes, and starts over after its group, not at the break.
    TppCustomText::EventNotify(sender, kind, params); // NOLINT(bugprone-parent-virtual-call)
    if (kind == ciEngineTraversal)
        ComputeValue();
    else if (kind == ciGroupAfterBreak && sender && sender == static_cast<TppCommunicator*>(ResetGroup()))
        ResetValue();
    else if (kind == ciReportEnd && lookAheadList_ && sender == engineOf(*this))
        lookAheadList_->Release();
}

double TppDBCalc::fieldValue() {
    if (ResetOnCompute)
        OnGroupBreak(this);
    TppDataPipeline* pipeline = DataPipeline();
    if (!pipeline || DataField().isEmpty())
        return 0;
    try {
        return numberOf(pipeline->GetFieldValue(DataField()));
    } catch (const Exception&) {
        return 0;
    }
}

void TppDBCalc::ComputeValue() {
    TppDataPipeline* pipeline = DataPipeline();
    if (pipeline && pipeline->HasState(NoRecords)) {
        value_ = 0;
    } else {
        const double x = fieldValue();
        divisor_ += 1;
        switch (calcType_) {
        case dcCount:
            value_ = divisor_;
            break;
        case dcSum:
        case dcAverage:
            value_ += x;
            break;
        case dcMinimum:
            if (ResetOnCompute || x < value_)
                value_ = x;
            break;
        case dcMaximum:
            if (ResetOnCompute || x > value_)
                value_ = x;
            break;
        }
    }
    RecordAdvanced();
    OnCalc(this);
    BroadcastEvent(this, ciVariableCalc);
    if (lookAheadList_ && inFirstPass(*this))
        lookAheadList_->Store(GetLookAheadKey(), valueSerial(), Text());
}

void TppDBCalc::ResetValue() {
    ResetGroupBroke();
    value_ = 0;
    divisor_ = 0;
    if (inPageBand(*this, {btFooter, btColumnFooter}))
        if (auto* report = dynamic_cast<TppCustomReport*>(Report()))
            cacheRewrite_.Rewrite(*this, report->AbsolutePageNo());
}

// Look-ahead ----------------------------------------------------------------

int TppDBCalc::valueSerial() const {
    if (const TppDataPipeline* pipeline = DataPipeline())
        return pipeline->TraversalCount();
    if (const TppGroup* group = ResetGroup(); group && group->DataPipeline())
        return group->DataPipeline()->TraversalCount();
    auto* report = dynamic_cast<TppBandedReport*>(Report());
    if (!report)
        return 0;
    if (const TppBand* detail = report->DetailBand(); detail && detail->DataPipeline())
        return detail->DataPipeline()->TraversalCount();
    return report->DataPipeline() ? report->DataPipeline()->TraversalCount() : 0;
}

QString TppDBCalc::GetLookAheadKey() const {
    if (const TppGroup* group = ResetGroup())
        return lookAheadKey(*this, group->BreakNo(), 0);
    auto* report = dynamic_cast<TppCustomReport*>(Report());
    const int page = report && inPageBand(*this, {btHeader, btColumnHeader, btColumnFooter, btFooter})
                         ? report->AbsolutePageNo()
                         : 0;
    const TppCustomEngine* engine = engineOf(*this);
    const int column =
        engine && inPageBand(*this, {btColumnHeader, btColumnFooter}) ? engine->CurrentColumn : 0;
    return lookAheadKey(*this, page, column);
}

QString TppDBCalc::GetLookAheadValue(const QString& key) const {
    return lookAheadList_ ? lookAheadList_->TextFor(key).value_or(QStringLiteral("0")) : QStringLiteral("0");
}

// Text and drawing ------------------------------------------------------------

QString TppDBCalc::designText() const {
    const QString name = LanguageString(kMsgCalcCount + int(calcType_));
    if (DataField().isEmpty())
        return name + (calcType_ == dcCount ? QStringLiteral("(*)") : QStringLiteral("(?)"));
    const QString alias = DataPipeline() ? DataPipeline()->GetFieldAlias(DataField()) : QString();
    return name + u'(' + (alias.isEmpty() ? DataField() : alias) + u')';
}

QString TppDBCalc::RawText() const {
    if (!reportPrinting(*this))
        return designText();
    const double result = Result();
    if (BlankWhenZero() && result == 0)
        return QString();
    const TppDataType type = ResultType();
    QString text;
    if (!(type == dtDateTime && result == 0)) {
        try {
            text = FormatValue(DisplayFormat(), type,
                               type == dtInteger ? QVariant(qint64(result)) : QVariant(result),
                               localeSettingsOf(*this));
        } catch (const EConvertError&) {
            text = QString::number(result);
        }
    }
    OnFormat(const_cast<TppDBCalc*>(this), DisplayFormat(), type, result, text);
    BroadcastFormat(DisplayFormat(), type, result, text);
    return text;
}

const ClassInfo* TppDBCalc::CommandClass() const {
    return &TppDrawVariable::staticClassInfo();
}

void TppDBCalc::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppDBText::PropertiesToDrawCommand(command);
    command.SetDataType(ResultType());
    if (lookAheadList_)
        lookAheadList_->Draw(command, GetLookAheadKey(), inFirstPass(*this));
}

// The page state --------------------------------------------------------------

void TppDBCalc::CacheFields(CacheRecord& record) {
    TppDBText::CacheFields(record);
    record.field(value_);
    record.field(divisor_);
}

void TppDBCalc::SaveToCache(int page) {
    TppDBText::SaveToCache(page);
    cacheRewrite_.Saved(page);
}

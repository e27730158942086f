#include "TppDBText.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "DateTimeDays.h"
#include "PagewrightErrors.h"
#include "TextEnvironment.h"
#include "TppCustomReport.h"
#include "TppDataPipeline.h"
#include "TppDisplayFormat.h"
#include "TppGroup.h"

namespace {

bool isZeroable(TppDataType type) {
    switch (type) {
    case dtInteger:
    case dtLongint:
    case dtLargeInt:
    case dtSingle:
    case dtDouble:
    case dtExtended:
    case dtCurrency:
    case dtDate:
    case dtTime:
    case dtDateTime:
        return true;
    default:
        return false;
    }
}

// Checked only for numeric and date fields, so a text field holding "0" is no zero.
bool isZero(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return daysFromDateTime(value.toDateTime()) == 0;
    case QMetaType::QTime:
        return value.toTime() == QTime(0, 0);
    default: {
        bool ok = false;
        const double number = value.toDouble(&ok);
        return ok && number == 0;
    }
    }
}

} // namespace

const ClassInfo& TppDBText::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDBText>("TppDBText", &TppCustomText::staticClassInfo(), [](auto& c) {
            using T = TppDBText;
            c.property("BlankWhenZero", &T::BlankWhenZero, &T::SetBlankWhenZero).withDefault(false);
            c.property("DataField", &T::DataField, &T::SetDataField);
            c.reference("DataPipeline", &T::DataPipeline, &T::SetDataPipeline);
            c.event("OnFormat", &T::OnFormat);
            c.property("ReprintOnSubsequent", &T::ReprintOnSubsequent, &T::SetReprintOnSubsequent)
                .withDefault(false);
            c.reference("ResetGroup", &T::ResetGroup, &T::SetResetGroup);
            c.property("SuppressRepeatedValues", &T::SuppressRepeatedValues, &T::SetSuppressRepeatedValues)
                .withDefault(false);
        });
    return info;
}

TppDBText::TppDBText(OwnedComponent* owner) : TppCustomText(owner) {}

TppDBText::~TppDBText() {
    markDestroying();
}

void TppDBText::SetDataField(const QString& field) {
    dataField_ = field;
    Change();
}

void TppDBText::SetBlankWhenZero(bool value) {
    blankWhenZero_ = value;
    Change();
}

void TppDBText::SetSuppressRepeatedValues(bool value) {
    suppressRepeatedValues_ = value;
    Change();
}

void TppDBText::SetReprintOnSubsequent(bool value) {
    reprintOnSubsequent_ = value;
    Change();
}

QString TppDBText::RawText() const {
    if (!dataAvailable(*this)) {
        if (reportPrinting(*this))
            return QString();
        if (dataField_.isEmpty())
            return UserName();
        const QString alias = DataPipeline() ? DataPipeline()->GetFieldAlias(dataField_) : QString();
        return alias.isEmpty() ? dataField_ : alias;
    }
    TppDataPipeline* pipeline = DataPipeline();
    QString text;
    QVariant value;
    TppDataType type = dtString;
    try {
        type = pipeline->GetFieldDataType(dataField_);
        value = pipeline->GetFieldValue(dataField_);
        // A data or conversion error leaves the text empty; generation goes on. A blank zero, an
        // empty or a null value is an empty text that the format handler still sees and may fill.
        const bool blank = (blankWhenZero_ && isZeroable(type) && isZero(value)) || value.isNull() ||
                           (value.typeId() == QMetaType::QString && value.toString().isEmpty());
        const QString format = OnFormat || FormatHeard() ? QString() : DisplayFormat();
        if (!blank)
            text = FormatValue(format, type, value, localeSettingsOf(*this));
    } catch (const Exception&) {
        return QString();
    }
    OnFormat(const_cast<TppDBText*>(this), DisplayFormat(), type, value, text);
    BroadcastFormat(DisplayFormat(), type, value, text);
    return text;
}

int TppDBText::absolutePageNo() const {
    auto* report = dynamic_cast<TppCustomReport*>(Report());
    return report ? report->AbsolutePageNo() : 0;
}

void TppDBText::InitForReport() {
    TppCustomText::InitForReport();
    Repeated.Reset();
    listenToGeneration(*this);
}

void TppDBText::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppCustomText::EventNotify(sender, kind, params);
    if (kind == ciEngineTraversal)
        RecordAdvanced();
    else if (kind == ciGroupBreakReset && sender == static_cast<TppCommunicator*>(ResetGroup()))
        ResetGroupBroke();
}

void TppDBText::CacheFields(CacheRecord& record) {
    TppCustomText::CacheFields(record);
    record.field(ResetOnCompute);
    Repeated.CacheFields(record);
}

void TppDBText::RecordAdvanced() {
    Repeated.Refresh(Text(), ResetOnCompute, absolutePageNo());
    ResetOnCompute = false;
}

void TppDBText::PageStarted() {
    Repeated.PageStarted(reprintOnSubsequent_);
}

void TppDBText::ResetGroupBroke() {
    ResetOnCompute = true;
    Repeated.Reset();
}

void TppDBText::MeasureContent() {
    const TppDataPipeline* pipeline = DataPipeline();
    const bool onFirstRecord = pipeline && pipeline->HasState(FirstRecord);
    if (!Repeated.ShouldPrint(suppressRepeatedValues_, reprintOnSubsequent_, onFirstRecord, DrawComponent,
                              absolutePageNo())) {
        SpaceUsed = 0;
        DrawComponent = false;
    }
    Repeated.Refresh(Text(), ResetOnCompute, absolutePageNo());
}

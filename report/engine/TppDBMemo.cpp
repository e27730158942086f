#include "TppDBMemo.h"

#include "CacheRecord.h"
#include "ClassBuilder.h"
#include "TextEnvironment.h"
#include "TppCustomReport.h"
#include "TppDataPipeline.h"
#include "TppEventKind.h"

#include <QRegularExpression>

const ClassInfo& TppDBMemo::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDBMemo>("TppDBMemo", &TppCustomMemo::staticClassInfo(), [](auto& c) {
            using T = TppDBMemo;
            c.property("AutoDisplay", &T::AutoDisplay, &T::SetAutoDisplay).withDefault(true);
            c.property("DataField", &T::DataField, &T::SetDataField);
            c.reference("DataPipeline", &T::DataPipeline, &T::SetDataPipeline);
            c.event("OnGetMemo", &T::OnGetMemo);
            c.property("SuppressRepeatedValues", &T::SuppressRepeatedValues, &T::SetSuppressRepeatedValues)
                .withDefault(false);
        });
    return info;
}

TppDBMemo::TppDBMemo(OwnedComponent* owner) : TppCustomMemo(owner) {}

TppDBMemo::~TppDBMemo() {
    markDestroying();
}

void TppDBMemo::SetDataField(const QString& field) {
    dataField_ = field;
    Change();
}

void TppDBMemo::SetAutoDisplay(bool value) {
    autoDisplay_ = value;
    Change();
}

void TppDBMemo::SetSuppressRepeatedValues(bool value) {
    suppressRepeatedValues_ = value;
    Change();
}

bool TppDBMemo::hasMemoHandler() const {
    return bool(OnGetMemo) || HasEventSubscriber(ciDBMemoGetMemo);
}

QStringList TppDBMemo::Lines() const {
    if (!autoDisplay_ && !hasMemoHandler())
        return {};
    if (hasMemoHandler()) {
        if (!reportPrinting(*this))
            return {};
        QStringList lines;
        auto* self = const_cast<TppDBMemo*>(this);
        OnGetMemo(self, lines);
        TppEventParams params{lines};
        self->BroadcastEvent(self, ciDBMemoGetMemo, &params);
        return params.value(0).toStringList();
    }
    if (!dataAvailable(*this))
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QString text = DataPipeline()->GetFieldAsString(dataField_);
    return text.isEmpty() ? QStringList() : text.split(lineBreak);
}

void TppDBMemo::InitForReport() {
    TppCustomMemo::InitForReport();
    Repeated.Reset();
    listenToGeneration(*this);
}

void TppDBMemo::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppCustomMemo::EventNotify(sender, kind, params);
    if (kind == ciEngineTraversal)
        RecordAdvanced();
}

void TppDBMemo::CacheFields(CacheRecord& record) {
    TppCustomMemo::CacheFields(record);
    record.field(ResetOnCompute);
    Repeated.CacheFields(record);
}

void TppDBMemo::RecordAdvanced() {
    if (!suppressRepeatedValues_)
        return;
    auto* report = dynamic_cast<TppCustomReport*>(Report());
    Repeated.Refresh(MemoText(), ResetOnCompute, report ? report->AbsolutePageNo() : 0);
    ResetOnCompute = false;
}

bool TppDBMemo::WrapsThisTime() {
    if (!suppressRepeatedValues_)
        return true;
    const TppDataPipeline* pipeline = DataPipeline();
    const bool firstUnprinted = pipeline && pipeline->HasState(FirstRecord) && !Repeated.AlreadyPrinted;
    if (Repeated.PriorValueSame && !firstUnprinted)
        return false;
    Repeated.AlreadyPrinted = true;
    return true;
}

#pragma once

#include "CalculationSupport.h"
#include "PendingPipelineName.h"
#include "TppCustomVariable.h"
#include "VariableSlots.h"

#include <memory>

class TppLookAheadList;

// A value that code computes while the report prints: on one event of the
// engine, the report, a pipeline or a group (CalcType) OnCalc may change
// it, on another (ResetType) it starts over. The value lives in the slot of
// its DataType; every slot but the text is part of the page state, and the
// text is kept beside it per page, so a page made again starts from the
// value it had when it was first made. Variables hearing the same event
// compute band by band and, within a band, in CalcOrder.
class TppVariable : public TppCustomVariable {
public:
    PW_CLASS_INFO

    explicit TppVariable(OwnedComponent* owner = nullptr);
    ~TppVariable() override;

    TppDataType DataType() const override { return dataType_; }
    // Types past dtString are refused; the type stays.
    void SetDataType(TppDataType type);
    TppVarEventType CalcType() const { return calcType_; }
    void SetCalcType(TppVarEventType type);
    TppVarEventType ResetType() const { return resetType_; }
    void SetResetType(TppVarEventType type);
    // What raises the events; chosen by the user for the pipeline and
    // group kinds, set to the engine or report at report start otherwise.
    TppCommunicator* CalcComponent() const { return calcComponent_; }
    void SetCalcComponent(TppCommunicator* component);
    TppCommunicator* ResetComponent() const { return resetComponent_; }
    void SetResetComponent(TppCommunicator* component);
    // The index in the band's variable list; -1 without band. Setting it
    // moves the variable in that list.
    int CalcOrder() const;
    void SetCalcOrder(int order);
    // A total known only at the end of its scope, shown where the scope
    // begins: makes the report count its pages first.
    bool LookAhead() const { return lookAhead_; }
    void SetLookAhead(bool value);

    // The current slot; while designed and not printing, the user name.
    QVariant Value() const;
    // Converts into the current slot; an empty value is ignored, one that
    // does not convert raises EConvertError and leaves the slot as it was.
    void SetValue(const QVariant& value);
    const VariableSlots& Slots() const { return slots_; }

    // Each reads its own slot; each write stores there and takes the
    // slot's type (the date kinds share one slot, typed dtDateTime).
    bool AsBoolean() const { return slots_.boolean; }
    QChar AsChar() const { return QChar(char16_t(slots_.character)); }
    double AsCurrency() const { return double(slots_.currency) / 10000.0; }
    QDateTime AsDateTime() const;
    QDate AsDate() const { return AsDateTime().date(); }
    QTime AsTime() const { return AsDateTime().time(); }
    double AsDouble() const { return slots_.number; }
    long double AsExtended() const { return slots_.extended; }
    int AsInteger() const { return slots_.integer; }
    float AsSingle() const { return slots_.single; }
    QString AsString() const { return slots_.string; }
    void SetAsBoolean(bool value);
    void SetAsChar(QChar value);
    void SetAsCurrency(double value);
    void SetAsDateTime(const QDateTime& value);
    void SetAsDate(const QDate& value);
    void SetAsTime(const QTime& value);
    void SetAsDouble(double value);
    void SetAsExtended(long double value);
    void SetAsInteger(int value);
    void SetAsSingle(float value);
    void SetAsString(const QString& value);

    // (sender, value): the value may be changed in place.
    TppEvent<TppCommunicator*, QVariant&> OnCalc;
    TppEvent<TppCommunicator*, QVariant&> OnReset;
    // The handler of old layouts, which sets the value through the accessors.
    TppNotifyEvent OldOnCalc;
    TppFormatEvent OnFormat;

    void InitForReport() override;
    void ResetValue();
    void ComputeValue();
    // The key of the scope the value belongs to now, and the text stored
    // for a key in the first pass ("0" when there is none).
    QString GetLookAheadKey() const;
    QString GetLookAheadValue(const QString& key) const;

    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;
    void Notify(TppCommunicator* sender, int operation) override;
    QString SubscriberSortKey() const override;
    void Loaded() override;

    const ClassInfo* CommandClass() const override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;

    void SaveToCache(int page) override;
    void LoadFromCache(int page) override;
    void PagesDiscarded(int page) override;

protected:
    QString RawText() const override;
    void CacheFields(CacheRecord& record) override;

private:
    void store(const QVariant& value);
    void storeTyped(TppDataType type);
    void bindEvents();
    void subscribeTo(TppCommunicator* component);
    void replaceComponent(TppCommunicator*& side, TppCommunicator* other, TppCommunicator* component);
    TppCommunicator* componentFor(TppVarEventType type, TppCommunicator* chosen) const;
    void runHandlers(TppEvent<TppCommunicator*, QVariant&>& handler, bool legacy, int kind);
    void rewriteCacheAtEnd(TppVarEventType type);
    int scopeNumber() const;
    int valueSerial() const;

    TppDataType dataType_ = dtString;
    TppVarEventType calcType_ = veTraversal;
    TppVarEventType resetType_ = veReportEnd;
    TppCommunicator* calcComponent_ = nullptr;
    TppCommunicator* resetComponent_ = nullptr;
    int calcKind_ = 0;
    int resetKind_ = 0;
    int pendingCalcOrder_ = -1;
    bool lookAhead_ = false;
    PendingPipelineName calcPipelineName_;
    PendingPipelineName resetPipelineName_;
    VariableSlots slots_;
    PageTexts pageTexts_;
    CacheRewrite cacheRewrite_;
    std::unique_ptr<TppLookAheadList> lookAheadList_;
};

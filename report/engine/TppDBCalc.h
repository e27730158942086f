#pragma once

#include "CalculationSupport.h"
#include "TppDBText.h"

#include <memory>

class TppLookAheadList;

// A count, sum, minimum, maximum or average of a pipeline field over the
// records the engine walks, restarted after each instance of its
// ResetGroup (without one, over the whole report). Every record counts
// towards an average, one with a null value as 0. Value and Divisor are
// part of the page state.
class TppDBCalc : public TppDBText {
public:
    PW_CLASS_INFO

    explicit TppDBCalc(OwnedComponent* owner = nullptr);
    ~TppDBCalc() override;

    TppDBCalcType DBCalcType() const { return calcType_; }
    void SetDBCalcType(TppDBCalcType type);
    bool LookAhead() const { return lookAhead_; }
    // Makes the report count its pages first; not while it prints.
    void SetLookAhead(bool value);

    // The running result; for an average the running sum.
    double Value() const { return value_; }
    void SetValue(double value) { value_ = value; }
    // Records computed since the last reset.
    double Divisor() const { return divisor_; }
    // What prints: for an average the sum over the divisor (0 without records).
    double Result() const;
    TppDataType ResultType() const;

    TppNotifyEvent OnCalc;
    // Before the first computation after a reset.
    TppNotifyEvent OnGroupBreak;

    void InitForReport() override;
    void ComputeValue();
    void ResetValue();
    void Clear() { ResetValue(); }
    QString GetLookAheadKey() const;
    QString GetLookAheadValue(const QString& key) const;

    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;
    const ClassInfo* CommandClass() const override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;
    void SaveToCache(int page) override;

protected:
    QString RawText() const override;
    void CacheFields(CacheRecord& record) override;

private:
    QString designText() const;
    double fieldValue();
    int valueSerial() const;

    TppDBCalcType calcType_ = dcSum;
    bool lookAhead_ = false;
    double value_ = 0;
    double divisor_ = 0;
    CacheRewrite cacheRewrite_;
    std::unique_ptr<TppLookAheadList> lookAheadList_;
};

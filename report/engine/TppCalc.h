#pragma once

#include "CalculationSupport.h"
#include "DrawingTypes.h"
#include "TppCustomText.h"
#include "VariableSlots.h"

class TppReportModel;

// The calculation of older layouts: a date, a time, a page number or a value
// that OnCalc sets (ctCustom). Layouts from before variables existed have it
// replaced by a system variable or a variable once they are loaded; it is
// kept so that those layouts read.
class TppCalc : public TppCustomText {
public:
    PW_CLASS_INFO

    explicit TppCalc(OwnedComponent* owner = nullptr);
    ~TppCalc() override;

    TppCalcType CalcType() const { return calcType_; }
    // Also sets CustomType to the type of the kind.
    void SetCalcType(TppCalcType type);
    TppDataType CustomType() const { return customType_; }
    // Only for ctCustom, and while reading.
    void SetCustomType(TppDataType type);

    // The slot of CustomType; storing a text makes the type dtString.
    QVariant Value() const { return slots_.ValueOf(customType_); }
    void SetValue(const QVariant& value);

    // Before each record is printed (ctCustom sets its value here).
    TppNotifyEvent OnCalc;
    TppFormatEvent OnFormat;

    void InitForReport() override;
    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;
    const ClassInfo* CommandClass() const override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;

protected:
    QString RawText() const override;
    void CacheFields(CacheRecord& record) override;
    bool DefaultAutoSize() const override { return true; }

private:
    QVariant value() const;

    TppCalcType calcType_ = ctDate;
    TppDataType customType_ = dtDateTime;
    VariableSlots slots_;
};

// Replaces every calculation of the report's bands by the system variable
// of its kind, or a ctCustom one by a variable of its type whose old-style
// handler is the calculation's OnCalc; the new component takes the old
// one's place, name and look.
void ConvertOldCalculations(TppReportModel& report);

#pragma once

#include "RepeatedValue.h"
#include "TppCustomText.h"

// The value of a data field as text, in its display format. A repeated
// value can be left out (SuppressRepeatedValues), and shown again at the
// top of each page it continues on (ReprintOnSubsequent); a break of the
// reset group makes the next value new.
class TppDBText : public TppCustomText {
public:
    PW_CLASS_INFO

    explicit TppDBText(OwnedComponent* owner = nullptr);
    ~TppDBText() override;

    QString DataField() const override { return dataField_; }
    void SetDataField(const QString& field);
    bool BlankWhenZero() const { return blankWhenZero_; }
    void SetBlankWhenZero(bool value);
    bool SuppressRepeatedValues() const { return suppressRepeatedValues_; }
    void SetSuppressRepeatedValues(bool value);
    bool ReprintOnSubsequent() const { return reprintOnSubsequent_; }
    void SetReprintOnSubsequent(bool value);

    // May replace the text of each value: (sender, format, data type, value, text).
    TppEvent<TppCommunicator*, const QString&, TppDataType, const QVariant&, QString&> OnFormat;

    // Run-time state of repeated values.
    RepeatedValue Repeated;

    void InitForReport() override;
    void MeasureContent() override;
    // What the engine tells the text: a new record is current, a page
    // starts, the reset group broke.
    void RecordAdvanced();
    void PageStarted() override;
    void ResetGroupBroke();
    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;

protected:
    QString RawText() const override;
    void CacheFields(CacheRecord& record) override;

private:
    int absolutePageNo() const;

    QString dataField_;
    bool blankWhenZero_ = false;
    bool suppressRepeatedValues_ = false;
    bool reprintOnSubsequent_ = false;
};

#pragma once

#include "RepeatedValue.h"
#include "TppCustomMemo.h"

// A memo showing a data field's text, or what OnGetMemo puts in its lines.
// A repeated value can be left out (SuppressRepeatedValues).
class TppDBMemo : public TppCustomMemo {
public:
    PW_CLASS_INFO

    explicit TppDBMemo(OwnedComponent* owner = nullptr);
    ~TppDBMemo() override;

    QString DataField() const override { return dataField_; }
    void SetDataField(const QString& field);
    bool AutoDisplay() const { return autoDisplay_; }
    void SetAutoDisplay(bool value);
    bool SuppressRepeatedValues() const { return suppressRepeatedValues_; }
    void SetSuppressRepeatedValues(bool value);

    // Fills the lines while printing: (sender, lines).
    TppEvent<TppCommunicator*, QStringList&> OnGetMemo;

    // Read afresh on every call: the field's text, or the handler's lines.
    QStringList Lines() const override;

    RepeatedValue Repeated;

    void InitForReport() override;
    // What the engine tells the memo when a new record is current.
    void RecordAdvanced();
    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;

protected:
    void CacheFields(CacheRecord& record) override;
    bool WrapsThisTime() override;

private:
    bool hasMemoHandler() const;

    QString dataField_;
    bool autoDisplay_ = true;
    bool suppressRepeatedValues_ = false;
};

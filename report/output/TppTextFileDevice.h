#pragma once

#include "TppFileDevice.h"
#include "TppTypes.h"

class TppComponent;
class TppDrawText;

// Exports data: the texts a report marked for saving (the band's and the
// component's Save) become records of a comma, tab, fixed-length or free
// (custom) text file, one record per generated band instance, values in
// SaveOrder order. Records are separated by CR LF; the file does not end
// with one.
class TppTextFileDevice : public TppFileDevice {
public:
    PW_CLASS_INFO

    explicit TppTextFileDevice(OwnedComponent* owner = nullptr);
    ~TppTextFileDevice() override;

    QString DeviceName() const override { return QStringLiteral("TextFile"); }
    static const FileDeviceTraits& Traits();

    TppFileType TextFileType() const { return textFileType_; }
    // Ignored while in a job.
    void SetTextFileType(TppFileType value);

    // Called for every value before it is written, with the text command's
    // source component; may change the value. With ftCustom the handler
    // writes its own separators and line ends, reading the state below.
    std::function<void(TppTextFileDevice* device, TppComponent* component, QString& text)> OnSaveText;

    // Where the value being written stands; what a custom layout needs.
    bool FirstValueOfPage() const { return firstValueOfPage_; }
    bool FirstValueOfRecord() const { return firstValueOfRecord_; }
    bool LastValueOfRecord() const { return lastValueOfRecord_; }
    bool LastRecordOfPage() const { return lastRecordOfPage_; }
    bool FirstRecordOfReport() const { return firstRecordOfReport_; }
    bool LastRecordOfReport() const { return lastRecordOfReport_; }
    int ValueIndex() const { return valueIndex_; }
    int RecordIndex() const { return recordIndex_; }

    void BeginJob() override;
    void FinishJob() override;

protected:
    void WritePage(TppPage& page) override;

private:
    void resetState();
    QString valueOf(const TppDrawText& item) const;

    TppFileType textFileType_ = ftComma;
    bool firstValueOfPage_ = false;
    bool firstValueOfRecord_ = false;
    bool lastValueOfRecord_ = false;
    bool lastRecordOfPage_ = false;
    bool firstRecordOfReport_ = false;
    bool lastRecordOfReport_ = false;
    int valueIndex_ = 0;
    int recordIndex_ = 0;
};

// The texts of a page a text file exports (text commands whose band and
// component are saved), by band instance, then SaveOrder, compared as
// numbers; commands with equal numbers keep their drawing order.
QList<TppDrawText*> savedTexts(const TppPage& page);

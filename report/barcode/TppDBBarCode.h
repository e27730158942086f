#pragma once

#include "TppCustomBarCode.h"

// A barcode of a field's value, converted to text by the field's data type.
// A null value, or one that cannot be read or converted, gives empty data.
// Without a field to read the designer shows the symbology's sample and
// the report prints nothing.
class TppDBBarCode : public TppCustomBarCode {
public:
    PW_CLASS_INFO

    explicit TppDBBarCode(OwnedComponent* owner = nullptr);
    ~TppDBBarCode() override;

    QString DataField() const override { return dataField_; }
    void SetDataField(const QString& field);

    void SetDataPipeline(TppDataPipeline* pipeline) override;
    // The pipeline's data changed: the designer shows the new value.
    void Notify(TppCommunicator* sender, int operation) override;

protected:
    std::optional<QString> DataToEncode() const override;

private:
    QString dataField_;
};

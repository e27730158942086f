#pragma once

#include "TppCustomBarCode.h"

// A barcode of the data typed into it. Choosing a symbology replaces the
// data with the symbology's sample, except while a template is read.
class TppBarCode : public TppCustomBarCode {
public:
    PW_CLASS_INFO

    explicit TppBarCode(OwnedComponent* owner = nullptr);
    ~TppBarCode() override;

    // Code 128 carries its non-printing symbols as characters 201 and above.
    const QString& Data() const { return data_; }
    void SetData(const QString& data);

protected:
    std::optional<QString> DataToEncode() const override { return data_; }
    void SampleChosen(const QString& sample) override { data_ = sample; }

private:
    QString data_ = QStringLiteral("Barcode");
};

#pragma once

#include "TppCustomRichText.h"
#include "TppEvent.h"

// Rich text read from a data field, or supplied by OnGetRichText.
class TppDBRichText : public TppCustomRichText {
public:
    PW_CLASS_INFO

    explicit TppDBRichText(OwnedComponent* owner = nullptr);
    ~TppDBRichText() override;

    QString DataField() const override { return dataField_; }
    void SetDataField(const QString& field);
    bool AutoDisplay() const { return autoDisplay_; }
    void SetAutoDisplay(bool value);

    // Supplies the document as rich text: (sender, text).
    TppEvent<TppCommunicator*, QString&> OnGetRichText;

protected:
    QByteArray PrintedDocument() override;

private:
    QString dataField_;
    bool autoDisplay_ = true;
};

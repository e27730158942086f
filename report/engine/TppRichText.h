#pragma once

#include "TppCustomRichText.h"

// A rich text written at design time. With MailMerge each "<name>" naming
// a field (or a field alias) of the report's pipeline prints as that
// field's value, in the formatting of the text it replaces.
class TppRichText : public TppCustomRichText {
public:
    PW_CLASS_INFO

    explicit TppRichText(OwnedComponent* owner = nullptr);
    ~TppRichText() override;

    bool MailMerge() const { return mailMerge_; }
    void SetMailMerge(bool value);

protected:
    QByteArray PrintedDocument() override;

private:
    bool mailMerge_ = false;
};

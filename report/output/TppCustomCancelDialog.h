#pragma once

#include "TppForm.h"

// The progress dialog shown while a job prints; its cancel button runs OnCancel.
class TppCustomCancelDialog : public TppForm {
public:
    static QString abstractName() { return QStringLiteral("TppCustomCancelDialog"); }

    // The line devices keep current while they print (which page, of how many).
    const QString& StatusText() const { return statusText_; }
    virtual void SetStatusText(const QString& text) { statusText_ = text; }

private:
    QString statusText_;
};

#pragma once

#include "TppForm.h"

// Asked while a template is read when a property or an object cannot be
// read: ignore it, ignore it and every later error of this load, or end the
// load. The dialog sets Result before ShowModal returns.
class TppCustomTemplateErrorDialog : public TppForm {
public:
    static QString abstractName() { return QStringLiteral("TppCustomTemplateErrorDialog"); }

    enum ErrorResult { erIgnore, erCancel, erIgnoreAll };

    // The error, a line break and the question whether to go on.
    QString Message;
    ErrorResult Result = erCancel;

    // Caption "Error Reading Template"; buttons "&Ignore" (the default),
    // "Cancel" and "Ignore &All".
    QString Caption() const;
    QString IgnoreCaption() const;
    QString CancelCaption() const;
    QString IgnoreAllCaption() const;
};

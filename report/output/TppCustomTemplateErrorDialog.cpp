#include "TppCustomTemplateErrorDialog.h"

#include "TppResourceManager.h"

QString TppCustomTemplateErrorDialog::Caption() const {
    return LanguageString(kMsgErrorReadingTemplate);
}
QString TppCustomTemplateErrorDialog::IgnoreCaption() const {
    return LanguageString(kMsgIgnore);
}
QString TppCustomTemplateErrorDialog::CancelCaption() const {
    return LanguageString(kMsgCancel);
}
QString TppCustomTemplateErrorDialog::IgnoreAllCaption() const {
    return LanguageString(kMsgIgnoreAll);
}

#include "TppCustomTemplateErrorDialog.h"

#include "TppResourceManager.h"

QString TppCustomTemplateErrorDialog::Caption() const {
    return LanguageString(418);
}
QString TppCustomTemplateErrorDialog::IgnoreCaption() const {
    return LanguageString(416);
}
QString TppCustomTemplateErrorDialog::CancelCaption() const {
    return LanguageString(5);
}
QString TppCustomTemplateErrorDialog::IgnoreAllCaption() const {
    return LanguageString(417);
}

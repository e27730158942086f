#include "TppCustomTemplateDialog.h"

#include "TppResourceManager.h"

QString TppCustomTemplateDialog::Caption() const {
    if (Mode == dmOpen)
        return LanguageString(361);
    return LanguageString(362) + u' ' + TemplateName + u' ' + LanguageString(38);
}

QString TppCustomTemplateDialog::OkCaption() const {
    return LanguageString(Mode == dmOpen ? 134 : 138);
}
QString TppCustomTemplateDialog::CancelCaption() const {
    return LanguageString(5);
}
QString TppCustomTemplateDialog::NameCaption() const {
    return LanguageString(39);
}

TppCustomTemplateDialog::OkOutcome TppCustomTemplateDialog::CheckName(const QString& name) const {
    if (name.isEmpty())
        return okStay;
    const bool exists = Names.contains(name);
    if (Mode == dmOpen)
        return exists ? okAccept : okNotFound;
    return exists ? okAskReplace : okAccept;
}

QString TppCustomTemplateDialog::OkMessage(const QString& name) const {
    if (Mode == dmOpen)
        return QStringLiteral("Record not found: ") + name;
    return LanguageStringFmt(523, {name}) + QStringLiteral("\n\n") + LanguageString(494);
}

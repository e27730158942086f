#include "TppCustomTemplateDialog.h"

#include "TppResourceManager.h"

QString TppCustomTemplateDialog::Caption() const {
    if (Mode == dmOpen)
        return LanguageString(kMsgOpen);
    return LanguageString(kMsgSave) + u' ' + TemplateName + u' ' + LanguageString(kMsgAs);
}

QString TppCustomTemplateDialog::OkCaption() const {
    return LanguageString(Mode == dmOpen ? 134 : 138);
}
QString TppCustomTemplateDialog::CancelCaption() const {
    return LanguageString(kMsgCancel);
}
QString TppCustomTemplateDialog::NameCaption() const {
    return LanguageString(kMsgName);
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
    return LanguageStringFmt(kMsgAlreadyExists, {name}) + QStringLiteral("\n\n") +
           LanguageString(kMsgReplaceReport);
}

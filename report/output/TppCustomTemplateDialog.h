#pragma once

#include "TppForm.h"

#include <QStringList>

// Chooses a template stored in a database: a sorted list of the names the
// table holds and a name box. The template fills Names and TemplateName
// before showing it and reads TemplateName after OK.
class TppCustomTemplateDialog : public TppForm {
public:
    static QString abstractName() { return QStringLiteral("TppCustomTemplateDialog"); }

    enum DialogMode { dmOpen, dmSave };

    DialogMode Mode = dmOpen;
    QStringList Names;
    QString TemplateName;

    // "Open", or "Save <name> As".
    QString Caption() const;
    // "&Open..." or "&Save".
    QString OkCaption() const;
    QString CancelCaption() const;
    // The list's header and the name box's label.
    QString NameCaption() const;

    // What pressing OK with `name` in the box leads to.
    enum OkOutcome {
        okAccept,    // close with OK
        okStay,      // an empty name: the dialog stays
        okNotFound,  // opening a name the table lacks: show OkMessage, stay
        okAskReplace // saving over a name the table has: ask OkMessage; No stays
    };
    OkOutcome CheckName(const QString& name) const;
    // The message that goes with okNotFound and okAskReplace.
    QString OkMessage(const QString& name) const;
};

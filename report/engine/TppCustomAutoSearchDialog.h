#pragma once

#include "TppForm.h"

class TppAutoSearchGroups;

// The search dialog's place in the form registry: it shows the report's
// criteria, grouped, lets the user enter their values and stores them in
// the criteria when it closes with OK. It runs OnClose as it closes.
class TppCustomAutoSearchDialog : public TppForm {
public:
    static QString abstractName() { return QStringLiteral("TppCustomAutoSearchDialog"); }

    // The criteria to ask for; the report's, while the dialog runs.
    TppAutoSearchGroups* Groups = nullptr;
    // Lays the panels of the groups out; called once Groups is set, before showing.
    virtual void Init() = 0;
};

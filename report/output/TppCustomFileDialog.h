#pragma once

#include "TppForm.h"

// The platform's dialog that chooses a file to open or to save. The caller
// fills in the offer, shows it modally and reads FileName after OK.
class TppCustomFileDialog : public TppForm {
public:
    static QString abstractName() { return QStringLiteral("TppCustomFileDialog"); }

    enum DialogMode { fdOpen, fdSave };
    enum Option : unsigned {
        foFileMustExist = 1,
        foPathMustExist = 2,
        foHideReadOnly = 4,
        foOverwritePrompt = 8
    };

    DialogMode Mode = fdOpen;
    QString DefaultExtension; // without the point: "rtm"
    // Filters as "Report file (*.rtm)|*.rtm": description and pattern, each
    // pair separated by "|".
    QString Filter;
    QString FileName;
    unsigned Options = 0;
};

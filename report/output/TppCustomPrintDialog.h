#pragma once

#include "TppForm.h"
#include "TppPageRequest.h"

class TppPrinter;

// The dialog that chooses printer, pages and copies, or output to a file.
// The report fills in the offer before showing it and reads the choice after.
class TppCustomPrintDialog : public TppForm {
public:
    static QString abstractName() { return QStringLiteral("TppCustomPrintDialog"); }

    QString DeviceType;
    TppPrinter* Printer = nullptr;
    bool AllowPrintToArchive = false;
    bool AllowPrintToFile = false;
    QString ArchiveFileName;
    QString TextFileName;
    int CurrentPage = 1;

    bool PrintToFile = false;
    bool PrintToArchive = false;
    // The printer's properties dialog was confirmed.
    bool PropertiesChanged = false;
    // The registered device name of the chosen text-file kind.
    QString FileDeviceName;
    TppPageRequest PageRequest;
};

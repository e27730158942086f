#pragma once

#include <QString>

class TppPageRequest;
class TppProducer;

// A print job as the command line asks for it: the printer by name
// ("Default" for the printing system's default), the copies and whether
// they are collated.
struct PrinterOutput {
    QString printerName = QStringLiteral("Default");
    int copies = 1;
    bool collate = false;
};

// Prints the request's pages of `report` on a printer of the installed
// printer catalogue through a printer device, as a print dialog's OK would,
// leaving the report's DeviceType and windows out of it. EPrintError when
// the printer is not installed (an unknown name never falls back to another
// printer), when there is no printer at all, or when the job fails.
void printOnPrinter(TppProducer& report, const TppPageRequest& request, const PrinterOutput& output);

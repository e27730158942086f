#include "PrinterOutput.h"

#include "PagewrightErrors.h"
#include "TppPrinter.h"
#include "TppPrinterDevice.h"
#include "TppPrinterList.h"
#include "TppProducer.h"

void printOnPrinter(TppProducer& report, const TppPageRequest& request, const PrinterOutput& output) {
    TppPrinterList& printers = TppPrinterList::instance();
    QStringList installed = printers.PrinterNames();
    installed.removeAll(QStringLiteral("Default"));
    installed.removeAll(QStringLiteral("Screen"));
    if (output.printerName == u"Default") {
        if (printers.DefaultPrinterName() == u"Screen")
            throw EPrintError(installed.isEmpty()
                                  ? QStringLiteral("No printer is installed.")
                                  : QStringLiteral("No printer is the default; name one of %1.")
                                        .arg(installed.join(QStringLiteral(", "))));
    } else if (!installed.contains(output.printerName)) {
        throw EPrintError(installed.isEmpty()
                              ? QStringLiteral("No printer is installed.")
                              : QStringLiteral("There is no printer %1; the printers are %2.")
                                    .arg(output.printerName, installed.join(QStringLiteral(", "))));
    }

    TppPrinterSetup& setup = report.PrinterSetup();
    const TppPrinterSetup saved(setup);
    setup.SetPrinterName(output.printerName);
    setup.SetCopies(output.copies);
    setup.SetCollation(output.collate);
    TppPrinterDevice device;
    device.SetExclusive(true);
    device.Printer()->ApplySetup(setup);
    device.SetPageRequest(request);
    device.SetPublisher(&report.Publisher());
    struct Restore {
        TppProducer& report;
        TppPrinterDevice& device;
        const TppPrinterSetup& saved;
        ~Restore() {
            device.SetPublisher(nullptr);
            report.PrinterSetup().Assign(saved);
        }
    } restore{report, device, saved};
    report.RunPrintJob();
}

#include "OutputClasses.h"

#include "ClassRegistry.h"
#include "DeviceClasses.h"
#include "PageClasses.h"
#include "TppCustomReport.h"
#include "TppPageRequest.h"
#include "TppPdfFileDevice.h"
#include "TppPreviewFormSettings.h"
#include "TppPrinterDevice.h"
#include "TppReportTextFileDevice.h"
#include "TppScreenDevice.h"
#include "TppSpreadsheetFileDevice.h"
#include "TppTextFileDevice.h"

void registerOutputClasses() {
    registerPageClasses();
    ClassRegistry& registry = ClassRegistry::instance();
    for (const ClassInfo* info : {
             &TppPageRequest::staticClassInfo(),
             &TppCustomReport::staticClassInfo(),
             &TppPreviewFormSettings::staticClassInfo(),
         })
        registry.registerClass(*info);
    DeviceClasses::instance().RegisterDevice(QStringLiteral("Screen"), TppScreenDevice::staticClassInfo());
    DeviceClasses::instance().RegisterDevice(QStringLiteral("Printer"), TppPrinterDevice::staticClassInfo());
    // The print dialog lists file devices in this order; the archive
    // device follows from the template layer, which streams its pages.
    DeviceClasses::instance().RegisterFileDevice(
        QStringLiteral("TextFile"), TppTextFileDevice::staticClassInfo(), TppTextFileDevice::Traits());
    DeviceClasses::instance().RegisterFileDevice(QStringLiteral("ReportTextFile"),
                                                 TppReportTextFileDevice::staticClassInfo(),
                                                 TppReportTextFileDevice::Traits());
    DeviceClasses::instance().RegisterFileDevice(
        QStringLiteral("PdfFile"), TppPdfFileDevice::staticClassInfo(), TppPdfFileDevice::Traits());
    DeviceClasses::instance().RegisterFileDevice(QStringLiteral("SpreadsheetFile"),
                                                 TppSpreadsheetFileDevice::staticClassInfo(),
                                                 TppSpreadsheetFileDevice::Traits());
}

#include "OutputClasses.h"

#include "ClassRegistry.h"
#include "DeviceClasses.h"
#include "TppCustomReport.h"
#include "TppDrawBarCode.h"
#include "TppDrawCalc.h"
#include "TppDrawImage.h"
#include "TppDrawLine.h"
#include "TppDrawRichText.h"
#include "TppDrawShape.h"
#include "TppDrawVar.h"
#include "TppDrawVariable.h"
#include "TppOutlineDrawCommand.h"
#include "TppPage.h"
#include "TppPageRequest.h"
#include "TppPreviewFormSettings.h"
#include "TppReportTextFileDevice.h"
#include "TppScreenDevice.h"
#include "TppTextFileDevice.h"

void registerOutputClasses() {
    ClassRegistry& registry = ClassRegistry::instance();
    for (const ClassInfo* info : {
             &TppPage::staticClassInfo(),
             &TppPageRequest::staticClassInfo(),
             &TppDrawText::staticClassInfo(),
             &TppDrawVar::staticClassInfo(),
             &TppDrawCalc::staticClassInfo(),
             &TppDrawShape::staticClassInfo(),
             &TppDrawLine::staticClassInfo(),
             &TppDrawImage::staticClassInfo(),
             &TppDrawBarCode::staticClassInfo(),
             &TppDrawRichText::staticClassInfo(),
             &TppDrawVariable::staticClassInfo(),
             &TppOutlineDrawCommand::staticClassInfo(),
             &TppCustomReport::staticClassInfo(),
             &TppPreviewFormSettings::staticClassInfo(),
         })
        registry.registerClass(*info);
    DeviceClasses::instance().RegisterDevice(QStringLiteral("Screen"), TppScreenDevice::staticClassInfo());
    // The print dialog lists file devices in this order; the archive
    // device follows from the template layer, which streams its pages.
    DeviceClasses::instance().RegisterFileDevice(
        QStringLiteral("TextFile"), TppTextFileDevice::staticClassInfo(), TppTextFileDevice::Traits());
    DeviceClasses::instance().RegisterFileDevice(QStringLiteral("ReportTextFile"),
                                                 TppReportTextFileDevice::staticClassInfo(),
                                                 TppReportTextFileDevice::Traits());
}

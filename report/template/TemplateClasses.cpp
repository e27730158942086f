#include "TemplateClasses.h"

#include "TppArchiveDevice.h"
#include "TppCustomReport.h"
#include "TppReportTemplate.h"

void registerTemplateClasses() {
    registerArchiveDevice();
    SetReportTemplateFactory([](TppCustomReport& report) -> std::unique_ptr<TppCustomTemplate> {
        return std::make_unique<TppReportTemplate>(report);
    });
}

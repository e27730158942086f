#include "TemplateClasses.h"

#include "TppCustomReport.h"
#include "TppReportTemplate.h"

void registerTemplateClasses() {
    SetReportTemplateFactory(
        [](TppCustomReport& report) -> std::unique_ptr<TppCustomTemplate> {
            return std::make_unique<TppReportTemplate>(report);
        });
}

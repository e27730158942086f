#include "WizardBands.h"

#include "TppBand.h"
#include "TppChildReport.h"

bool isChildReport(const TppReportModel& report) {
    return dynamic_cast<const TppChildReport*>(&report) != nullptr;
}

TppBand* headerLikeBand(const TppReportModel& report) {
    return report.GetBand(isChildReport(report) ? btTitle : btHeader);
}

TppBand* footerLikeBand(const TppReportModel& report) {
    return report.GetBand(isChildReport(report) ? btSummary : btFooter);
}

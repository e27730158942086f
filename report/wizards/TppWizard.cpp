#include "TppWizard.h"

#include "LabelReport.h"
#include "TppCustomReport.h"
#include "TppResourceManager.h"
#include "WizardStrings.h"

TppCustomReport* TppCustomReportWizard::createReport() {
    report_ = OnCreateReport ? OnCreateReport(DataName) : nullptr;
    if (report_)
        createDefaultBands(*report_);
    return report_;
}

QString TppBlankReportWizard::WizardName() const {
    return LanguageString(kMsgBlankReport);
}

bool TppBlankReportWizard::Execute() {
    createReport();
    return true;
}

#include "TppWizard.h"

#include "ClassBuilder.h"
#include "LabelReport.h"
#include "TppCustomReport.h"
#include "TppResourceManager.h"
#include "WizardStrings.h"

const ClassInfo& TppWizard::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppWizard>("TppWizard", &TppCommunicator::staticClassInfo(), [](auto&) {});
    return info;
}

const ClassInfo& TppCustomWizard::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCustomWizard>("TppCustomWizard", &TppWizard::staticClassInfo(), [](auto&) {});
    return info;
}

const ClassInfo& TppCustomReportWizard::staticClassInfo() {
    static const ClassInfo info = describeClass<TppCustomReportWizard>(
        "TppCustomReportWizard", &TppCustomWizard::staticClassInfo(), [](auto&) {});
    return info;
}

const ClassInfo& TppBlankReportWizard::staticClassInfo() {
    static const ClassInfo info = describeClass<TppBlankReportWizard>(
        "TppBlankReportWizard", &TppCustomReportWizard::staticClassInfo(), [](auto&) {});
    return info;
}

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

#include "TppLabelWizard.h"

#include "ClassBuilder.h"
#include "LabelReport.h"
#include "LabelWizardDialog.h"
#include "TppCustomReport.h"
#include "TppCustomTemplate.h"
#include "TppResourceManager.h"
#include "WizardStrings.h"

#include <QFileInfo>

const ClassInfo& TppLabelWizard::staticClassInfo() {
    static const ClassInfo info = describeClass<TppLabelWizard>(
        "TppLabelWizard", &TppCustomReportWizard::staticClassInfo(), [](auto&) {});
    return info;
}

QString TppLabelWizard::WizardName() const {
    return LanguageString(kMsgLabelTemplates);
}

bool TppLabelWizard::Execute() {
    LabelWizardDialog dialog(DialogParent());
    const bool accepted = RunDialog ? RunDialog(dialog) : dialog.exec() == QDialog::Accepted;
    if (!accepted)
        return false;
    TppCustomReport* report = createReport();
    if (!report || !dialog.selectedLabel())
        return true;
    makeLabelReport(*report, *dialog.selectedLabel(), dialog.binName());
    setAfterAction(waDesign);
    if (OnReportDescription)
        OnReportDescription(QFileInfo(report->Template().FileName()).completeBaseName());
    return true;
}

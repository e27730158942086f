#include "TppReportWizard.h"

#include "ClassBuilder.h"
#include "PagewrightErrors.h"
#include "ReportWizardBuilder.h"
#include "ReportWizardDialog.h"
#include "ReportWizardState.h"
#include "TppCustomReport.h"
#include "TppResourceManager.h"
#include "WizardStrings.h"

#include <QMessageBox>

const ClassInfo& TppReportWizard::staticClassInfo() {
    static const ClassInfo info = describeClass<TppReportWizard>(
        "TppReportWizard", &TppCustomReportWizard::staticClassInfo(), [](auto&) {});
    return info;
}

TppReportWizard::TppReportWizard(OwnedComponent* owner) : TppCustomReportWizard(owner) {
    RunDialog = [](ReportWizardDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    ShowError = [this](const QString& message) {
        QMessageBox::warning(DialogParent(), WizardName(), message, QMessageBox::Ok);
    };
}

TppReportWizard::~TppReportWizard() = default;

QString TppReportWizard::WizardName() const {
    return LanguageString(kMsgReportWizard);
}

bool TppReportWizard::Execute() {
    state_ = std::make_unique<ReportWizardState>(dataNames(),
                                                 [this](const QString& name) { return fieldsOf(name); });
    const QStringList& names = state_->dataNames();
    if (names.contains(DataName) && DataName != names.first())
        state_->setDataName(DataName);
    else if (names.size() > 1)
        state_->setDataName(names.at(1));

    ReportWizardDialog dialog(*state_, DialogParent());
    if (!RunDialog(dialog))
        return false;
    DataName = state_->dataName();
    setAfterAction(state_->previewAfterwards ? waPreview : waDesign);
    if (OnReportDescription)
        OnReportDescription(state_->description);
    TppCustomReport* report = createReport();
    if (!report)
        return true;
    try {
        buildWizardReport(*report, state_->choices());
    } catch (const EPagewrightError& error) {
        ShowError(QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

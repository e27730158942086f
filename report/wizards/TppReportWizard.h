#pragma once

#include "TppWizard.h"

#include <functional>
#include <memory>

class ReportWizardDialog;
class ReportWizardState;

// Asks for data, fields, groups, a layout, a style and a description, then
// builds the report (buildWizardReport) into the report its caller gives.
class TppReportWizard : public TppCustomReportWizard {
public:
    PW_CLASS_INFO

    explicit TppReportWizard(OwnedComponent* owner = nullptr);
    ~TppReportWizard() override;

    QString WizardName() const override;
    QString BitmapName() const override { return QStringLiteral("PPREPORTWIZARD"); }
    bool Execute() override;

    // Runs the dialog and answers whether it ended with Finish; a message
    // box loop by default. Tests drive the dialog themselves.
    std::function<bool(ReportWizardDialog& dialog)> RunDialog;
    // Where a build that cannot go through is reported; a message box by default.
    std::function<void(const QString& message)> ShowError;

    // What the dialog edits; built anew by each Execute.
    ReportWizardState* State() const { return state_.get(); }

private:
    std::unique_ptr<ReportWizardState> state_;
};

#pragma once

#include "TppWizard.h"

#include <functional>

class LabelWizardDialog;

// "Label Templates": turns the report it is given into a sheet of labels
// of the stock chosen in its dialog.
class TppLabelWizard : public TppCustomReportWizard {
public:
    PW_CLASS_INFO

    using TppCustomReportWizard::TppCustomReportWizard;

    QString WizardName() const override;
    bool Execute() override;

    // Runs the dialog and answers whether it ended with OK; the modal loop
    // by default. Tests drive the dialog themselves.
    std::function<bool(LabelWizardDialog& dialog)> RunDialog;
};

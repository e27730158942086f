#pragma once

#include "TppWizard.h"

#include <QString>
#include <functional>

class QWidget;
class TppCustomReport;

// The New Report command's caption: "New &Report", with "..." when the
// default wizard asks in a dialog.
QString newReportCaption();

// The new-items dialog: the registered report wizards, the featured one
// first; the class name of the one chosen, empty on Cancel.
QString chooseNewReportWizard(QWidget* parent);

struct WizardRun {
    bool finished = false;
    TppWizardAfterAction afterAction = waDesign;
};

// Runs the wizard of that class on the report, which is reset to a new one
// once the user went through with it; `replacing` is called just before
// (whoever shows the old layout lets go of it).
WizardRun runReportWizard(const QString& className, TppCustomReport& report, QWidget* parent,
                          const std::function<void()>& replacing = {});

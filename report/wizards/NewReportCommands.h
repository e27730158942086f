#pragma once

#include "TppWizard.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class TppCustomReport;

// The New Report command's caption: "New &Report", with "..." when the
// default wizard asks in a dialog.
QString newReportCaption();

// The new-items dialog: the registered report wizards, the featured one
// first; the class name of the one chosen, empty on Cancel.
QString chooseNewReportWizard(QWidget* parent);

// What the application hands a report wizard in place of the report's own
// pipelines and report; each hook left unset keeps the report's.
struct WizardDataHooks {
    std::function<QStringList()> getDataNames;
    std::function<QList<TppWizardField>(const QString& dataName)> getFields;
    std::function<TppCustomReport*(const QString& dataName)> createReport;
};

struct WizardRun {
    bool finished = false;
    TppWizardAfterAction afterAction = waDesign;
};

// Runs the wizard of that class on the report, which is reset to a new one
// once the user went through with it; `replacing` is called just before
// (whoever shows the old layout lets go of it).
WizardRun runReportWizard(const QString& className, TppCustomReport& report, QWidget* parent,
                          const std::function<void()>& replacing = {}, const WizardDataHooks& hooks = {});

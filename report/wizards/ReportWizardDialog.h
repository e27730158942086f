#pragma once

#include "ReportWizardState.h"

#include <QWizard>
#include <functional>

// The report wizard's six pages over a ReportWizardState: fields, groups,
// the simple or the group layouts (whichever applies), styles, and the
// description with what to do afterwards.
class ReportWizardDialog : public QWizard {
    Q_OBJECT
public:
    enum PageId { FieldsPage, GroupsPage, SimpleLayoutsPage, GroupLayoutsPage, StylesPage, FinishPage };

    explicit ReportWizardDialog(ReportWizardState& state, QWidget* parent = nullptr);

    ReportWizardState& state() const { return state_; }
    int nextId() const override;

    // How the dialog tells the user a page is not complete; a message box
    // by default.
    std::function<void(const QString& text)> showInformation;

private:
    ReportWizardState& state_;
};

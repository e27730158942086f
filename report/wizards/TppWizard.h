#pragma once

#include "ReportWizardChoices.h"
#include "TppCommunicator.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

class TppCustomReport;

// A wizard: a name to offer it under, a picture, and a run.
class TppWizard : public TppCommunicator {
public:
    PW_CLASS_INFO

    explicit TppWizard(OwnedComponent* owner = nullptr) : TppCommunicator(owner) {}

    virtual QString WizardName() const { return QStringLiteral("TppWizard"); }
    virtual QString BitmapName() const { return QStringLiteral("PPNOWIZARDBITMAP"); }
    // True when the user went through with it.
    virtual bool Execute() = 0;
};

// A wizard that may ask in a dialog, and asks its caller for the data:
// the names of the data it may use, and the fields of one of them.
class TppCustomWizard : public TppWizard {
public:
    PW_CLASS_INFO

    using TppWizard::TppWizard;

    virtual bool ShowsDialog() const { return true; }
    bool ShowDescription = false;
    std::function<QStringList()> OnGetDataNames;
    std::function<QList<TppWizardField>(const QString& dataName)> OnGetFields;
    // Told the description of the finished report.
    std::function<void(const QString& description)> OnReportDescription;

    // The window the dialog belongs to.
    void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }
    QWidget* DialogParent() const { return dialogParent_; }

protected:
    QStringList dataNames() const { return OnGetDataNames ? OnGetDataNames() : QStringList(); }
    QList<TppWizardField> fieldsOf(const QString& dataName) const {
        return OnGetFields ? OnGetFields(dataName) : QList<TppWizardField>();
    }

private:
    QPointer<QWidget> dialogParent_;
};

// What the user asked for once a report wizard has built its report.
enum TppWizardAfterAction : int { waDesign = 1, waPreview = 2 };

// A wizard that makes a report: its caller gives the report to build into
// (for the data chosen), and learns what to show afterwards.
class TppCustomReportWizard : public TppCustomWizard {
public:
    PW_CLASS_INFO

    using TppCustomWizard::TppCustomWizard;

    QString DataName;
    // The report to build into for the data name; none builds nothing.
    std::function<TppCustomReport*(const QString& dataName)> OnCreateReport;
    TppCustomReport* Report() const { return report_; }
    TppWizardAfterAction AfterAction() const { return afterAction_; }

protected:
    // Asks the caller for the report; it has bands once this answers.
    TppCustomReport* createReport();
    void setAfterAction(TppWizardAfterAction action) { afterAction_ = action; }

private:
    TppCustomReport* report_ = nullptr;
    TppWizardAfterAction afterAction_ = waDesign;
};

// A new report with the default bands and nothing in them.
class TppBlankReportWizard : public TppCustomReportWizard {
public:
    PW_CLASS_INFO

    using TppCustomReportWizard::TppCustomReportWizard;
    QString WizardName() const override;
    QString BitmapName() const override { return QStringLiteral("PPBLANKREPORTWIZARD"); }
    bool ShowsDialog() const override { return false; }
    bool Execute() override;
};

#pragma once

#include "TppBandedReport.h"
#include "TppOutlineSettings.h"

#include <memory>

class TppAutoSearchField;
class TppAutoSearchGroups;
enum TppSearchOperatorType : int;
class TppCustomAutoSearchDialog;
class TppOutline;
class TppOutlineNode;

// The report applications place on their forms and templates store: the
// banded report with every printing setting of the producer, the outline
// its pages carry, and the search criteria it asks the user for before it
// prints.
class TppReport : public TppBandedReport {
public:
    PW_CLASS_INFO

    explicit TppReport(OwnedComponent* owner = nullptr);
    ~TppReport() override;

    TppOutlineReportSettings& OutlineSettings() { return outlineSettings_; }
    const TppOutlineReportSettings& OutlineSettings() const { return outlineSettings_; }

    // The outline of the current run. It starts anew whenever a run begins
    // with the outline enabled, and gives every page its outline draw command.
    TppOutline* Outline() const { return outline_.get(); }
    // Starts the outline anew and returns it.
    TppOutline& InitializeOutline();

    // (sender, node, accept): the participant (the report, a subreport or a
    // group) and its new entry; a handler may rename it or refuse it. Script
    // handlers of the event hear it first.
    TppEvent<TppCommunicator*, TppOutlineNode*, bool&> OnOutlineNodeCreate;

    void TakeOverLayout(TppCustomReport& other) override;
    // The outline settings of a group or subreport changed: the report resets.
    void Notify(TppCommunicator* sender, int operation) override;

    // The search criteria, in the order they joined the report.
    const QList<TppAutoSearchField*>& AutoSearchFields() const { return autoSearchFields_; }
    int AutoSearchFieldCount() const { return int(autoSearchFields_.size()); }
    // Called by criteria as they join and leave.
    void AddAutoSearchField(TppAutoSearchField* field);
    void RemoveAutoSearchField(TppAutoSearchField* field);
    // A new criterion of the report, uniquely named; raises event kind 66
    // with the criterion as its parameter.
    TppAutoSearchField* CreateAutoSearchCriteria(const QString& pipelineName, const QString& fieldName,
                                                 TppSearchOperatorType op, const QString& expression,
                                                 bool mandatory);
    // The first criterion of that pipeline and field, names compared without regard to case.
    TppAutoSearchField* AutoSearchCriteriaByName(const QString& pipelineName, const QString& fieldName) const;
    // Every criterion in words, one sentence.
    QString AutoSearchDescription() const;
    // A line in words for every criterion that has a value.
    void GetAutoSearchDescriptionLines(QStringList& lines) const;

    // The search dialog while it runs.
    TppCustomAutoSearchDialog* AutoSearchDialog() const { return autoSearchDialog_.get(); }

    TppNotifyEvent BeforeAutoSearchDialogCreate;
    TppNotifyEvent AfterAutoSearchDialogCreate;
    TppNotifyEvent OnAutoSearchDialogClose;
    // The criteria hold the values to print with: the application filters its data here.
    TppNotifyEvent OnGetAutoSearchValues;

protected:
    bool AutoSearchBeforePrint() override;

private:
    void outlineNodeCreated(TppCommunicator* sender, TppOutlineNode* node, bool& accept);

    std::unique_ptr<TppOutline> outline_;
    // Runs the search dialog (when ShowAutoSearchDialog is set and a dialog
    // is registered); true to go on. The dialog stays until freeAutoSearchDialog.
    bool runAutoSearchDialog(bool fromPrint);
    void freeAutoSearchDialog();
    void getAutoSearchValues();

    TppOutlineReportSettings outlineSettings_;
    QList<TppAutoSearchField*> autoSearchFields_;
    std::unique_ptr<TppCustomAutoSearchDialog> autoSearchDialog_;
    std::unique_ptr<TppAutoSearchGroups> autoSearchGroups_;
};

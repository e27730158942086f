#pragma once

#include "TppBandedReport.h"
#include "TppOutlineSettings.h"

#include <memory>

class TppOutline;
class TppOutlineNode;

// The report applications place on their forms and templates store: the
// banded report with every printing setting of the producer, and the
// outline its pages carry.
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

private:
    void outlineNodeCreated(TppCommunicator* sender, TppOutlineNode* node, bool& accept);

    TppOutlineReportSettings outlineSettings_;
    std::unique_ptr<TppOutline> outline_;
};

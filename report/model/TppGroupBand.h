#pragma once

#include "TppBand.h"

class TppGroup;

// The header or footer band of a group: a child of the group, filed in the
// report's band list by the group's index.
class TppGroupBand : public TppBand {
public:
    PW_CLASS_INFO

    explicit TppGroupBand(OwnedComponent* owner = nullptr);
    ~TppGroupBand() override;

    TppGroup* Group() const { return group_; }
    // Becomes the group's header or footer band and joins its report.
    virtual void SetGroup(TppGroup* group) = 0;
    int GroupIndex() const override;
    void SetReport(TppReportModel* report) override { joinReport(report, false); }
    // Read from a template: a group band lives in its group.
    bool SetParentComponent(OwnedComponent* parent) override;

    // Set when the group breaks; the band engines clear it once the break is printed.
    bool PendingBreak() const { return pendingBreak_; }
    void SetPendingBreak(bool pending) { pendingBreak_ = pending; }

    void Notify(TppCommunicator* sender, int operation) override;

protected:
    void attachTo(TppGroup* group);

private:
    TppGroup* group_ = nullptr;
    bool pendingBreak_ = false;
};

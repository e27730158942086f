#pragma once

#include "TppOutlineNodeCreator.h"

// The entries of the main report and of subreports that print as sections:
// one per instance, made when its report starts a generation run. For a
// subreport printing inside its band it makes none; its children's entries
// then go under the enclosing entry.
class TppOutlineReportNodeCreator : public TppOutlineNodeCreator {
public:
    using TppOutlineNodeCreator::TppOutlineNodeCreator;
    ~TppOutlineReportNodeCreator() override;

    void Subscribe() override;
    void EndPage() override;
    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override;
    void Notify(TppCommunicator* sender, int operation) override;

private:
    TppCommunicator* listenedReport_ = nullptr;
};

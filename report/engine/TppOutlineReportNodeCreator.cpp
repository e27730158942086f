#include "TppOutlineReportNodeCreator.h"

#include "OutlineParticipants.h"
#include "PagewrightErrors.h"
#include "TppBandedReport.h"
#include "TppOutline.h"
#include "TppOutlineEventKinds.h"
#include "TppOutlineSettings.h"
#include "TppSubReport.h"

TppOutlineReportNodeCreator::~TppOutlineReportNodeCreator() {
    markDestroying();
}

void TppOutlineReportNodeCreator::Subscribe() {
    if (!NodeCreatorComponent())
        return;
    TppBandedReport* report = participantReport(*NodeCreatorComponent());
    if (!report)
        return;
    AddEventKind(ciReportRunStart);
    report->SubscribeEvents(this);
    listenedReport_ = report;
}

void TppOutlineReportNodeCreator::Notify(TppCommunicator* sender, int operation) {
    TppOutlineNodeCreator::Notify(sender, operation);
    if (operation == ppopRemove && sender == listenedReport_)
        listenedReport_ = nullptr;
}

void TppOutlineReportNodeCreator::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    TppOutlineNodeCreator::EventNotify(sender, kind, params);
    if (kind != ciReportRunStart || sender != listenedReport_)
        return;
    if (!Outline())
        throw EOutlineError(QStringLiteral("TppOutlineReportNodeCreator.EventNotify: Outline is nil"));
    TppCommunicator* participant = NodeCreatorComponent();
    if (!participant)
        throw EOutlineError(
            QStringLiteral("TppOutlineReportNodeCreator.EventNotify: NodeCreatorComponent is nil"));
    if (pageCovered() || !makesReportEntry(*participant))
        return;
    if (LatestNode() && LatestNode()->InProgress)
        return;
    const bool subreport = dynamic_cast<TppSubReport*>(participant) != nullptr;
    const TppOutlineSettings* settings = outlineSettingsOf(*participant);
    TppOutlineNode* node = makeNode(reportEntryCaption(*participant), subreport ? ntSubReport : ntReport,
                                    std::max(currentPage(), 1), !settings || settings->CreateNode());
    setLatestNode(node);
    ask(*node);
    registerForPageEntries(*node);
}

void TppOutlineReportNodeCreator::EndPage() {
    TppOutlineNode* latest = LatestNode();
    TppBandedReport* report = NodeCreatorComponent() ? participantReport(*NodeCreatorComponent()) : nullptr;
    if (latest && report && report->BandedEngine() && report->BandedEngine()->LastBandDone)
        latest->InProgress = false;
    TppOutlineNodeCreator::EndPage();
}

#include "OutlineParticipants.h"

#include "LanguageStringNumbers.h"
#include "TppBand.h"
#include "TppChildReport.h"
#include "TppGroup.h"
#include "TppReport.h"
#include "TppResourceManager.h"
#include "TppSubReport.h"

namespace {

QList<TppCommunicator*> subreportsOf(const TppBand* band) {
    QList<TppCommunicator*> found;
    if (!band)
        return found;
    for (TppComponent* component : band->Objects())
        if (auto* subreport = dynamic_cast<TppSubReport*>(component))
            found << subreport;
    return found;
}

QList<TppCommunicator*> reportChildren(TppBandedReport& report) {
    const TppBand* detail = report.DetailBand();
    QList<TppCommunicator*> before;
    QList<TppCommunicator*> after;
    bool detailPassed = false;
    for (const TppBand* band : report.Bands()) {
        if (band->GroupIndex() >= 0)
            continue;
        if (band == detail) {
            detailPassed = true;
            continue;
        }
        (detailPassed ? after : before) << subreportsOf(band);
    }
    if (!report.Groups().isEmpty())
        before << report.Groups().first();
    else
        before << subreportsOf(detail);
    return before + after;
}

QList<TppCommunicator*> groupChildren(TppGroup& group) {
    auto* report = dynamic_cast<TppBandedReport*>(group.Report());
    if (!report)
        return {};
    const int next = group.GroupNo() + 1;
    if (next > 0 && next < report->Groups().size())
        return {report->Groups()[next]};
    return subreportsOf(report->DetailBand());
}

} // namespace

TppBandedReport* participantReport(TppCommunicator& participant) {
    if (auto* subreport = dynamic_cast<TppSubReport*>(&participant))
        return subreport->ChildReport();
    return dynamic_cast<TppBandedReport*>(&participant);
}

QList<TppCommunicator*> outlineChildren(TppCommunicator& participant) {
    if (auto* group = dynamic_cast<TppGroup*>(&participant))
        return groupChildren(*group);
    if (TppBandedReport* report = participantReport(participant))
        return reportChildren(*report);
    return {};
}

TppOutlineSettings* outlineSettingsOf(TppCommunicator& participant) {
    if (auto* group = dynamic_cast<TppGroup*>(&participant))
        return &group->OutlineSettings();
    if (auto* subreport = dynamic_cast<TppSubReport*>(&participant))
        return &subreport->OutlineSettings();
    if (auto* report = dynamic_cast<TppReport*>(&participant))
        return &report->OutlineSettings();
    return nullptr;
}

bool makesReportEntry(TppCommunicator& participant) {
    if (auto* subreport = dynamic_cast<TppSubReport*>(&participant))
        return subreport->PrintBehavior() == pbSection;
    return dynamic_cast<TppBandedReport*>(&participant) != nullptr;
}

QString reportEntryCaption(TppCommunicator& participant) {
    QString caption =
        dynamic_cast<TppSubReport*>(&participant) ? participant.UserName() : LanguageString(kMsgMainReport);
    return caption.isEmpty() ? LanguageString(kMsgMain) : caption;
}

bool hasCollapsibleDrillDown(TppBandedReport& report) {
    for (const TppBand* band : report.Bands())
        for (TppComponent* component : band->Objects()) {
            auto* subreport = dynamic_cast<TppSubReport*>(component);
            if (!subreport)
                continue;
            if (subreport->DrillDownComponent() && subreport->PrintBehavior() != pbSection &&
                !subreport->ExpandAll())
                return true;
            if (hasCollapsibleDrillDown(*subreport->ChildReport()))
                return true;
        }
    return false;
}

#pragma once

#include <QList>
#include <QString>

class TppBandedReport;
class TppCommunicator;
class TppOutlineSettings;

// What the report, its subreports and its groups answer for the outline.
// The outline children of a report (for a subreport: of its report) are the
// subreports of the bands before the detail band, in band and component
// order; then its first group or, without groups, the detail band's
// subreports; then the subreports of the bands after the detail band. A
// group's one child is the next group, or for the last group the detail
// band's subreports: groups nest in group order and the detail band's
// subreports hang under the innermost group.
QList<TppCommunicator*> outlineChildren(TppCommunicator& participant);
TppOutlineSettings* outlineSettingsOf(TppCommunicator& participant);
// The report a report or subreport participant generates: itself or the subreport's child report.
TppBandedReport* participantReport(TppCommunicator& participant);
// Whether the participant makes an entry of its own per generation run: the
// main report and subreports printing as sections.
bool makesReportEntry(TppCommunicator& participant);
// The report entry's caption: "Main", or a subreport's user name.
QString reportEntryCaption(TppCommunicator& participant);
// Whether a drill-down subreport that is not expanded and does not print
// as a section lies anywhere in the report: its pages change with clicks,
// so no outline can describe them.
bool hasCollapsibleDrillDown(TppBandedReport& report);

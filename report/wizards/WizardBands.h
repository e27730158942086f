#pragma once

class TppBand;
class TppReportModel;

// A subreport's report prints inside its parent's band and has no page to
// head: its title band stands in for the page header and its summary band
// for the page footer when a wizard lays it out.
bool isChildReport(const TppReportModel& report);
TppBand* headerLikeBand(const TppReportModel& report);
TppBand* footerLikeBand(const TppReportModel& report);

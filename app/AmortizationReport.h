#pragma once

#include "FormatSettings.h"
#include "OwnedComponent.h"
#include "ReportHeader.h"

class Clock;
class MemoryTable;
class TppReport;

// Report1 of the main window with what it reads: DataSource1 over the
// schedule table, ppDBPipeline1 (user name "DBPipeline1") over that, and
// the report with its built-in layout until a template replaces it. They
// live on one form, so a template's references to the pipeline resolve.
// The report reads today's date and the time from `clock`.
class AmortizationReport {
public:
    AmortizationReport(MemoryTable& schedule, const FormatSettings& settings, const Clock& clock);
    ~AmortizationReport();
    AmortizationReport(const AmortizationReport&) = delete;
    AmortizationReport& operator=(const AmortizationReport&) = delete;

    TppReport& report() { return *report_; }
    // Replaces the layout with the file's; the template's errors propagate
    // and leave the layout as it was.
    void loadTemplate(const QString& path);
    // The six value labels of the header, found by name; a layout without
    // one of them simply does not show that value.
    void setHeader(const ReportHeader& header);

private:
    OwnedComponent form_;
    TppReport* report_ = nullptr;
};

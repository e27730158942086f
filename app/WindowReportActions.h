#pragma once

#include "AmortizationReport.h"
#include "ApplicationWaitCursor.h"
#include "ReportActions.h"

#include <memory>

class Clock;
class MemoryTable;
class Prompter;
class TppDesigner;

// What the window's report commands do: Report1 is made over the schedule
// table when first needed, "Show Report" prints it to the screen (the
// preview window, as Report1's settings say), "Design Report" loads the
// template and opens Designer1 on Report1; what the designer saves is what
// the next "Show Report" loads.
class WindowReportActions final : public ReportActions {
public:
    WindowReportActions(Prompter& prompter, const FormatSettings& settings, const Clock& clock);
    ~WindowReportActions() override;

    // The window's table; set once the window exists.
    void setSchedule(MemoryTable* schedule) { schedule_ = schedule; }

    void loadTemplate(const QString& path) override;
    void preview(const ReportHeader& header) override;
    void design(const QString& path) override;

    // Where Designer1 keeps its settings file; the platform's settings folder by default.
    void setDesignerSettingsFolder(const QString& folder) { designerSettingsFolder_ = folder; }
    TppDesigner* designer() const { return designer_.get(); }

private:
    AmortizationReport& report();

    Prompter& prompter_;
    FormatSettings settings_;
    const Clock& clock_;
    ApplicationWaitCursor waitCursor_;
    MemoryTable* schedule_ = nullptr;
    std::unique_ptr<AmortizationReport> report_;
    QString designerSettingsFolder_;
    // Edits Report1, so it goes before the report does.
    std::unique_ptr<TppDesigner> designer_;
};

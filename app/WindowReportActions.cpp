#include "WindowReportActions.h"

#include "PagewrightErrors.h"
#include "Prompter.h"
#include "TppDesigner.h"
#include "TppDesignerWindow.h"
#include "TppReport.h"
#include "TppReportTemplate.h"

WindowReportActions::WindowReportActions(Prompter& prompter, const FormatSettings& settings,
                                         const Clock& clock)
    : prompter_(prompter), settings_(settings), clock_(clock) {}

WindowReportActions::~WindowReportActions() = default;

AmortizationReport& WindowReportActions::report() {
    if (!report_) {
        if (!schedule_)
            throw EPagewrightError(QStringLiteral("The report has no schedule to read."));
        report_ = std::make_unique<AmortizationReport>(*schedule_, settings_, clock_);
        // The window shows that a template is being read or written; the command line does not.
        ReportTemplate(report_->report()).SetBusyCursor(&waitCursor_);
    }
    return *report_;
}

void WindowReportActions::loadTemplate(const QString& path) {
    report().loadTemplate(path);
}

void WindowReportActions::preview(const ReportHeader& header) {
    report().setHeader(header);
    report().report().Print();
}

void WindowReportActions::design(const QString& path) {
    if (!designer_) {
        designer_ = std::make_unique<TppDesigner>();
        designer_->SetName(QStringLiteral("Designer1"));
        designer_->SetReport(&report().report());
        designer_->SetSettingsFolder(designerSettingsFolder_);
    }
    // An open designer may hold edits not yet saved: it comes to the front
    // as it is rather than being loaded over.
    if (!designer_->Form())
        report().loadTemplate(path);
    designer_->Show();
}

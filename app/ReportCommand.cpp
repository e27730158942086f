#include "ReportCommand.h"

#include "AmortizationReport.h"
#include "AmortizationSchedule.h"
#include "HeadlessPrint.h"
#include "LoanOptions.h"
#include "PageStream.h"
#include "PagewrightErrors.h"
#include "ReportCommands.h"
#include "ScheduleCommand.h"
#include "TppPageRequest.h"
#include "TppReport.h"

#include <QDir>

namespace {

constexpr int kRefused = 2;
constexpr int kFailed = 1;

// "Show Report" that writes the pages instead of opening the preview.
class PageWritingActions final : public ReportActions {
public:
    PageWritingActions(AmortizationReport& report, const PageOutput& output, QTextStream& out)
        : report_(report), output_(output), out_(out) {}

    void loadTemplate(const QString& path) override { report_.loadTemplate(path); }
    void preview(const ReportHeader& header) override {
        report_.setHeader(header);
        const std::unique_ptr<PageSink> sink = output_.sink(out_);
        streamPages(report_.report(), TppPageRequest(), {sink.get()});
    }
    void design(const QString&) override {}

private:
    AmortizationReport& report_;
    const PageOutput& output_;
    QTextStream& out_;
};

} // namespace

int runReportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, const Clock& clock,
                     const FormatSettings& settings, const QString& appDir) {
    QStringList options = arguments;
    LoanInputs inputs;
    QString templatePath;
    std::optional<PageOutput> output;
    try {
        QString error;
        output = PageOutput::take(options, error);
        if (!output)
            throw UsageError{error};
        templatePath = takeOptionValue(options, QStringLiteral("--template"))
                           .value_or(QDir(appDir).filePath(QStringLiteral("Amortization.rtm")));
        inputs = parseLoanOptions(options, clock);
    } catch (const UsageError& error) {
        err << "kestrel report: " << error.message << "\n" << kestrelUsage();
        return kRefused;
    }

    MemoryTable schedule;
    if (!computeCommandSchedule(inputs, schedule, settings, err))
        return kRefused;
    try {
        AmortizationReport report(schedule, settings, clock);
        PageWritingActions actions(report, *output, out);
        if (const auto refusal = showReport(inputs, schedule, templatePath, actions, settings)) {
            err << refusal->message << "\n";
            return kRefused;
        }
    } catch (const EPagewrightError& error) {
        err << error.message() << "\n";
        return kFailed;
    }
    return 0;
}

// Feeds arbitrary bytes to Kestrel's report as a template file: the report
// of the main window over a schedule of three months loads the file, as
// "Show Report" does, and generates its first pages. Scripts the template
// carries run with file access refused and their loop turns and calls
// limited. Crashes, sanitizer reports and generation that does not end
// within the time bound are findings; templates refused with the
// template's errors and reports that fail with the engine's are not.

#include "AmortizationReport.h"
#include "AmortizationSchedule.h"
#include "BarCodeClasses.h"
#include "FixedClock.h"
#include "FuzzSupport.h"
#include "HeadlessPrint.h"
#include "PagewrightErrors.h"
#include "TppPageRequest.h"
#include "TppReport.h"
#include "TraCodeModule.h"

#include <QFile>

namespace {

constexpr qint64 kMaxScriptTurns = 20000;
constexpr int kPagesGenerated = 6;

MemoryTable& threeMonths() {
    static MemoryTable table;
    static const bool computed = [] {
        LoanInputs inputs;
        inputs.term = QStringLiteral("3");
        inputs.startDate = QDateTime(QDate(2024, 3, 15), QTime(9, 0));
        AmortizationSchedule::defineTable(table);
        return std::holds_alternative<ScheduleSummary>(
            AmortizationSchedule::compute(inputs, table, FormatSettings::invariant()));
    }();
    if (!computed)
        abort();
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = [] {
        ensureGuiApplication();
        registerBarCodeClasses();
        return true;
    }();
    (void)registered;
    static const FixedClock clock;

    const QString path = scratchFolder().filePath(QStringLiteral("Amortization.rtm"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            abort();
    }
    MemoryTable& schedule = threeMonths();
    schedule.first();
    try {
        AmortizationReport report(schedule, FormatSettings::invariant(), clock);
        report.loadTemplate(path);
        if (auto* module = static_cast<TraCodeModule*>(
                TppReportModule::Find(report.report(), TraCodeModule::staticClassInfo()))) {
            module->environment().allowFileAccess = false;
            module->environment().maxTurns = kMaxScriptTurns;
        }
        report.setHeader({});
        TppPageRequest request;
        request.PageSetting = psPageList;
        for (int page = 1; page <= kPagesGenerated; ++page)
            request.PageList.append(QString::number(page));
        (void)printToPages(report.report(), request);
    } catch (const EPagewrightError&) {
    }
    return 0;
}

#include "ExportCommand.h"

#include "LoanOptions.h"
#include "ScheduleCommand.h"
#include "ScheduleWorkbook.h"

namespace {

constexpr int kRefused = 2;
constexpr int kFailed = 1;

} // namespace

int runExportCommand(const QStringList& arguments, QTextStream&, QTextStream& err, const Clock& clock,
                     const FormatSettings& settings) {
    QStringList options = arguments;
    QString path;
    LoanInputs inputs;
    try {
        const auto file = takeOptionValue(options, QStringLiteral("--xlsx"));
        if (!file)
            throw UsageError{QStringLiteral("--xlsx FILE names the workbook to write")};
        path = *file;
        inputs = parseLoanOptions(options, clock);
    } catch (const UsageError& error) {
        err << "kestrel export: " << error.message << "\n" << kestrelUsage();
        return kRefused;
    }
    MemoryTable schedule;
    if (!computeCommandSchedule(inputs, schedule, settings, err))
        return kRefused;
    const WorkbookOutcome written = writeScheduleWorkbook(schedule, path);
    if (!written.written()) {
        err << workbookNotWritten(written) << "\n";
        return kFailed;
    }
    return 0;
}

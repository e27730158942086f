#include "ReportCommands.h"

#include "AdvisoryMessages.h"

#include <QFileInfo>

std::optional<InputRefusal> showReport(const LoanInputs& inputs, Dataset& schedule,
                                       const QString& templatePath, ReportActions& reports,
                                       const FormatSettings& settings) {
    if (schedule.isEmpty())
        return InputRefusal{std::nullopt, advisory::noRecords};
    if (!QFileInfo(templatePath).isFile())
        return InputRefusal{std::nullopt, advisory::noReportFile};
    reports.loadTemplate(templatePath);
    const auto header = ReportHeader::read(inputs, schedule, settings);
    if (const auto* refusal = std::get_if<InputRefusal>(&header))
        return *refusal;
    reports.preview(std::get<ReportHeader>(header));
    return std::nullopt;
}

std::optional<InputRefusal> designReport(const QString& templatePath, ReportActions& reports) {
    if (!QFileInfo(templatePath).isFile())
        return InputRefusal{std::nullopt, advisory::noReportFile};
    reports.design(templatePath);
    return std::nullopt;
}

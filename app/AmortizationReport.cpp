#include "AmortizationReport.h"

#include "AmortizationLayout.h"
#include "DataSource.h"
#include "EngineClasses.h"
#include "MemoryTable.h"
#include "TemplateClasses.h"
#include "TppCustomText.h"
#include "TppDBPipeline.h"
#include "TppReport.h"
#include "TppReportTemplate.h"
#include "TraCodeModule.h"

AmortizationReport::AmortizationReport(MemoryTable& schedule, const FormatSettings& settings,
                                       const Clock& clock) {
    registerEngineClasses();
    registerTemplateClasses();
    registerScriptClasses();
    form_.SetName(QStringLiteral("frmMain"));
    auto* source = new DataSource(&form_, &schedule);
    source->SetName(QStringLiteral("DataSource1"));
    auto* pipeline = new TppDBPipeline(&form_);
    pipeline->SetName(QStringLiteral("ppDBPipeline1"));
    pipeline->SetUserName(QStringLiteral("DBPipeline1"));
    pipeline->SetDataSource(source);
    report_ = new TppReport(&form_);
    report_->SetName(QStringLiteral("Report1"));
    report_->SetLocaleSettings(settings);
    report_->SetClock(&clock);
    buildAmortizationLayout(*report_, *pipeline);
}

AmortizationReport::~AmortizationReport() = default;

void AmortizationReport::loadTemplate(const QString& path) {
    TppReportTemplate& reportTemplate = ReportTemplate(*report_);
    reportTemplate.SetFileName(path);
    reportTemplate.LoadFromFile();
    breakDateGroupsByYear(*report_);
}

void AmortizationReport::setHeader(const ReportHeader& header) {
    const std::pair<const char*, const QString*> labels[] = {
        {"pplblAutoLoanAmt", &header.loanAmount},    {"pplblLoanTerm", &header.loanTerm},
        {"pplblInterestRate", &header.interestRate}, {"pplblMonthPay", &header.monthPay},
        {"pplblTotInterest", &header.totalInterest}, {"pplblTotPay", &header.totalPay},
    };
    for (const auto& [name, value] : labels)
        if (auto* label = dynamic_cast<TppCustomText*>(form_.FindComponent(QLatin1String(name))))
            label->SetCaption(*value);
}

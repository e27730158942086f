#include "ReportDataHooks.h"

#include "TppCustomDataPipeline.h"
#include "TppCustomReport.h"
#include "TppField.h"
#include "TppReportTemplate.h"
#include "TppWizard.h"

QList<TppDataPipeline*> availablePipelines(TppCustomReport& report) {
    QList<TppDataPipeline*> pipelines;
    if (OwnedComponent* owner = report.Owner())
        for (OwnedComponent* component : owner->components())
            if (auto* pipeline = dynamic_cast<TppDataPipeline*>(component))
                pipelines << pipeline;
    for (TppDataPipeline* pipeline : report.Pipelines())
        if (!pipelines.contains(pipeline))
            pipelines << pipeline;
    return pipelines;
}

QStringList pipelineDataNames(TppCustomReport& report) {
    QStringList names;
    for (TppDataPipeline* pipeline : availablePipelines(report))
        names << pipeline->UserName();
    return names;
}

namespace {

TppDataPipeline* pipelineNamed(TppCustomReport& report, const QString& dataName) {
    for (TppDataPipeline* pipeline : availablePipelines(report))
        if (pipeline->UserName().compare(dataName, Qt::CaseInsensitive) == 0)
            return pipeline;
    return nullptr;
}

} // namespace

QList<TppWizardField> pipelineFields(TppCustomReport& report, const QString& dataName) {
    QList<TppWizardField> fields;
    TppDataPipeline* pipeline = pipelineNamed(report, dataName);
    QStringList names;
    if (!pipeline || !pipeline->GetFieldNames(names))
        return fields;
    auto* custom = dynamic_cast<TppCustomDataPipeline*>(pipeline);
    for (const QString& name : names) {
        TppWizardField field;
        field.fieldName = name;
        field.alias = pipeline->GetFieldAlias(name);
        field.dataType = pipeline->GetFieldDataType(name);
        field.pipeline = pipeline;
        if (TppField* defined = custom ? custom->FieldForName(name) : nullptr)
            field.selectable = defined->Selectable();
        fields << field;
    }
    return fields;
}

void connectWizardToReport(TppCustomReportWizard& wizard, TppCustomReport& report) {
    wizard.OnGetDataNames = [&report] { return pipelineDataNames(report); };
    wizard.OnGetFields = [&report](const QString& name) { return pipelineFields(report, name); };
    wizard.OnCreateReport = [&report](const QString& dataName) {
        TppDataPipeline* pipeline = pipelineNamed(report, dataName);
        if (!pipeline && dataName.isEmpty())
            pipeline = report.DataPipeline();
        ReportTemplate(report).New();
        report.SetDataPipeline(pipeline);
        return &report;
    };
}

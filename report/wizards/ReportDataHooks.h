#pragma once

#include "ReportWizardChoices.h"

#include <QList>
#include <QStringList>

class TppCustomReport;
class TppCustomReportWizard;
class TppDataPipeline;

// The pipelines a report may take its data from: those its owner (the
// form) holds and those it already uses, each once, by user name.
QList<TppDataPipeline*> availablePipelines(TppCustomReport& report);
QStringList pipelineDataNames(TppCustomReport& report);
// The fields of the pipeline with that user name, with alias and type.
QList<TppWizardField> pipelineFields(TppCustomReport& report, const QString& dataName);

// What a designer gives a report wizard when its host supplies nothing
// else: the report's pipelines as data, and the report itself, reset to a
// new one over the data chosen (over the pipeline it had, when the wizard
// chooses none), as the report to build into.
void connectWizardToReport(TppCustomReportWizard& wizard, TppCustomReport& report);

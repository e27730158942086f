#include "TextEnvironment.h"

#include "TppComponent.h"
#include "TppCustomEngine.h"
#include "TppCustomReport.h"
#include "TppDataPipeline.h"

namespace {

const TppCustomReport* reportOf(const TppComponent& component) {
    return dynamic_cast<const TppCustomReport*>(component.Report());
}

} // namespace

TextCanvas textCanvasOf(const TppComponent& component) {
    static const FontMetricsMeasurer fontMetrics;
    if (const TppCustomReport* report = reportOf(component))
        return {report->Measurer(), report->MeasuringPrinter()};
    return {fontMetrics, nullptr};
}

const FormatSettings& localeSettingsOf(const TppComponent& component) {
    static const FormatSettings invariant = FormatSettings::invariant();
    const TppCustomReport* report = reportOf(component);
    return report ? report->LocaleSettings() : invariant;
}

bool dataAvailable(const TppComponent& component) {
    const TppDataPipeline* pipeline = component.DataPipeline();
    return !component.DataField().isEmpty() && pipeline && pipeline->Active();
}

void listenToGeneration(TppComponent& component) {
    component.AddEventKind(ciEngineTraversal);
    component.AddEventKind(ciGroupBreakReset);
    auto* report = dynamic_cast<TppCustomReport*>(component.Report());
    if (TppCustomEngine* engine = report ? report->Engine() : nullptr)
        engine->SubscribeEvents(&component);
}

bool reportPrinting(const TppComponent& component) {
    return component.Report() && component.Report()->Printing();
}

int reportBandCountOf(const TppComponent& component) {
    auto* report = dynamic_cast<TppCustomReport*>(component.Report());
    TppCustomEngine* engine = report ? report->Engine() : nullptr;
    return engine ? engine->ReportBandCount : 0;
}

#include "TppTemplateDBSettings.h"

#include "ClassBuilder.h"
#include "TppDataPipeline.h"

const ClassInfo& TppTemplateDBSettings::staticClassInfo() {
    static const ClassInfo info = describeClass<TppTemplateDBSettings>(
        "TppTemplateDBSettings", &Persistent::staticClassInfo(), [](auto& c) {
            using S = TppTemplateDBSettings;
            c.reference("DataPipeline", &S::DataPipeline, &S::SetDataPipeline);
            c.property("Name", &S::Name, &S::SetName);
            c.property("NameField", &S::NameField, &S::SetNameField);
            c.property("TemplateField", &S::TemplateField, &S::SetTemplateField);
        });
    return info;
}

TppTemplateDBSettings::TppTemplateDBSettings() {
    pipelineLink_.OnNotify = [this](TppCommunicator* sender, int operation) {
        if (operation == ppopRemove && sender == pipeline_)
            pipeline_ = nullptr;
    };
}

void TppTemplateDBSettings::SetDataPipeline(TppDataPipeline* pipeline) {
    if (pipeline == pipeline_)
        return;
    if (pipeline_)
        pipelineLink_.UnlinkFrom(pipeline_);
    pipeline_ = pipeline;
    if (pipeline_)
        pipelineLink_.LinkTo(pipeline_);
}

void TppTemplateDBSettings::Assign(const TppTemplateDBSettings& other) {
    SetDataPipeline(other.pipeline_);
    name_ = other.name_;
    nameField_ = other.nameField_;
    templateField_ = other.templateField_;
}

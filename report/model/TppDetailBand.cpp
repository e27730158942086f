#include "TppDetailBand.h"

#include "ClassBuilder.h"
#include "TppDataPipeline.h"

const ClassInfo& TppDetailBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDetailBand>("TppDetailBand", &TppBand::staticClassInfo(), [](auto& c) {
            c.defined(
                 "DataPipeline", PropertyKind::String,
                 [](const TppDetailBand& b) { return b.pipeline_ ? b.pipeline_->Name() : QString(); },
                 [](TppDetailBand& b, const QVariant& v) { b.pendingPipelineName_ = v.toString(); })
                .writtenWhen([](const TppDetailBand& b) { return b.pipeline_ != nullptr; });
            for (const char* ignored : {"DataSource", "NoRecordsAction", "SkipWhenNoRecords"})
                c.defined(ignored, PropertyKind::Integer, nullptr, [](TppDetailBand&, const QVariant&) {});
        });
    return info;
}

TppDataPipeline* TppDetailBand::DataPipeline() const { return pipeline_ ? pipeline_ : TppBand::DataPipeline(); }

void TppDetailBand::SetDataPipeline(TppDataPipeline* pipeline) {
    if (pipeline == pipeline_)
        return;
    if (pipeline_)
        UnlinkFrom(pipeline_);
    pipeline_ = pipeline;
    if (pipeline_)
        LinkTo(pipeline_);
    Change();
}

void TppDetailBand::Notify(TppCommunicator* sender, int operation) {
    TppBand::Notify(sender, operation);
    if (operation == ppopRemove && sender == pipeline_)
        pipeline_ = nullptr;
}

void TppDetailBand::Loaded() {
    TppBand::Loaded();
    if (!pendingPipelineName_.isEmpty()) {
        if (TppDataPipeline* pipeline = TppDataPipeline::FindByName(Owner(), pendingPipelineName_))
            SetDataPipeline(pipeline);
        pendingPipelineName_.clear();
    }
}

#include "TppDetailBand.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppDataPipeline.h"

#include <algorithm>

const ClassInfo& TppDetailBand::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDetailBand>("TppDetailBand", &TppBand::staticClassInfo(), [](auto& c) {
            using D = TppDetailBand;
            c.property("BandsPerRecord", &D::BandsPerRecord, &D::SetBandsPerRecord).withDefault(1);
            c.property("ColumnTraversal", &D::ColumnTraversal, &D::SetColumnTraversal)
                .names(enumerationNames("TppColumnTraversalType"))
                .withDefault(ctTopToBottom);
            c.property("PrintCount", &D::PrintCount, &D::SetPrintCount).withDefault(0);
            c.defined(
                 "DataPipeline", PropertyKind::String,
                 [](const TppDetailBand& b) { return b.pipeline_ ? b.pipeline_->Name() : QString(); },
                 [](TppDetailBand& b, const QVariant& v) { b.pendingPipelineName_.set(v.toString()); })
                .writtenWhen([](const TppDetailBand& b) { return b.pipeline_ != nullptr; });
            for (const char* ignored : {"DataSource", "NoRecordsAction", "SkipWhenNoRecords"})
                c.defined(ignored, PropertyKind::Integer, nullptr, [](TppDetailBand&, const QVariant&) {});
        });
    return info;
}

TppDataPipeline* TppDetailBand::DataPipeline() const {
    return pipeline_ ? pipeline_ : TppBand::DataPipeline();
}

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

void TppDetailBand::SetBandsPerRecord(int value) {
    bandsPerRecord_ = std::max(value, 1);
    Change();
}

void TppDetailBand::SetPrintCount(int value) {
    printCount_ = std::max(value, 0);
    Change();
}

void TppDetailBand::SetColumnTraversal(TppColumnTraversalType value) {
    columnTraversal_ = value;
    if (value == ctLeftToRight && PrintHeight() == phDynamic)
        TppBand::SetPrintHeight(phStatic);
    Change();
}

void TppDetailBand::SetPrintHeight(TppPrintHeightType value) {
    if (value == phDynamic && columnTraversal_ == ctLeftToRight && !isLoading())
        return;
    TppBand::SetPrintHeight(value);
}

void TppDetailBand::Notify(TppCommunicator* sender, int operation) {
    TppBand::Notify(sender, operation);
    if (operation == ppopRemove && sender == pipeline_)
        pipeline_ = nullptr;
}

void TppDetailBand::Loaded() {
    TppBand::Loaded();
    if (TppDataPipeline* named = pendingPipelineName_.take(Owner()))
        SetDataPipeline(named);
}

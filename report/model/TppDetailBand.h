#pragma once

#include "PendingPipelineName.h"
#include "TppBand.h"

// The band printed once per record (or BandsPerRecord times), up to
// PrintCount bands per page when that is set. A subreport's detail band may
// walk a pipeline of its own instead of the report's. Across columns it
// runs top to bottom, or left to right with a fixed height.
class TppDetailBand final : public TppBand {
public:
    PW_CLASS_INFO
    explicit TppDetailBand(OwnedComponent* owner = nullptr) : TppBand(owner) {}
    ~TppDetailBand() override { markDestroying(); }

    int BandTypeCode() const override { return btDetail; }
    QString SortKey() const override { return sortKeyNumber(5); }
    TppDataPipeline* DataPipeline() const override;
    TppDataPipeline* OwnDataPipeline() const { return pipeline_; }
    void SetDataPipeline(TppDataPipeline* pipeline);

    int BandsPerRecord() const { return bandsPerRecord_; }
    // Values below 1 store 1.
    void SetBandsPerRecord(int value);
    // 0 prints as many bands as fit.
    int PrintCount() const { return printCount_; }
    void SetPrintCount(int value);
    TppColumnTraversalType ColumnTraversal() const { return columnTraversal_; }
    // Left to right makes a dynamic band static.
    void SetColumnTraversal(TppColumnTraversalType value);
    // Left to right rows have one height: phDynamic is refused there.
    void SetPrintHeight(TppPrintHeightType value) override;

    void Notify(TppCommunicator* sender, int operation) override;
    void Loaded() override;

private:
    TppDataPipeline* pipeline_ = nullptr;
    PendingPipelineName pendingPipelineName_;
    int bandsPerRecord_ = 1;
    int printCount_ = 0;
    TppColumnTraversalType columnTraversal_ = ctTopToBottom;
};

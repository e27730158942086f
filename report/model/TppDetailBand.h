#pragma once

#include "TppBand.h"

// The band printed once per record. A subreport's detail band may walk a
// pipeline of its own instead of the report's.
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

    void Notify(TppCommunicator* sender, int operation) override;
    void Loaded() override;

private:
    TppDataPipeline* pipeline_ = nullptr;
    QString pendingPipelineName_;
};

#pragma once

#include "TppBandEngine.h"

class TppReportBand;

// The title and the summary, each printed once. With NewPage the title
// ends its page and the summary starts a new one. While either prints,
// group headers are not reprinted and columns are not started.
class TppReportBandEngine : public TppBandEngine {
public:
    TppReportBandEngine(TppReportBand& band, BandHost& engine);

    unsigned KindCodes() const override;
    void InitForReport() override;
    void PageEnded() override;

    // The page break NewPage asks for has been made.
    bool AlreadyPageBreak = false;

protected:
    bool SyncsRecordOnPass() const override { return !isSummary(); }
    void PrepareBand() override;
    void CheckBandSpace() override;
    void EndBandGeneration() override;
    int ExtraState() const override { return (AlreadyPageBreak ? 1 : 0) | (breakNoTaken_ ? 2 : 0); }
    void SetExtraState(int state) override {
        AlreadyPageBreak = state & 1;
        breakNoTaken_ = state & 2;
    }

private:
    // The summary has given the control group's last break back; once, even when it is called
    // again on the next page because it did not fit.
    bool breakNoTaken_ = false;
    bool isSummary() const;
    TppEngineStatus status() const;
    TppReportBand& reportBand_;
};

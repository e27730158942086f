#pragma once

#include "TppBandedReport.h"
#include "TppOutlineSettings.h"

// The report applications place on their forms and templates store: the
// banded report with every printing setting of the producer.
class TppReport : public TppBandedReport {
public:
    PW_CLASS_INFO

    explicit TppReport(OwnedComponent* owner = nullptr);
    ~TppReport() override;

    TppOutlineReportSettings& OutlineSettings() { return outlineSettings_; }
    const TppOutlineReportSettings& OutlineSettings() const { return outlineSettings_; }

    void TakeOverLayout(TppCustomReport& other) override;

private:
    TppOutlineReportSettings outlineSettings_;
};

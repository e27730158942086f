#pragma once

#include "TppBand.h"

// The bands printed once per report, the title and the summary: either may
// ask for a page of its own.
class TppReportBand : public TppBand {
public:
    PW_CLASS_INFO

    explicit TppReportBand(OwnedComponent* owner = nullptr);
    ~TppReportBand() override;

    bool NewPage() const { return newPage_; }
    void SetNewPage(bool value);

private:
    bool newPage_ = false;
};

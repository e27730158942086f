#pragma once

#include "TppDetailBandEngine.h"

// Records side by side across the report's columns, a row at a time. A
// column gets its header when it first receives a record on a page and its
// footer when it is full or the page ends. Rows have the band's height.
class TppHorizontalBandEngine : public TppDetailBandEngine {
public:
    using TppDetailBandEngine::TppDetailBandEngine;

    void PageEnded() override;

protected:
    void PrepareBand() override;
    void StartBandPass() override;
    void CheckBandSpace() override;
    void AdvancePrintPosition() override;
    void EndBandPass() override;
    void EndBandGeneration() override;

private:
    void openColumn(int column);
    void closeColumn(int column);

    int callLeft_ = 0;
    // Where this page's column headers go: the top of the first row.
    int columnHeaderTop_ = -1;
    int rowTop_ = 0;
};

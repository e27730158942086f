#pragma once

#include "TppBand.h"

// The bands that frame every page, the header and the footer: either may be
// left off the first or the last page.
class TppPageBand : public TppBand {
public:
    PW_CLASS_INFO

    explicit TppPageBand(OwnedComponent* owner = nullptr);
    ~TppPageBand() override;

    bool PrintOnFirstPage() const { return printOnFirstPage_; }
    void SetPrintOnFirstPage(bool value);
    bool PrintOnLastPage() const { return printOnLastPage_; }
    void SetPrintOnLastPage(bool value);

private:
    bool printOnFirstPage_ = true;
    bool printOnLastPage_ = true;
};

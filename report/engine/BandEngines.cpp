#include "BandEngines.h"

#include "TppColumnBandEngine.h"
#include "TppDetailBand.h"
#include "TppGroupFooterBand.h"
#include "TppGroupFooterBandEngine.h"
#include "TppGroupHeaderBand.h"
#include "TppGroupHeaderBandEngine.h"
#include "TppHorizontalBandEngine.h"
#include "TppPageBand.h"
#include "TppPageBandEngine.h"
#include "TppPageStyle.h"
#include "TppPageStyleEngine.h"
#include "TppReportBand.h"
#include "TppReportBandEngine.h"
#include "TppVerticalBandEngine.h"

std::unique_ptr<TppBandEngine> createBandEngine(TppBand& band, BandHost& engine) {
    switch (band.BandTypeCode()) {
    case btPageStyle:
        return std::make_unique<TppPageStyleEngine>(static_cast<TppPageStyle&>(band), engine);
    case btHeader:
    case btFooter:
        return std::make_unique<TppPageBandEngine>(static_cast<TppPageBand&>(band), engine);
    case btTitle:
    case btSummary:
        return std::make_unique<TppReportBandEngine>(static_cast<TppReportBand&>(band), engine);
    case btColumnHeader:
    case btColumnFooter:
        return std::make_unique<TppColumnBandEngine>(band, engine);
    case btGroupHeader: {
        auto& header = static_cast<TppGroupHeaderBand&>(band);
        if (!header.Group())
            return nullptr;
        return std::make_unique<TppGroupHeaderBandEngine>(header, engine);
    }
    case btGroupFooter: {
        auto& footer = static_cast<TppGroupFooterBand&>(band);
        if (!footer.Group())
            return nullptr;
        return std::make_unique<TppGroupFooterBandEngine>(footer, engine);
    }
    case btDetail: {
        auto& detail = static_cast<TppDetailBand&>(band);
        if (detail.ColumnTraversal() == ctLeftToRight)
            return std::make_unique<TppHorizontalBandEngine>(detail, engine);
        return std::make_unique<TppVerticalBandEngine>(detail, engine);
    }
    default:
        return nullptr;
    }
}

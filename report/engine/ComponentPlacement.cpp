#include "ComponentPlacement.h"

#include "TppBandedReport.h"
#include "TppComponent.h"
#include "TppPrintParent.h"
#include "TppReportModel.h"

#include <algorithm>

ParentGrowth parentGrowth(const TppPrintParent& parent) {
    if (parent.ParentSpaceUsed() <= 0)
        return {};
    return {parent.ParentSpaceUsed() - parent.ParentDesignHeight(), parent.ParentMaxStretchable()};
}

int shiftedTop(const TppComponent& component, int top, const ParentGrowth& grown) {
    if (const TppPrintable* lowest = grown.maxStretchable)
        return lowest->PrintRect.Top + lowest->SpaceUsed + component.mmTop() - lowest->mmTop() -
               lowest->mmHeight();
    return top + grown.growth;
}

int stretchedHeight(int top, int height, int parentCurrentPosition, int pageBottom) {
    if (top < parentCurrentPosition)
        height = parentCurrentPosition - top;
    if (top < pageBottom && pageBottom < top + height)
        height = pageBottom - top;
    return height;
}

namespace {

bool pageHasOtherContent(const TppComponent& component, const TppPrintParent& parent) {
    if (parent.ParentSpaceUsed() != 0)
        return true;
    TppReportModel* report = component.Report();
    return report && report->MainReport()->PageHasContent();
}

} // namespace

int heightThatFits(const TppComponent& component, const TppPrintParent& parent, int top, int height,
                   int pageBottom) {
    // One unit of slack absorbs the rounding of converted lengths.
    if (top + height <= pageBottom + 1)
        return height;
    if (pageHasOtherContent(component, parent))
        return -1;
    // Only a title or the like is above it: the next page holds it whole, so it is not cut.
    TppReportModel* report = component.Report();
    const auto* main = report ? dynamic_cast<const TppBandedReport*>(report->MainReport()) : nullptr;
    if (main && main->FitsNextPage(top - parent.ParentOriginTop(), height))
        return -1;
    return std::max(0, pageBottom - top);
}

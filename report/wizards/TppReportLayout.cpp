#include "TppReportLayout.h"

#include "TppBand.h"
#include "TppGroup.h"
#include "TppGroupHeaderBand.h"
#include "TppReportModel.h"
#include "WizardBands.h"

namespace {

// One row of the layouts' table. A group layout decorates the innermost
// group header, which takes the labels, and, with more than one group, the
// outermost.
struct LayoutRule {
    bool groupFieldsInHeaders;
    bool indentGroups;
    TppBandDecoration title;
    TppBandDecoration header;
    TppBandDecoration detail;
    TppBandDecoration footer;
    enum class Labels { Header, Detail, InnermostGroup } labels;
    TppBandDecoration innermostGroup;
    TppBandDecoration outermostGroup;
};

LayoutRule ruleOf(TppReportLayoutType type) {
    using L = LayoutRule::Labels;
    switch (type) {
    case rlVertical:
        return {false, false, bdNone, bdNone, bdLineAbove, bdLineBelow, L::Detail, bdNone, bdNone};
    case rlTabular:
        return {false, false, bdNone, bdLineBelow, bdNone, bdLineBelow, L::Header, bdNone, bdNone};
    case rlStepped:
        return {true, true, bdLineAbove, bdSingleLines, bdNone, bdLineBelow, L::Header, bdNone, bdNone};
    case rlBlock:
        return {false,       false,     bdLineAbove, bdSingleLines, bdControlBoxes,
                bdLineBelow, L::Header, bdNone,      bdNone};
    case rlOutline1:
        return {true,          true,  bdDoubleLines, bdNone, bdNone, bdLineBelow, L::InnermostGroup,
                bdSingleLines, bdNone};
    case rlOutline2:
        return {true,        true, bdSingleLines, bdNone, bdLineBelow, bdLineBelow, L::InnermostGroup,
                bdLineAbove, bdBox};
    case rlAlignLeft1:
        return {true,          false,      bdDoubleLines, bdNone, bdNone, bdLineBelow, L::InnermostGroup,
                bdSingleLines, bdLineBelow};
    case rlAlignLeft2:
        return {true,        false, bdSingleLines, bdNone, bdLineBelow, bdLineBelow, L::InnermostGroup,
                bdLineAbove, bdBox};
    }
    return ruleOf(rlTabular);
}

} // namespace

TppReportLayout createReportLayout(TppReportLayoutType type, const TppReportModel& report) {
    const LayoutRule rule = ruleOf(type);
    TppReportLayout layout;
    layout.groupFieldsInHeaders = rule.groupFieldsInHeaders;
    layout.indentGroups = rule.indentGroups;
    const auto decorate = [&](TppBand* band, TppBandDecoration decoration) {
        if (band)
            layout.decorations[band] = decoration;
    };
    TppBand* title = report.GetBand(btTitle);
    TppBand* headerLike = headerLikeBand(report);
    decorate(title, rule.title);
    // A child report's title is its header only where the labels go there;
    // below its caption, they start at 41.
    if (headerLike != title || rule.labels == LayoutRule::Labels::Header)
        decorate(headerLike, rule.header);
    decorate(report.GetBand(btDetail), rule.detail);
    decorate(footerLikeBand(report), rule.footer);
    switch (rule.labels) {
    case LayoutRule::Labels::Header:
        layout.labelBand = headerLike;
        if (headerLike && headerLike == title)
            layout.labelTop = 41;
        break;
    case LayoutRule::Labels::Detail:
        layout.labelBand = report.GetBand(btDetail);
        break;
    case LayoutRule::Labels::InnermostGroup:
        break;
    }
    const int groups = report.GroupCount();
    if (groups > 0 && rule.labels == LayoutRule::Labels::InnermostGroup) {
        TppBand* innermost = report.Group(groups - 1)->HeaderBand();
        decorate(innermost, rule.innermostGroup);
        layout.labelBand = innermost;
        if (groups > 1)
            decorate(report.Group(0)->HeaderBand(), rule.outermostGroup);
    }
    return layout;
}

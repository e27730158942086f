// What scripts read of bands, groups and components while the report prints:
// the state the engine keeps for each band, the group's current instance,
// a data text's repeated value, and the cache places of cached objects.
// Outside a run every member answers as one that has not started.

#include "TppBand.h"
#include "TppBandedReport.h"
#include "TppCacheable.h"
#include "TppComponent.h"
#include "TppCustomReport.h"
#include "TppDBText.h"
#include "TppDataPipeline.h"
#include "TppDetailBand.h"
#include "TppDetailBandEngine.h"
#include "TppEngine.h"
#include "TppGroup.h"
#include "TppGroupBand.h"
#include "TppGroupFooterBandEngine.h"
#include "TppGroupHeaderBand.h"
#include "TppGroupHeaderBandEngine.h"
#include "TppPrintable.h"
#include "TraDescribe.h"

namespace TraDescribe {

namespace {

TppEngine* engineOf(TppReportModel* report) {
    auto* custom = dynamic_cast<TppCustomReport*>(report);
    return custom ? dynamic_cast<TppEngine*>(custom->Engine()) : nullptr;
}

TppBandEngine* bandEngineOf(TppBand& band) {
    const TppEngine* engine = engineOf(band.Report());
    return engine ? engine->BandEngine(&band) : nullptr;
}

// A group band is due when its group broke; the header's and the footer's engines keep it.
bool generation(TppGroupBand& band) {
    TppBandEngine* engine = bandEngineOf(band);
    if (const auto* header = dynamic_cast<TppGroupHeaderBandEngine*>(engine))
        return header->Generation();
    if (const auto* footer = dynamic_cast<TppGroupFooterBandEngine*>(engine))
        return footer->Generation();
    return false;
}

int absolutePageNo(TppReportModel* report) {
    const TppEngine* engine = engineOf(report);
    return engine && engine->Generating() ? engine->AbsolutePageNo : 0;
}

// The value the group compares for the current record, read without the
// break-value event (a handler of that event may read it).
QString currentValue(TppGroup& group) {
    if (group.BreakType() == btDataField && group.DataPipeline())
        return group.DataPipeline()->GetFieldAsString(group.BreakName());
    if (group.BreakType() == btCustomField && group.BreakComponent())
        return group.BreakComponent()->Text();
    return group.BreakValue();
}

QString bandDescription(TppGroupBand& band) {
    TppGroup* group = band.Group();
    const QString kind =
        dynamic_cast<TppGroupHeaderBand*>(&band) ? QStringLiteral("Header") : QStringLiteral("Footer");
    return group ? group->Description() + u' ' + kind : band.Caption();
}

} // namespace

std::vector<TraMember> bandRunMembers() {
    return {
        // The number group bands show in their caption ("Group Header[0]"): their group's index; -1 for
        // others.
        readOnly<TppBand>("CaptionIndex", daInteger, [](TppBand& b) { return integerValue(b.GroupIndex()); }),
        // The band's place in the report's band list, the order the engine generates in.
        readOnly<TppBand>(
            "Rank", daInteger,
            [](TppBand& b) { return integerValue(b.Report() ? int(b.Report()->Bands().indexOf(&b)) : -1); }),
        readOnly<TppBand>("DrawPage", daBoolean,
                          [](TppBand& b) {
                              const TppBandEngine* engine = bandEngineOf(b);
                              return booleanValue(engine && engine->DrawPage);
                          }),
        // The band whose generation ends the report.
        readOnly<TppBand>("LastBand", daBoolean,
                          [](TppBand& b) {
                              const TppEngine* engine = engineOf(b.Report());
                              return booleanValue(engine && engine->LastBand() == &b);
                          }),
        // Where the band prints on the page being made, and how wide.
        readOnly<TppBand>("mmTop", daInteger, [](TppBand& b) { return integerValue(b.PrintRect.Top); }),
        readOnly<TppBand>("mmWidth", daInteger, [](TppBand& b) { return integerValue(b.PrintRect.Width()); }),
        readOnly<TppBand>("spTop", daInteger,
                          [](TppBand& b) { return screenPixels(b.PrintRect.Top, Axis::Vertical); }),
        readOnly<TppBand>("spWidth", daInteger,
                          [](TppBand& b) { return screenPixels(b.PrintRect.Width(), Axis::Horizontal); }),
    };
}

std::vector<TraMember> detailBandRunMembers() {
    // Which of its BandsPerRecord passes the current record prints in, from 1.
    return {readOnly<TppDetailBand>("BandsPerRecordCount", daInteger, [](TppDetailBand& b) {
        const auto* engine = dynamic_cast<TppDetailBandEngine*>(bandEngineOf(b));
        return integerValue(engine ? engine->BandsPerRecordCount : 0);
    })};
}

std::vector<TraMember> groupBandRunMembers() {
    return {
        readOnly<TppGroupBand>("Generation", daBoolean,
                               [](TppGroupBand& b) { return booleanValue(generation(b)); }),
        // The engine's copy for an orphaned footer lives within one call of
        // its own: a script sees it equal to Generation.
        readOnly<TppGroupBand>("SaveGeneration", daBoolean,
                               [](TppGroupBand& b) { return booleanValue(generation(b)); }),
        // "Group [0]: CUSTNO Header".
        readOnly<TppGroupBand>("Description", daString,
                               [](TppGroupBand& b) { return stringValue(bandDescription(b)); }),
    };
}

std::vector<TraMember> groupHeaderBandRunMembers() {
    return {readOnly<TppGroupHeaderBand>("AlreadyPageBreak", daBoolean, [](TppGroupHeaderBand& b) {
        const auto* engine = dynamic_cast<TppGroupHeaderBandEngine*>(bandEngineOf(b));
        return booleanValue(engine && engine->AlreadyPageBreak);
    })};
}

std::vector<TraMember> groupRunMembers() {
    return {
        readOnly<TppGroup>("CurrentValue", daString,
                           [](TppGroup& g) { return stringValue(currentValue(g)); }),
        readOnly<TppGroup>("Description", daString, [](TppGroup& g) { return stringValue(g.Description()); }),
        // The page being made is the first of the group's current instance.
        readOnly<TppGroup>("FirstPage", daBoolean,
                           [](TppGroup& g) {
                               const int page = absolutePageNo(g.Report());
                               return booleanValue(page > 0 && page == g.FirstPageNo());
                           }),
        // The page of the current instance, from 1, and how many it took once it ended.
        readOnly<TppGroup>("PageNo", daInteger,
                           [](TppGroup& g) {
                               const int page = absolutePageNo(g.Report());
                               return integerValue(
                                   page > 0 && g.FirstPageNo() > 0 ? page - g.FirstPageNo() + 1 : 0);
                           }),
        readOnly<TppGroup>("PageCount", daInteger,
                           [](TppGroup& g) {
                               const bool ended = g.FirstPageNo() > 0 && g.LastPageNo() >= g.FirstPageNo();
                               return integerValue(ended ? g.LastPageNo() - g.FirstPageNo() + 1 : 0);
                           }),
    };
}

std::vector<TraMember> dbTextRunMembers() {
    return {
        readOnly<TppDBText>("AlreadyPrinted", daBoolean,
                            [](TppDBText& t) { return booleanValue(t.Repeated.AlreadyPrinted); }),
        readOnly<TppDBText>("FirstPage", daInteger,
                            [](TppDBText& t) { return integerValue(t.Repeated.FirstPage); }),
        readOnly<TppDBText>("PriorValue", daString,
                            [](TppDBText& t) { return stringValue(t.Repeated.PriorValue); }),
        readOnly<TppDBText>("PriorValueSame", daBoolean,
                            [](TppDBText& t) { return booleanValue(t.Repeated.PriorValueSame); }),
    };
}

std::vector<TraMember> printableRunMembers() {
    // Components take their parent's width or height; other printables do not.
    const auto parentSize = [](const char* name, bool (TppComponent::*get)() const,
                               void (TppComponent::*set)(bool)) {
        return readWrite<TppPrintable>(
            name, daBoolean,
            [get](TppPrintable& p) {
                const auto* component = dynamic_cast<TppComponent*>(&p);
                return booleanValue(component && (component->*get)());
            },
            [set](TppPrintable& p, const TraValue& v) {
                if (auto* component = dynamic_cast<TppComponent*>(&p))
                    (component->*set)(v.boolean());
            });
    };
    return {
        parentSize("ParentWidth", &TppComponent::ParentWidth, &TppComponent::SetParentWidth),
        parentSize("ParentHeight", &TppComponent::ParentHeight, &TppComponent::SetParentHeight),
        readOnly<TppPrintable>("ResetOnCompute", daBoolean,
                               [](TppPrintable& p) { return booleanValue(p.ResetOnCompute); }),
    };
}

std::vector<TraMember> componentRunMembers() {
    // The component after this one in its band; nil for the last.
    return {readOnly<TppComponent>(
        "NextSibling", daClass,
        [](TppComponent& c) {
            TppBand* band = c.Band();
            if (!band)
                return objectValue(nullptr);
            const auto& objects = band->Objects();
            const qsizetype next = objects.indexOf(&c) + 1;
            return objectValue(next > 0 && next < objects.size() ? objects[next] : nullptr);
        },
        "TppComponent")};
}

std::vector<TraMember> cacheableRunMembers() {
    return {
        readOnly<TppCacheable>("CacheCount", daInteger,
                               [](TppCacheable& c) { return integerValue(c.CacheCount()); }),
        readOnly<TppCacheable>("CachePageCount", daInteger,
                               [](TppCacheable& c) { return integerValue(c.CachePageCount()); }),
        readOnly<TppCacheable>("CachePosition", daInteger,
                               [](TppCacheable& c) { return integerValue(c.CachePosition()); }),
        readOnly<TppCacheable>("CacheRecordSize", daInteger,
                               [](TppCacheable& c) { return integerValue(c.CacheRecordSize()); }),
    };
}

} // namespace TraDescribe

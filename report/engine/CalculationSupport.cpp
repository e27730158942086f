#include "CalculationSupport.h"

#include "TppCacheable.h"
#include "TppChildReport.h"
#include "TppComponent.h"
#include "TppCustomEngine.h"
#include "TppCustomReport.h"

TppCustomReport* reportOf(const TppComponent& component) {
    return dynamic_cast<TppCustomReport*>(component.Report());
}

TppCustomEngine* engineOf(const TppComponent& component) {
    TppCustomReport* report = reportOf(component);
    return report ? report->Engine() : nullptr;
}

// A child report runs in one pass of its own; the passes are its main report's.
bool inFirstPass(const TppComponent& component) {
    TppReportModel* report = component.Report();
    auto* main = report ? dynamic_cast<TppCustomReport*>(report->MainReport()) : nullptr;
    const TppCustomEngine* engine = main ? main->Engine() : nullptr;
    return engine && engine->FirstPass();
}

QString lookAheadKey(const TppComponent& component, int scope, int column) {
    return reportKeyOf(component.Report()) + QStringLiteral("%1|%2").arg(scope, 8).arg(column, 8);
}

void PageTexts::Save(const TppCacheable& object, int page, const QString& text) {
    if (object.CacheStream())
        texts_[object.CacheStream()][page] = text;
}

bool PageTexts::Load(const TppCacheable& object, int page, QString& text) const {
    const auto cache = texts_.find(object.CacheStream());
    if (cache == texts_.end())
        return false;
    const auto found = cache->second.find(page);
    if (found == cache->second.end())
        return false;
    text = found->second;
    return true;
}

void PageTexts::Discard(const TppCacheable& object, int page) {
    const auto cache = texts_.find(object.CacheStream());
    if (cache != texts_.end())
        cache->second.erase(cache->second.lower_bound(page), cache->second.end());
}

void CacheRewrite::Rewrite(TppCacheable& object, int currentPage) {
    if (!justWritten_ || page_ != currentPage)
        return;
    justWritten_ = false;
    object.SaveToCache(page_);
    justWritten_ = false;
}

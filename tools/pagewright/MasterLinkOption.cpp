#include "MasterLinkOption.h"

#include "PagewrightErrors.h"
#include "TppCustomDataPipeline.h"
#include "TppField.h"

#include <QStringList>

namespace {

// "NAME.FIELD" split at its first dot: pipeline user names have none, field
// names may.
std::optional<std::pair<QString, QString>> pipelineAndField(const QString& text) {
    const qsizetype dot = text.indexOf(u'.');
    if (dot <= 0 || dot == text.size() - 1)
        return std::nullopt;
    return std::pair{text.left(dot).trimmed(), text.mid(dot + 1).trimmed()};
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

void requireField(TppCustomDataPipeline& pipeline, const QString& pipelineName, const QString& field) {
    if (!pipeline.FieldForName(field))
        throw EDataError(QStringLiteral("--link: the pipeline %1 has no field %2.").arg(pipelineName, field));
}

} // namespace

std::optional<MasterLinkOption> MasterLinkOption::parse(const QString& text) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    const auto detail = pipelineAndField(text.left(equals));
    const auto master = pipelineAndField(text.mid(equals + 1));
    if (!detail || !master || detail->first.isEmpty() || detail->second.isEmpty() ||
        master->first.isEmpty() || master->second.isEmpty())
        return std::nullopt;
    return MasterLinkOption{detail->first, detail->second, master->first, master->second};
}

QString masterLinksProblem(const std::vector<MasterLinkOption>& links, const QStringList& pipelines) {
    for (const MasterLinkOption& link : links) {
        for (const QString& name : {link.detailPipeline, link.masterPipeline})
            if (!pipelines.contains(name, Qt::CaseInsensitive))
                return QStringLiteral("--link names the pipeline %1, which no --data gives").arg(name);
        if (sameName(link.detailPipeline, link.masterPipeline))
            return QStringLiteral("--link cannot make %1 its own master").arg(link.detailPipeline);
        for (const MasterLinkOption& other : links)
            if (sameName(other.detailPipeline, link.detailPipeline) &&
                !sameName(other.masterPipeline, link.masterPipeline))
                return QStringLiteral("--link gives %1 two masters, %2 and %3")
                    .arg(link.detailPipeline, link.masterPipeline, other.masterPipeline);
    }
    return {};
}

void applyMasterLinks(const std::vector<MasterLinkOption>& links,
                      const std::function<TppCustomDataPipeline*(const QString&)>& pipelineNamed) {
    for (const MasterLinkOption& link : links) {
        TppCustomDataPipeline* detail = pipelineNamed(link.detailPipeline);
        TppCustomDataPipeline* master = pipelineNamed(link.masterPipeline);
        requireField(*detail, link.detailPipeline, link.detailField);
        requireField(*master, link.masterPipeline, link.masterField);
        detail->SetMasterDataPipeline(master);
        detail->AddLink(link.masterField, link.detailField);
    }
}

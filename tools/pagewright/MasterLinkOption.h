#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class TppCustomDataPipeline;

// What one `--link DETAIL.FIELD=MASTER.FIELD` option names: the detail
// pipeline walks the run of its records whose FIELD matches the master's
// current record. Pipelines are named by their user names, as with --data.
struct MasterLinkOption {
    QString detailPipeline;
    QString detailField;
    QString masterPipeline;
    QString masterField;

    // None when the text is not DETAIL.FIELD=MASTER.FIELD with every part given.
    static std::optional<MasterLinkOption> parse(const QString& text);
};

// Why a set of links cannot be made from the pipelines given; empty when
// every link pairs two different pipelines of `pipelines` and no detail has
// two masters (repeating a pair adds a field to its link).
QString masterLinksProblem(const std::vector<MasterLinkOption>& links, const QStringList& pipelines);

// Makes the links on the open pipelines: `pipelineNamed` answers a pipeline
// by user name. EDataError when a link field is not a field of its pipeline.
void applyMasterLinks(const std::vector<MasterLinkOption>& links,
                      const std::function<TppCustomDataPipeline*(const QString&)>& pipelineNamed);

#pragma once

#include "Dataset.h"
#include "SearchConditions.h"

#include <QString>
#include <memory>
#include <optional>

// What one `--data NAME=SOURCE` option names: the pipeline's user name and
// where its rows come from, a CSV file or SQLite ("sqlite:PATH?table=T",
// "sqlite:PATH?query=SELECT ...").
struct DataSourceOption {
    QString pipelineName;
    QString source;

    // None when the text is not NAME=SOURCE with both parts given.
    static std::optional<DataSourceOption> parse(const QString& text);

    // The open dataset, holding only the rows that pass `conditions`: a SQL
    // source runs its query within a WHERE clause of bound parameters, the
    // rows of a CSV file are kept in memory. EDataError when the source
    // cannot be read or has no field a condition names.
    std::unique_ptr<Dataset> open(const std::vector<SearchCondition>& conditions = {}) const;
};

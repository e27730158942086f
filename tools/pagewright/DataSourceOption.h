#pragma once

#include "Dataset.h"

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

    // The open dataset; EDataError when the source cannot be read.
    std::unique_ptr<Dataset> open() const;
};

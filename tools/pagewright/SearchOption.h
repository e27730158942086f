#pragma once

#include <QString>
#include <optional>
#include <vector>

class TppReport;

// What one `--search NAME=VALUE` option asks: the value of the report's
// search criterion NAME, as its SearchExpression holds it (several values
// separated by commas).
struct SearchOption {
    QString criterionName;
    QString value;

    // None when the text is not NAME=VALUE with a name (the value may be empty: all values).
    static std::optional<SearchOption> parse(const QString& text);
};

// Gives each criterion an option names its value, shown values and all. A
// criterion is named by its component name or, when no other has the same,
// its field name or alias, without regard to case. The mistake when a name
// fits none or several, or a value does not read as the criterion's type;
// empty when all is well.
QString applySearchOptions(TppReport& report, const std::vector<SearchOption>& options);

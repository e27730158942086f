#pragma once

#include "TppAutoSearchField.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

class Dataset;

// What a report's search criterion asks of the rows of its pipeline, as
// `pagewright render` applies it: to a SQL source as a WHERE clause whose
// values are bound parameters, to a CSV file row by row in memory. Both read
// it alike: a null field matches no comparison (as in SQL), texts compare
// with their case, "begins with" ignores the case of ASCII letters and takes
// the criterion's WildCard inside a value for any run of characters.
struct SearchCondition {
    QString fieldName;
    TppSearchOperatorType op = soEqual;
    TppDataType dataType = dtString;
    QVariantList values; // read by the data type; for soLike and soNotLike as written
    QString wildCard;    // soLike, soNotLike

    // The condition of a criterion that restricts its rows: enabled, not
    // showing all values, and with the values its comparison needs (blank
    // needs none). None otherwise. EDataError when a value does not read as
    // the criterion's type, or a range has not two ends.
    static std::optional<SearchCondition> of(const TppAutoSearchField& field);

    // "("name" = :search_1)": the SQL text with one named parameter per
    // value, appended to `parameters` as "pagewright_search_<n>"; `quote` quotes the column name.
    QString sql(const std::function<QString(const QString&)>& quote,
                QList<std::pair<QString, QVariant>>& parameters) const;
    // Whether a row whose field holds `value` passes.
    bool matches(const QVariant& value) const;
};

// Whether the current record of `rows` passes every condition; `fields` are
// the conditions' column indexes.
bool matchesAll(const std::vector<SearchCondition>& conditions, const Dataset& rows,
                const std::vector<int>& fields);

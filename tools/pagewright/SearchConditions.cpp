#include "SearchConditions.h"

#include "AutoSearchValues.h"
#include "Dataset.h"
#include "PagewrightErrors.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

bool isText(const QVariant& value) {
    return value.typeId() == QMetaType::QString;
}

// A value as SQLite holds what the CSV reader and the dataset give: dates
// and times as ISO text, numbers and texts as they are.
QVariant boundValue(const QVariant& value, TppDataType type) {
    if (value.typeId() != QMetaType::QDateTime)
        return value;
    const QDateTime moment = value.toDateTime();
    switch (type) {
    case dtDate:
        return moment.date().toString(Qt::ISODate);
    case dtTime:
        return moment.time().toString(QStringLiteral("HH:mm:ss"));
    default:
        return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
}

// -1, 0 or 1; none when the two do not compare (a null, or a text against a number).
std::optional<int> compare(const QVariant& field, const QVariant& wanted) {
    if (field.isNull() || !field.isValid())
        return std::nullopt;
    if (field.typeId() == QMetaType::QDate || field.typeId() == QMetaType::QDateTime ||
        field.typeId() == QMetaType::QTime) {
        QDateTime left = field.toDateTime();
        if (field.typeId() == QMetaType::QTime)
            left = QDateTime(QDate(1899, 12, 30), field.toTime());
        const QDateTime right = wanted.toDateTime();
        return left < right ? -1 : left > right ? 1 : 0;
    }
    if (isText(field) || isText(wanted)) {
        const int order = field.toString().compare(wanted.toString(), Qt::CaseSensitive);
        return order < 0 ? -1 : order > 0 ? 1 : 0;
    }
    bool leftOk = false;
    bool rightOk = false;
    const double left = field.toDouble(&leftOk);
    const double right = wanted.toDouble(&rightOk);
    if (!leftOk || !rightOk)
        return std::nullopt;
    return left < right ? -1 : left > right ? 1 : 0;
}

// The pattern of "begins with" as SQL's LIKE reads it: the literal parts
// escaped, the wildcard as "%", and "%" at the end.
QString likePattern(const QString& value, const QString& wildCard) {
    const QStringList parts = wildCard.isEmpty() ? QStringList{value} : value.split(wildCard);
    QStringList escaped;
    for (QString part : parts) {
        part.replace(u'\\', QStringLiteral("\\\\"))
            .replace(u'%', QStringLiteral("\\%"))
            .replace(u'_', QStringLiteral("\\_"));
        escaped << part;
    }
    return escaped.join(u'%') + u'%';
}

QRegularExpression likeExpression(const QString& value, const QString& wildCard) {
    const QStringList parts = wildCard.isEmpty() ? QStringList{value} : value.split(wildCard);
    QStringList escaped;
    for (const QString& part : parts)
        escaped << QRegularExpression::escape(part);
    return QRegularExpression(QStringLiteral("\\A") + escaped.join(QStringLiteral(".*")),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

std::optional<SearchCondition> SearchCondition::of(const TppAutoSearchField& field) {
    if (!field.Enabled() || field.ShowAllValues())
        return std::nullopt;
    SearchCondition condition;
    condition.fieldName = field.FieldName();
    condition.op = field.SearchOperator();
    condition.dataType = field.DataType();
    if (condition.op == soBlank || condition.op == soNotBlank)
        return condition;
    const int count = field.ValueCount();
    if (count == 0)
        return std::nullopt;
    const bool range = condition.op == soBetween || condition.op == soNotBetween;
    const bool list = condition.op == soInList || condition.op == soNotInList;
    const bool like = condition.op == soLike || condition.op == soNotLike;
    if (range && count != 2)
        throw EDataError(QStringLiteral("The search of %1 is between two values, not \"%2\"")
                             .arg(field.FieldAlias(), field.SearchExpression()));
    // "Begins with" reads the criterion's wildcard itself, in the value as written.
    const QStringList written = splitSearchExpression(field.SearchExpression());
    for (int i = 0; i < (range || list ? count : 1); ++i)
        condition.values << (like ? QVariant(written.at(i)) : field.Values(i));
    if (like)
        condition.wildCard = field.WildCard();
    return condition;
}

QString SearchCondition::sql(const std::function<QString(const QString&)>& quote,
                             QList<std::pair<QString, QVariant>>& parameters) const {
    const QString column = quote(fieldName);
    QStringList marks;
    for (const QVariant& value : values) {
        const QString name = QStringLiteral("pagewright_search_%1").arg(parameters.size() + 1);
        const bool like = op == soLike || op == soNotLike;
        parameters.append(
            {name, like ? QVariant(likePattern(value.toString(), wildCard)) : boundValue(value, dataType)});
        marks << u':' + name;
    }
    static const char* const comparisons[] = {"=", "<>", "<", "<=", ">", ">="};
    switch (op) {
    case soEqual:
    case soNotEqual:
    case soLessThan:
    case soLessThanOrEqualTo:
    case soGreaterThan:
    case soGreaterThanOrEqualTo:
        return QStringLiteral("(%1 %2 %3)").arg(column, QLatin1String(comparisons[op]), marks[0]);
    case soLike:
        return QStringLiteral("(%1 LIKE %2 ESCAPE '\\')").arg(column, marks[0]);
    case soNotLike:
        return QStringLiteral("(%1 NOT LIKE %2 ESCAPE '\\')").arg(column, marks[0]);
    case soBetween:
        return QStringLiteral("(%1 BETWEEN %2 AND %3)").arg(column, marks[0], marks[1]);
    case soNotBetween:
        return QStringLiteral("(%1 NOT BETWEEN %2 AND %3)").arg(column, marks[0], marks[1]);
    case soInList:
        return QStringLiteral("(%1 IN (%2))").arg(column, marks.join(QStringLiteral(", ")));
    case soNotInList:
        return QStringLiteral("(%1 NOT IN (%2))").arg(column, marks.join(QStringLiteral(", ")));
    case soBlank:
        return QStringLiteral("(%1 IS NULL OR %1 = '')").arg(column);
    case soNotBlank:
        return QStringLiteral("(%1 IS NOT NULL AND %1 <> '')").arg(column);
    }
    return QStringLiteral("(1 = 0)");
}

bool SearchCondition::matches(const QVariant& value) const {
    const bool null = value.isNull() || !value.isValid();
    switch (op) {
    case soBlank:
        return null || value.toString().isEmpty();
    case soNotBlank:
        return !null && !value.toString().isEmpty();
    case soLike:
    case soNotLike: {
        if (null)
            return false;
        const bool like =
            likeExpression(values.value(0).toString(), wildCard).match(value.toString()).hasMatch();
        return op == soLike ? like : !like;
    }
    case soInList:
    case soNotInList: {
        if (null)
            return false;
        const bool found = std::any_of(values.begin(), values.end(),
                                       [&](const QVariant& wanted) { return compare(value, wanted) == 0; });
        return op == soInList ? found : !found;
    }
    case soBetween:
    case soNotBetween: {
        const std::optional<int> low = compare(value, values.value(0));
        const std::optional<int> high = compare(value, values.value(1));
        if (!low || !high)
            return false;
        const bool inside = *low >= 0 && *high <= 0;
        return op == soBetween ? inside : !inside;
    }
    default: {
        const std::optional<int> order = compare(value, values.value(0));
        if (!order)
            return false;
        switch (op) {
        case soEqual:
            return *order == 0;
        case soNotEqual:
            return *order != 0;
        case soLessThan:
            return *order < 0;
        case soLessThanOrEqualTo:
            return *order <= 0;
        case soGreaterThan:
            return *order > 0;
        default:
            return *order >= 0;
        }
    }
    }
}

bool matchesAll(const std::vector<SearchCondition>& conditions, const Dataset& rows,
                const std::vector<int>& fields) {
    for (std::size_t i = 0; i < conditions.size(); ++i)
        if (!conditions[i].matches(rows.value(fields[i])))
            return false;
    return true;
}

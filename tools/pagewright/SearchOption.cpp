#include "SearchOption.h"

#include "AutoSearchValues.h"
#include "TppAutoSearchField.h"
#include "TppReport.h"

#include <QDateTime>

std::optional<SearchOption> SearchOption::parse(const QString& text) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0)
        return std::nullopt;
    return SearchOption{text.left(equals), text.mid(equals + 1)};
}

namespace {

QString criterionNames(const TppReport& report) {
    QStringList names;
    for (const TppAutoSearchField* field : report.AutoSearchFields())
        names << QStringLiteral("%1 (%2)").arg(field->Name(), field->FieldName());
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

// The criterion `name` calls, or the mistake in `problem`.
TppAutoSearchField* findCriterion(const TppReport& report, const QString& name, QString& problem) {
    const auto same = [&](const QString& text) { return text.compare(name, Qt::CaseInsensitive) == 0; };
    QList<TppAutoSearchField*> byField;
    for (TppAutoSearchField* field : report.AutoSearchFields()) {
        if (same(field->Name()))
            return field;
        if (same(field->FieldName()) || same(field->FieldAlias()))
            byField << field;
    }
    if (byField.size() == 1)
        return byField.first();
    problem = byField.isEmpty()
                  ? QStringLiteral("--search: the template has no search criterion %1; it has %2")
                  : QStringLiteral("--search: %1 names several search criteria; name one of %2");
    problem = problem.arg(name, criterionNames(report));
    return nullptr;
}

} // namespace

QString applySearchOptions(TppReport& report, const std::vector<SearchOption>& options) {
    for (const SearchOption& option : options) {
        QString problem;
        TppAutoSearchField* field = findCriterion(report, option.criterionName, problem);
        if (!field)
            return problem;
        for (const QString& part : splitSearchExpression(option.value)) {
            const QString refused = searchValueProblem(part, field->DataType(), report.LocaleSettings(),
                                                       report.Now().date().year());
            if (!refused.isEmpty())
                return QStringLiteral("--search %1: %2").arg(option.criterionName, refused);
        }
        field->SetSearchExpression(option.value);
        field->SetShowAllValues(false);
    }
    return {};
}

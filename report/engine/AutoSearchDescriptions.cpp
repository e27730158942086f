#include "AutoSearchDescriptions.h"

#include "AutoSearchMessages.h"
#include "TppResourceManager.h"

QString searchOperatorWords(TppSearchOperatorType op, TppDataType type) {
    if (op < soEqual || op > soNotBlank)
        return {};
    if (op >= soLike)
        return LanguageString(int(AutoSearchMessage::LikeWords) + (int(op) - int(soLike)));
    const bool times = type == dtDate || type == dtTime || type == dtDateTime;
    return LanguageString(int(times ? AutoSearchMessage::TimeWords : AutoSearchMessage::AmountWords) +
                          int(op));
}

QString searchOpeningWords(bool first) {
    return LanguageString(first ? AutoSearchMessage::ShowAllDataWhereThe : AutoSearchMessage::AndThe);
}

QString describeSearchCriterion(const TppAutoSearchField& field, bool first) {
    const QString subject = searchOpeningWords(first) + u' ' + field.FieldAlias() + u' ';
    if (field.ShowAllValues())
        return subject + LanguageString(AutoSearchMessage::HasAnyValue);
    return subject + searchOperatorWords(field.SearchOperator(), field.DataType()) + u' ' +
           field.SearchExpression();
}

QString describeSearchCriteria(const QList<TppAutoSearchField*>& fields) {
    QStringList described;
    for (const TppAutoSearchField* field : fields)
        described << describeSearchCriterion(*field, described.isEmpty());
    return described.join(u' ');
}

QStringList searchDescriptionLines(const QList<TppAutoSearchField*>& fields) {
    QStringList lines;
    for (const TppAutoSearchField* field : fields) {
        const QVariant value = field->Value();
        if (!value.toString().isEmpty())
            lines << describeSearchCriterion(*field, lines.isEmpty());
    }
    return lines;
}

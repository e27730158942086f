#include "Dataset.h"

#include "DateTimeFormat.h"
#include "NumberFormat.h"

int Dataset::fieldIndex(const QString& name) const {
    const FieldDefs& defs = fieldDefs();
    for (int i = 0; i < defs.size(); ++i)
        if (defs[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Dataset::value(const QString& fieldName) const {
    const int index = fieldIndex(fieldName);
    return index < 0 ? QVariant() : value(index);
}

QString fieldDisplayText(const QVariant& value, FieldType type, const FormatSettings& settings) {
    if (value.isNull())
        return QString();
    switch (type) {
    case FieldType::Float:
    case FieldType::Currency:
        return formatGeneral(value.toDouble(), settings);
    case FieldType::Date:
        return formatDateTime(settings.shortDateFormat, value.toDateTime(), settings);
    case FieldType::Time:
        return formatDateTime(settings.longTimeFormat, value.toDateTime(), settings);
    case FieldType::DateTime:
        return formatDateTime(QStringLiteral("c"), value.toDateTime(), settings);
    case FieldType::Blob:
        return QStringLiteral("(BLOB)");
    default:
        return value.toString();
    }
}

#include "PropertyRows.h"

#include "Persistent.h"

namespace {

bool listed(PropertyKind kind) {
    switch (kind) {
    case PropertyKind::Reference:
    case PropertyKind::Collection:
    case PropertyKind::Event:
    case PropertyKind::Binary:
    case PropertyKind::StringList:
    case PropertyKind::Object:
        return false;
    default:
        return true;
    }
}

void addRows(QList<PropertyRow>& rows, Persistent& object, const QString& prefix, int depth) {
    for (const PropertyInfo* property : object.classInfo().properties()) {
        if (property->kind == PropertyKind::Object && property->object && depth < 2) {
            if (Persistent* nested = property->object(object))
                addRows(rows, *nested, prefix + property->name + QLatin1Char('.'), depth + 1);
            continue;
        }
        if (!listed(property->kind) || !property->get)
            continue;
        PropertyRow row;
        row.path = prefix + property->name;
        row.kind = property->kind;
        row.enumNames = property->enumNames;
        row.value = property->get(object);
        row.changed = property->defaultValue.has_value() ? !property->isDefault(object) : false;
        row.readOnly = !property->set;
        rows << row;
    }
}

} // namespace

QList<PropertyRow> propertyRows(Persistent& object) {
    QList<PropertyRow> rows;
    addRows(rows, object, QString(), 0);
    return rows;
}

QString propertyText(const PropertyRow& row) {
    switch (row.kind) {
    case PropertyKind::Boolean:
        return row.value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case PropertyKind::Enumeration:
        return row.enumNames.value(row.value.toInt(), QString::number(row.value.toInt()));
    case PropertyKind::Set: {
        QStringList names;
        const unsigned bits = row.value.toUInt();
        for (int bit = 0; bit < row.enumNames.size(); ++bit)
            if (bits & (1u << bit))
                names << row.enumNames.at(bit);
        return QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    case PropertyKind::Single:
    case PropertyKind::Double:
    case PropertyKind::Extended:
    case PropertyKind::Currency:
    case PropertyKind::DateTime:
        return QString::number(row.value.toDouble(), 'g', 10);
    default:
        return row.value.toString();
    }
}

std::optional<QVariant> propertyValue(const PropertyRow& row, const QString& typed) {
    const QString text = typed.trimmed();
    bool ok = false;
    switch (row.kind) {
    case PropertyKind::Integer: {
        const int value = text.toInt(&ok);
        return ok ? std::optional<QVariant>(value) : std::nullopt;
    }
    case PropertyKind::Int64: {
        const qint64 value = text.toLongLong(&ok);
        return ok ? std::optional<QVariant>(value) : std::nullopt;
    }
    case PropertyKind::Single: {
        const float value = text.toFloat(&ok);
        return ok ? std::optional<QVariant>(value) : std::nullopt;
    }
    case PropertyKind::Double:
    case PropertyKind::Extended:
    case PropertyKind::Currency:
    case PropertyKind::DateTime: {
        const double value = text.toDouble(&ok);
        return ok ? std::optional<QVariant>(value) : std::nullopt;
    }
    case PropertyKind::Boolean:
        if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
            return QVariant(true);
        if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
            return QVariant(false);
        return std::nullopt;
    case PropertyKind::Enumeration: {
        for (int index = 0; index < row.enumNames.size(); ++index)
            if (row.enumNames.at(index).compare(text, Qt::CaseInsensitive) == 0)
                return QVariant(index);
        return std::nullopt;
    }
    case PropertyKind::String:
        return QVariant(typed);
    default:
        return std::nullopt;
    }
}

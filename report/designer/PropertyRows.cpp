#include "PropertyRows.h"

#include "ClassInfo.h"
#include "IntegerIdents.h"
#include "OwnedComponent.h"
#include "Persistent.h"

namespace {

bool listed(PropertyKind kind) {
    switch (kind) {
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

// The class a reference property holds, by the names the registry gives
// them: pipelines, data sources, groups, else components.
QString referredClass(const QString& property) {
    if (property.endsWith(QLatin1String("Pipeline")))
        return QStringLiteral("TppDataPipeline");
    if (property == QLatin1String("DataSource"))
        return QStringLiteral("TDataSource");
    if (property.endsWith(QLatin1String("Group")))
        return QStringLiteral("TppGroup");
    return QStringLiteral("TppComponent");
}

void addRows(QList<PropertyRow>& rows, Persistent& object, const OwnedComponent* scope, const QString& prefix,
             int depth) {
    for (const PropertyInfo* property : object.classInfo().properties()) {
        if (property->kind == PropertyKind::Object && property->object && depth < 2) {
            if (Persistent* nested = property->object(object))
                addRows(rows, *nested, scope, prefix + property->name + QLatin1Char('.'), depth + 1);
            continue;
        }
        if (property->kind == PropertyKind::Reference) {
            if (!property->getReference)
                continue;
            PropertyRow row;
            row.path = prefix + property->name;
            row.kind = property->kind;
            const OwnedComponent* target = property->getReference(object);
            row.value = target ? target->Name() : QString();
            row.changed = target != nullptr;
            row.readOnly = !property->setReference;
            if (scope)
                for (const OwnedComponent* candidate : scope->components())
                    if (candidate != &object && !candidate->Name().isEmpty() &&
                        candidate->classInfo().inheritsFrom(referredClass(property->name)))
                        row.candidates << candidate->Name();
            row.candidates.sort(Qt::CaseInsensitive);
            rows << row;
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
        row.idents = property->idents;
        rows << row;
    }
}

} // namespace

QList<PropertyRow> propertyRows(Persistent& object, const OwnedComponent* scope) {
    QList<PropertyRow> rows;
    addRows(rows, object, scope, QString(), 0);
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
    case PropertyKind::Integer:
        if (row.idents)
            if (const auto name = row.idents->nameOf(row.value.toInt()))
                return *name;
        return row.value.toString();
    default:
        return row.value.toString();
    }
}

std::optional<QVariant> propertyValue(const PropertyRow& row, const QString& typed) {
    const QString text = typed.trimmed();
    bool ok = false;
    switch (row.kind) {
    case PropertyKind::Integer: {
        if (row.idents)
            if (const auto named = row.idents->valueOf(text))
                return QVariant(*named);
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
    case PropertyKind::Set: {
        // "[a,b]", the form the panel shows; the brackets may be left out.
        QString inner = text;
        if (inner.startsWith(QLatin1Char('[')) && inner.endsWith(QLatin1Char(']')))
            inner = inner.mid(1, inner.size() - 2);
        unsigned bits = 0;
        for (const QString& part : inner.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            int found = -1;
            for (int index = 0; index < row.enumNames.size() && found < 0; ++index)
                if (row.enumNames.at(index).compare(part.trimmed(), Qt::CaseInsensitive) == 0)
                    found = index;
            if (found < 0)
                return std::nullopt;
            bits |= 1u << found;
        }
        return QVariant(bits);
    }
    case PropertyKind::Reference:
        if (!text.isEmpty() && !row.candidates.contains(text, Qt::CaseInsensitive))
            return std::nullopt;
        return QVariant(text);
    case PropertyKind::String:
        return QVariant(typed);
    default:
        return std::nullopt;
    }
}

#include "Dataset.h"

#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "PagewrightErrors.h"

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

int Dataset::compareBookmarks(const Bookmark& a, const Bookmark& b) const {
    return a.id < b.id ? -1 : a.id > b.id ? 1 : 0;
}

namespace {

bool valueMatches(const QVariant& value, const QVariant& wanted, int options) {
    if (value.isNull() || wanted.isNull())
        return value.isNull() && wanted.isNull();
    if (wanted.typeId() != QMetaType::QString)
        return QVariant::compare(value, wanted) == QPartialOrdering::Equivalent;
    const Qt::CaseSensitivity cs =
        options & Dataset::CaseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const QString text = value.toString();
    return options & Dataset::PartialKey ? text.startsWith(wanted.toString(), cs)
                                         : text.compare(wanted.toString(), cs) == 0;
}

} // namespace

bool Dataset::locate(const QStringList& fieldNames, const QVariantList& values, int options) {
    QList<int> fields;
    for (const QString& name : fieldNames) {
        const int index = fieldIndex(name);
        if (index < 0)
            return false;
        fields.append(index);
    }
    for (int record = 0; record < recordCount(); ++record) {
        bool all = true;
        for (int i = 0; i < fields.size() && all; ++i)
            all = valueMatches(valueAt(record, fields[i]), values.value(i), options);
        if (all) {
            first();
            moveBy(record);
            return true;
        }
    }
    return false;
}

int Dataset::displayWidth(int field) const {
    const FieldDef& def = fieldDefs().at(field);
    if (def.displayWidth > 0)
        return def.displayWidth;
    switch (def.type) {
    case FieldType::String:
        return def.size;
    case FieldType::Boolean:
        return 5;
    case FieldType::Date:
    case FieldType::Time:
        return 10;
    case FieldType::DateTime:
        return 18;
    case FieldType::LargeInt:
        return 15;
    default:
        return 10;
    }
}

bool Dataset::isRightAligned(int field) const {
    switch (fieldDefs().at(field).type) {
    case FieldType::Integer:
    case FieldType::LargeInt:
    case FieldType::Float:
    case FieldType::Currency:
        return true;
    default:
        return false;
    }
}

void Dataset::edit() {
    throw EDataError(QStringLiteral("Cannot modify a read-only dataset"));
}
void Dataset::insert() {
    edit();
}
void Dataset::setValue(int, const QVariant&) {
    edit();
}
void Dataset::post() {}
void Dataset::cancel() {}
void Dataset::deleteRecord() {
    edit();
}

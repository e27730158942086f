#include "CsvTable.h"

#include "CsvReader.h"
#include "EnumerationNames.h"
#include "MemoryTable.h"
#include "PagewrightErrors.h"
#include "TppTypes.h"

#include <QDateTime>
#include <QFile>
#include <cmath>
#include <limits>
#include <optional>

namespace {

std::optional<qlonglong> integerValue(const QString& text) {
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<double> floatValue(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

std::optional<QDateTime> dateTimeValue(const QString& text) {
    QString iso = text;
    if (iso.size() > 10 && iso[10] == u' ')
        iso[10] = u'T';
    const QDateTime value = QDateTime::fromString(iso, Qt::ISODate);
    return value.isValid() && iso.size() > 10 ? std::optional(value) : std::nullopt;
}

std::optional<bool> booleanValue(const QString& text) {
    if (text.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"false", Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

bool fitsInt(qlonglong value) {
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

// A cell as a value of the field's type; none when it does not convert.
std::optional<QVariant> convert(const QString& text, FieldType type) {
    switch (type) {
    case FieldType::Integer:
        if (const auto value = integerValue(text); value && fitsInt(*value))
            return QVariant(int(*value));
        return std::nullopt;
    case FieldType::LargeInt:
        if (const auto value = integerValue(text))
            return QVariant(*value);
        return std::nullopt;
    case FieldType::Float:
    case FieldType::Currency:
        if (const auto value = floatValue(text))
            return QVariant(*value);
        return std::nullopt;
    case FieldType::Date:
        if (const QDate value = QDate::fromString(text, Qt::ISODate); value.isValid() && text.size() == 10)
            return QVariant(value);
        return std::nullopt;
    case FieldType::Time:
        if (const QTime value = QTime::fromString(text, Qt::ISODate); value.isValid())
            return QVariant(value);
        return std::nullopt;
    case FieldType::DateTime:
        if (const auto value = dateTimeValue(text))
            return QVariant(*value);
        if (const QDate date = QDate::fromString(text, Qt::ISODate); date.isValid() && text.size() == 10)
            return QVariant(QDateTime(date, QTime(0, 0)));
        return std::nullopt;
    case FieldType::Boolean:
        if (const auto value = booleanValue(text))
            return QVariant(*value);
        return std::nullopt;
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Blob:
        break;
    }
    return QVariant(text);
}

std::optional<FieldType> declaredType(const QString& name) {
    switch (enumerationNames("TppDataType").indexOf(name)) {
    case dtBoolean:
        return FieldType::Boolean;
    case dtDate:
        return FieldType::Date;
    case dtTime:
        return FieldType::Time;
    case dtDateTime:
        return FieldType::DateTime;
    case dtInteger:
    case dtLongint:
        return FieldType::Integer;
    case dtLargeInt:
        return FieldType::LargeInt;
    case dtSingle:
    case dtDouble:
    case dtExtended:
        return FieldType::Float;
    case dtCurrency:
        return FieldType::Currency;
    case dtChar:
    case dtString:
        return FieldType::String;
    case dtMemo:
        return FieldType::Memo;
    default:
        return std::nullopt;
    }
}

// The narrowest type every non-empty value of the column converts to.
FieldType inferredType(const QList<CsvRecord>& rows, qsizetype column) {
    static const FieldType candidates[] = {FieldType::Integer, FieldType::LargeInt, FieldType::Float,
                                           FieldType::Date,    FieldType::DateTime, FieldType::Boolean};
    bool anyValue = false;
    for (const CsvRecord& row : rows)
        anyValue = anyValue || !row.cells[column].isEmpty();
    if (!anyValue)
        return FieldType::String;
    for (const FieldType type : candidates) {
        bool fits = true;
        for (const CsvRecord& row : rows) {
            const QString& cell = row.cells[column];
            if (!cell.isEmpty() && !convert(cell, type)) {
                fits = false;
                break;
            }
        }
        if (fits)
            return type;
    }
    return FieldType::String;
}

} // namespace

void loadCsvTable(const QString& text, MemoryTable& table) {
    QList<CsvRecord> records = readCsvRecords(text);
    if (records.isEmpty())
        throw EDataError(QStringLiteral("the CSV data has no header line naming its fields"));
    const CsvRecord header = records.takeFirst();
    for (const CsvRecord& row : records)
        if (row.cells.size() != header.cells.size())
            throw EDataError(QStringLiteral("line %1: %2 values where the header names %3 fields")
                                 .arg(row.line)
                                 .arg(row.cells.size())
                                 .arg(header.cells.size()));

    FieldDefs defs;
    QStringList declaredTypeNames;
    for (qsizetype column = 0; column < header.cells.size(); ++column) {
        const QString& heading = header.cells[column];
        // "Ratio a:b" is a name; only a data type name after the colon declares.
        qsizetype colon = heading.lastIndexOf(u':');
        if (colon >= 0 && !heading.mid(colon + 1).trimmed().startsWith(u"dt"))
            colon = -1;
        declaredTypeNames << (colon < 0 ? QString() : heading.mid(colon + 1).trimmed());
        FieldDef def;
        def.name = (colon < 0 ? heading : heading.left(colon)).trimmed();
        if (def.name.isEmpty())
            throw EDataError(QStringLiteral("line %1: field %2 has no name").arg(header.line).arg(column + 1));
        if (colon < 0) {
            def.type = inferredType(records, column);
        } else if (const auto type = declaredType(declaredTypeNames.back())) {
            def.type = *type;
        } else {
            throw EDataError(QStringLiteral("line %1: field \"%2\" has the unknown type \"%3\"")
                                 .arg(header.line)
                                 .arg(def.name, declaredTypeNames.back()));
        }
        for (const CsvRecord& row : records)
            def.size = std::max(def.size, int(row.cells[column].size()));
        defs << def;
    }

    table.setFieldDefs(defs);
    table.open();
    table.disableControls();
    for (const CsvRecord& row : records) {
        table.append();
        for (qsizetype column = 0; column < defs.size(); ++column) {
            const QString& cell = row.cells[column];
            if (cell.isEmpty())
                continue;
            const auto value = convert(cell, defs[column].type);
            if (!value) {
                table.cancel();
                table.enableControls();
                throw EDataError(QStringLiteral("line %1: \"%2\" in field \"%3\" is not a %4 value")
                                     .arg(row.line)
                                     .arg(cell, defs[column].name, declaredTypeNames[column]));
            }
            table.setValue(int(column), *value);
        }
        table.post();
    }
    table.enableControls();
    table.first();
}

void loadCsvFile(const QString& path, MemoryTable& table) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EDataError(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));
    loadCsvTable(QString::fromUtf8(file.readAll()), table);
}

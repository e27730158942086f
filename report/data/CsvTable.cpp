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

constexpr FieldType kCandidates[] = {FieldType::Integer, FieldType::LargeInt, FieldType::Float,
                                     FieldType::Date,    FieldType::DateTime, FieldType::Boolean};

} // namespace

void CsvTypeGuess::see(const QString& cell) {
    if (cell.isEmpty())
        return;
    anyValue_ = true;
    for (unsigned i = 0; i < std::size(kCandidates); ++i)
        if (fits_ & (1u << i) && !convert(cell, kCandidates[i]))
            fits_ &= ~(1u << i);
}

FieldType CsvTypeGuess::type() const {
    if (anyValue_)
        for (unsigned i = 0; i < std::size(kCandidates); ++i)
            if (fits_ & (1u << i))
                return kCandidates[i];
    return FieldType::String;
}

CsvColumns csvColumns(const CsvRecord& header) {
    CsvColumns columns;
    for (qsizetype column = 0; column < header.cells.size(); ++column) {
        const QString& heading = header.cells[column];
        // "Ratio a:b" is a name; only a data type name after the colon declares.
        qsizetype colon = heading.lastIndexOf(u':');
        if (colon >= 0 && !heading.mid(colon + 1).trimmed().startsWith(u"dt"))
            colon = -1;
        columns.typeNames << (colon < 0 ? QString() : heading.mid(colon + 1).trimmed());
        FieldDef def;
        def.name = (colon < 0 ? heading : heading.left(colon)).trimmed();
        if (def.name.isEmpty())
            throw EDataError(
                QStringLiteral("line %1: field %2 has no name").arg(header.line).arg(column + 1));
        if (colon >= 0) {
            const auto type = declaredType(columns.typeNames.back());
            if (!type)
                throw EDataError(QStringLiteral("line %1: field \"%2\" has the unknown type \"%3\"")
                                     .arg(header.line)
                                     .arg(def.name, columns.typeNames.back()));
            def.type = *type;
        }
        columns.defs << def;
    }
    return columns;
}

void checkCsvWidth(const CsvRecord& record, const CsvColumns& columns) {
    if (record.cells.size() != columns.defs.size())
        throw EDataError(QStringLiteral("line %1: %2 values where the header names %3 fields")
                             .arg(record.line)
                             .arg(record.cells.size())
                             .arg(columns.defs.size()));
}

QVariantList csvValues(const CsvRecord& record, const CsvColumns& columns) {
    checkCsvWidth(record, columns);
    QVariantList values(columns.defs.size());
    for (qsizetype column = 0; column < columns.defs.size(); ++column) {
        const QString& cell = record.cells[column];
        if (cell.isEmpty())
            continue;
        const FieldDef& def = columns.defs[column];
        const auto value = convert(cell, def.type);
        if (!value)
            throw EDataError(QStringLiteral("line %1: \"%2\" in field \"%3\" is not a %4 value")
                                 .arg(record.line)
                                 .arg(cell, def.name, columns.typeNames[column]));
        values[column] = *value;
    }
    return values;
}

void loadCsvTable(const QString& text, MemoryTable& table) {
    QList<CsvRecord> records = readCsvRecords(text);
    if (records.isEmpty())
        throw EDataError(QStringLiteral("the CSV data has no header line naming its fields"));
    CsvColumns columns = csvColumns(records.takeFirst());
    for (const CsvRecord& row : records)
        checkCsvWidth(row, columns);
    for (qsizetype column = 0; column < columns.defs.size(); ++column) {
        FieldDef& def = columns.defs[column];
        CsvTypeGuess guess;
        for (const CsvRecord& row : records) {
            if (columns.typeNames[column].isEmpty())
                guess.see(row.cells[column]);
            def.size = std::max(def.size, int(row.cells[column].size()));
        }
        if (columns.typeNames[column].isEmpty())
            def.type = guess.type();
    }

    table.setFieldDefs(columns.defs);
    table.open();
    table.disableControls();
    for (const CsvRecord& row : records) {
        QVariantList values;
        try {
            values = csvValues(row, columns);
        } catch (const EDataError&) {
            table.enableControls();
            throw;
        }
        table.append();
        for (qsizetype column = 0; column < values.size(); ++column)
            if (!values[column].isNull())
                table.setValue(int(column), values[column]);
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

#include "VariableSlots.h"

#include "CacheRecord.h"
#include "DateTimeDays.h"
#include "NumberParse.h"
#include "PagewrightErrors.h"

#include <QDateTime>
#include <cmath>

namespace {

[[noreturn]] void cannotConvert(const QVariant& value, const char* target) {
    throw EConvertError(
        QStringLiteral("'%1' is not a valid %2").arg(value.toString(), QLatin1String(target)));
}

long double toNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return daysFromDateTime(value.toDateTime());
    case QMetaType::QTime:
        return daysFromDateTime(QDateTime(QDate(1899, 12, 30), value.toTime(), Qt::UTC));
    case QMetaType::Int:
    case QMetaType::LongLong:
        return static_cast<long double>(value.toLongLong());
    case QMetaType::QString: {
        if (const auto number = parseFloat(value.toString().trimmed(), FormatSettings::invariant()))
            return *number;
        cannotConvert(value, "floating point value");
    }
    default: {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!ok)
            cannotConvert(value, "floating point value");
        return number;
    }
    }
}

bool toBoolean(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return toNumber(value) != 0;
}

double toDays(const QVariant& value) {
    if (value.typeId() == QMetaType::QString) {
        const QDateTime parsed = QDateTime::fromString(value.toString().trimmed(), Qt::ISODate);
        if (!parsed.isValid())
            cannotConvert(value, "date and time");
        return daysFromDateTime(parsed);
    }
    return double(toNumber(value));
}

// Whole numbers round half to even, as the platform's variants do.
long double rounded(long double value) {
    return std::nearbyint(value);
}

} // namespace

void VariableSlots::Clear(double now) {
    boolean = false;
    character = 0;
    currency = 0;
    dateTime = now;
    number = 0;
    extended = 0;
    integer = 0;
    single = 0;
    string.clear();
}

QVariant VariableSlots::ValueOf(TppDataType type) const {
    switch (type) {
    case dtBoolean:
        return boolean;
    case dtDate:
    case dtTime:
    case dtDateTime:
        return dateTimeFromDays(dateTime);
    case dtInteger:
        return integer;
    case dtSingle:
        return single;
    case dtDouble:
        return number;
    case dtExtended:
        return double(extended);
    case dtCurrency:
        return double(currency) / 10000.0;
    case dtChar:
        return character ? QString(QChar(char16_t(character))) : QString();
    case dtString:
        return string;
    default:
        return QVariant();
    }
}

void VariableSlots::Store(TppDataType type, const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return;
    switch (type) {
    case dtBoolean:
        boolean = toBoolean(value);
        break;
    case dtDate:
    case dtTime:
    case dtDateTime:
        dateTime = toDays(value);
        break;
    case dtInteger: {
        const long double whole = rounded(toNumber(value));
        if (whole < -2147483648.0L || whole > 2147483647.0L)
            cannotConvert(value, "integer value");
        integer = int(whole);
        break;
    }
    case dtSingle:
        single = float(toNumber(value));
        break;
    case dtDouble:
        number = double(toNumber(value));
        break;
    case dtExtended:
        extended = toNumber(value);
        break;
    case dtCurrency:
        currency = qint64(rounded(toNumber(value) * 10000));
        break;
    case dtChar: {
        const QString text = value.toString();
        character = text.isEmpty() ? 0 : text.at(0).unicode();
        break;
    }
    case dtString:
        string = value.toString();
        break;
    default:
        break;
    }
}

void VariableSlots::CacheFields(CacheRecord& record) {
    record.field(integer);
    record.field(character);
    record.field(boolean);
    record.field(currency);
    record.field(dateTime);
    record.field(number);
    record.field(extended);
    record.field(single);
}

bool valueChanged(const QVariant& before, const QVariant& after) {
    return before.typeId() != after.typeId() || before != after;
}

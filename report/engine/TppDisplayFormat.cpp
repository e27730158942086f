#include "TppDisplayFormat.h"

#include "DateTimeDays.h"
#include "DateTimeFormat.h"
#include "EditMask.h"
#include "NumberFormat.h"
#include "NumberParse.h"
#include "PagewrightErrors.h"

#include <QDateTime>
#include <atomic>

namespace {

bool isNumeric(TppDataType type) {
    switch (type) {
    case dtInteger:
    case dtSingle:
    case dtDouble:
    case dtExtended:
    case dtLongint:
    case dtLargeInt:
    case dtCurrency:
        return true;
    default:
        return false;
    }
}

bool isDateOrTime(TppDataType type) {
    return type == dtDate || type == dtTime || type == dtDateTime;
}

[[noreturn]] void cannotConvert(const QVariant& value, const char* target) {
    throw EConvertError(
        QStringLiteral("'%1' is not a valid %2").arg(value.toString(), QLatin1String(target)));
}

// What a value reads as when no format applies to it.
QString plainText(const QVariant& value, const FormatSettings& settings) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
        return formatGeneral(value.toDouble(), settings);
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
        return formatDateTime(QStringLiteral("c"), value.toDateTime(), settings);
    default:
        return value.toString();
    }
}

long double toNumber(const QVariant& value, const FormatSettings& settings) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
        // Kept whole: a 64-bit integer has more digits than a double holds.
        return static_cast<long double>(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar:
        return static_cast<long double>(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return daysFromDateTime(value.toDateTime());
    case QMetaType::QString:
        if (const auto number = parseFloat(value.toString().trimmed(), settings))
            return *number;
        cannotConvert(value, "floating point value");
    default: {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!ok)
            cannotConvert(value, "floating point value");
        return number;
    }
    }
}

QDateTime toDateTime(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0), Qt::UTC);
    case QMetaType::QTime:
        return QDateTime(QDate(1899, 12, 30), value.toTime(), Qt::UTC);
    case QMetaType::QString: {
        const QDateTime parsed = value.toDateTime();
        if (!parsed.isValid())
            cannotConvert(value, "date and time");
        return parsed;
    }
    default: {
        // Day counts since 30 December 1899, as date fields and scripts hold them.
        bool ok = false;
        const double days = value.toDouble(&ok);
        if (!ok)
            cannotConvert(value, "date and time");
        return dateTimeFromDays(days);
    }
    }
}

QString formatBoolean(const QString& format, const QVariant& value, const FormatSettings& settings) {
    if (format.isEmpty() || value.typeId() != QMetaType::Bool)
        return plainText(value, settings);
    const qsizetype split = format.indexOf(u';');
    const QString trueText = split < 0 ? format : format.left(split);
    const QString falseText = split < 0 ? QString() : format.mid(split + 1);
    return value.toBool() ? trueText : falseText;
}

QString formatDate(const QString& format, TppDataType type, const QVariant& value,
                   const FormatSettings& settings) {
    QString picture = format;
    if (picture.isEmpty())
        picture = type == dtDate   ? settings.shortDateFormat
                  : type == dtTime ? settings.longTimeFormat
                                   : QStringLiteral("c");
    return formatDateTime(picture, toDateTime(value), settings);
}

// Decimals of a currency format: the characters after the first "." of its
// first section.
int currencyDecimals(const QString& format) {
    const QString first = format.section(u';', 0, 0);
    const qsizetype point = first.indexOf(u'.');
    return point < 0 ? 0 : int(first.size() - point - 1);
}

QString formatNumber(const QString& format, TppDataType type, const QVariant& value,
                     const FormatSettings& settings) {
    const long double number = toNumber(value, settings);
    if (format.isEmpty())
        return type == dtCurrency ? formatCurrency(number, settings.currencyDecimals, settings)
                                  : formatGeneral(number, settings);
    // A "$" anywhere asks for the locale's own currency style rather than
    // the picture's literal dollar sign and parentheses.
    if (format.contains(u'$'))
        return formatCurrency(number, currencyDecimals(format), settings);
    return formatFloat(format, number, settings);
}

struct Entry {
    const char* sample;
    const char* format;
};

const Entry kBooleanFormats[] = {{"Yes", "Yes;No"}, {"Y", "Y;N"},     {"True", "True;False"},
                                 {"T", "T;F"},      {"OK", "OK;"},    {"Done", "Done;"},
                                 {"", ";Not OK"},   {"", ";Not Done"}};
const Entry kDateFormats[] = {{"3/4/95", "m/d/yy"},
                              {"03/04/95", "mm/dd/yy"},
                              {"03/04/1995", "mm/dd/yyyy"},
                              {"4-Mar-95 ", "d-mmm-yy"},
                              {"04-Mar-95 ", "dd-mmm-yy"},
                              {"March 4, 1995", "mmmm d, yyyy"},
                              {"3/4", "m/d"},
                              {"Mar-95", "mmm-yy"},
                              {"March-95", "mmmm-yy"}};
const Entry kTimeFormats[] = {
    {"1:30 PM", "h:nn AM/PM"}, {"13:30", "h:nn"}, {"1:30:55 PM", "h:nn:ss AM/PM"}, {"13:30:55", "h:nn:ss"}};
const Entry kDateTimeFormats[] = {{"3/4/95 1:30:55 PM", "m/d/yy h:nn:ss AM/PM"},
                                  {"3/4/95 13:30:55", "m/d/yy h:nn:ss"}};
const Entry kNumberFormats[] = {{"-1,234", "#,0;-#,0"},
                                {"-1,234.40", "#,0.00;-#,0.00"},
                                {"(1,234.40)", "#,0.00;(#,0.00)"},
                                {"($1,234.40)", "$#,0.00;($#,0.00)"},
                                {"-$1,234.40", "$#,0.00;-$#,0.00"},
                                {"-$1,234", "$#,0;-$#,0"},
                                {"($1,234)", "$#,0;($#,0)"},
                                {"-1234.4 %", "0 %"},
                                {"-1234.40 %", "0.00 %"}};
const Entry kStringFormats[] = {{"Phone", "!\\(999\\)\\ 000\\-0000;0; "},   {"Extension", "!99999;0; "},
                                {"Social Security", "000\\-00\\-0000;0; "}, {"Short Zip Code", "00000;0; "},
                                {"Long Zip Code", "00000\\-9999;0; "},      {"Date", "!99/99/00;0; "},
                                {"Long Time", "!90:00:00\\ >LL;0; "},       {"Short Time", "!90:00;0; "}};

template <std::size_t N> void addEntries(QStringList& list, const Entry (&entries)[N]) {
    for (const Entry& e : entries)
        list << QString::fromLatin1(e.sample) + TppDisplayFormat::kSampleSeparator +
                    QString::fromLatin1(e.format);
}

const TppDisplayFormat kStandardFormat;
std::atomic<const TppDisplayFormat*> installedFormat{nullptr};

} // namespace

QString TppDisplayFormat::FormatValue(const QString& format, TppDataType dataType, const QVariant& value,
                                      const FormatSettings& settings) const {
    if (value.isNull())
        return QString();
    if (dataType == dtBoolean)
        return formatBoolean(format, value, settings);
    if (isDateOrTime(dataType))
        return formatDate(format, dataType, value, settings);
    if (isNumeric(dataType))
        return formatNumber(format, dataType, value, settings);
    if (dataType == dtChar || dataType == dtString || dataType == dtMemo) {
        const QString text = plainText(value, settings);
        return format.isEmpty() ? text : formatMaskText(format, text, settings);
    }
    return QString();
}

void TppDisplayFormat::GetDisplayFormats(TppDataType dataType, QStringList* list) const {
    if (!list)
        return;
    list->clear();
    switch (dataType) {
    case dtBoolean:
        addEntries(*list, kBooleanFormats);
        break;
    case dtDate:
        addEntries(*list, kDateFormats);
        break;
    case dtTime:
        addEntries(*list, kTimeFormats);
        break;
    case dtDateTime:
        addEntries(*list, kDateTimeFormats);
        addEntries(*list, kDateFormats);
        break;
    case dtInteger:
    case dtSingle:
    case dtDouble:
    case dtExtended:
    case dtCurrency:
    case dtLongint:
        addEntries(*list, kNumberFormats);
        break;
    case dtString:
        addEntries(*list, kStringFormats);
        break;
    default:
        break;
    }
}

const TppDisplayFormat& DisplayFormatClass() {
    const TppDisplayFormat* installed = installedFormat.load(std::memory_order_acquire);
    return installed ? *installed : kStandardFormat;
}

void SetDisplayFormatClass(const TppDisplayFormat* formatter) {
    installedFormat.store(formatter, std::memory_order_release);
}

QString FormatValue(const QString& format, TppDataType dataType, const QVariant& value,
                    const FormatSettings& settings) {
    return DisplayFormatClass().FormatValue(format, dataType, value, settings);
}

void GetDisplayFormats(TppDataType dataType, QStringList* list) {
    DisplayFormatClass().GetDisplayFormats(dataType, list);
}

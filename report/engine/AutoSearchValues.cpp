#include "AutoSearchValues.h"

#include "AutoSearchMessages.h"
#include "DateTimeDays.h"
#include "DateTimeParse.h"
#include "NumberParse.h"
#include "PagewrightErrors.h"
#include "TppResourceManager.h"

#include <QDateTime>

namespace {

bool isDateType(TppDataType type) {
    return type == dtDate || type == dtTime || type == dtDateTime;
}

bool isIntegerType(TppDataType type) {
    return type == dtInteger || type == dtLongint;
}

bool isFloatType(TppDataType type) {
    return type == dtSingle || type == dtDouble || type == dtExtended || type == dtCurrency;
}

std::optional<double> parseDays(const QString& text, TppDataType type, const FormatSettings& settings,
                                int currentYear) {
    switch (type) {
    case dtDate:
        return parseDate(text, settings, currentYear);
    case dtTime:
        return parseTime(text, settings);
    default:
        return parseDateTime(text, settings, currentYear);
    }
}

QString withoutThousands(const QString& text, const FormatSettings& settings) {
    QString plain = text.trimmed();
    plain.remove(settings.thousandSeparator);
    return plain;
}

} // namespace

QStringList splitSearchExpression(const QString& expression) {
    QStringList parts = expression.split(u',');
    if (parts.last().isEmpty())
        parts.removeLast();
    return parts;
}

QVariant searchValue(const QString& part, TppDataType type, const QString& wildCard,
                     const FormatSettings& settings, int currentYear) {
    const auto refuse = [&](const char* kind) {
        return EDataError(QStringLiteral("'%1' is not a valid %2").arg(part, QLatin1String(kind)));
    };
    if (isDateType(type)) {
        const std::optional<double> days = parseDays(part.trimmed(), type, settings, currentYear);
        if (!days)
            throw refuse(type == dtDate ? "date" : type == dtTime ? "time" : "date and time");
        return dateTimeFromDays(*days);
    }
    if (isIntegerType(type)) {
        const std::optional<qint32> number = parseInt32(part.trimmed());
        if (!number)
            throw refuse("integer value");
        return *number;
    }
    if (isFloatType(type)) {
        const std::optional<long double> number = parseFloat(part.trimmed(), settings);
        if (!number)
            throw refuse("floating point value");
        return double(*number);
    }
    if (type == dtChar || type == dtString || type == dtMemo) {
        if (!wildCard.isEmpty() && !part.contains(wildCard))
            return part + wildCard;
        return part;
    }
    return QString();
}

QString searchValueProblem(const QString& text, TppDataType type, const FormatSettings& settings,
                           int currentYear) {
    if (text.isEmpty())
        return {};
    const auto problem = [&](int message) { return text + u' ' + LanguageString(message); };
    if (type == dtBoolean)
        return QStringLiteral("01FNTY").contains(text.at(0).toUpper())
                   ? QString()
                   : LanguageString(AutoSearchMessage::NotBoolean);
    if (isDateType(type)) {
        if (parseDays(text.trimmed(), type, settings, currentYear))
            return {};
        return problem(type == dtDate   ? AutoSearchMessage::NotDate
                       : type == dtTime ? AutoSearchMessage::NotTime
                                        : AutoSearchMessage::NotDateTime);
    }
    if (isIntegerType(type))
        return parseInt32(withoutThousands(text, settings)) ? QString()
                                                            : problem(AutoSearchMessage::NotNumber);
    if (isFloatType(type))
        return parseFloat(withoutThousands(text, settings), settings) ? QString()
                                                                      : problem(AutoSearchMessage::NotNumber);
    return {};
}

QString storedSearchValue(const QString& text, TppDataType type, const FormatSettings& settings) {
    if (isIntegerType(type) || isFloatType(type))
        return withoutThousands(text, settings);
    return text;
}

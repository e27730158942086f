#include "TraConversions.h"

#include "DateTimeDays.h"
#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "TraEnumerations.h"
#include "TraRunError.h"
#include "TraVariantOps.h"

#include "TppCommunicator.h"
#include <cmath>
#include <limits>

namespace {

QByteArray general(long double value, const TraEnvironment& environment, int precision) {
    return formatGeneral(value, environment.settings, precision).toLatin1();
}

QByteArray dateText(const char* picture, double days, const TraEnvironment& environment) {
    if (days == 0)
        return {};
    return formatDateTime(QString::fromLatin1(picture), dateTimeFromDays(days), environment.settings)
        .toLatin1();
}

// The numeric source of an assignment, if the target type accepts it. The
// three date types are accepted by Double and Extended only as DateTime.
std::optional<long double> acceptedNumber(TraDataType target, const TraValue& source,
                                          const TraEnvironment& environment) {
    const TraDataType s = source.type();
    switch (s) {
    case daInteger:
        return source.integer();
    case daSingle:
        if (target == daDateTime || target == daDate || target == daTime)
            return std::nullopt;
        return source.single();
    case daDouble:
        return source.real();
    case daExtended:
        return source.extended();
    case daCurrency:
        if (target == daDateTime || target == daDate || target == daTime)
            return std::nullopt;
        return source.currencyAmount();
    case daDateTime:
        return target == daInteger || target == daSingle || target == daCurrency
                   ? std::nullopt
                   : std::optional<long double>(source.real());
    case daDate:
        if (target == daDateTime || target == daDate || target == daTime)
            return source.real();
        return std::nullopt;
    case daTime:
        if (target == daDateTime || target == daTime)
            return source.real();
        return std::nullopt;
    case daVariant:
        return variantToReal(source, environment);
    default:
        return std::nullopt;
    }
}

} // namespace

void raiseNotFinite(long double value) {
    if (std::isnan(value))
        throw TraRunError(QStringLiteral("Invalid floating-point operation"));
    throw TraRunError(QStringLiteral("Floating-point overflow"));
}

void storeNumber(TraValue& target, long double value) {
    checkFinite(value);
    switch (target.type()) {
    case daInteger:
        target.setInteger(truncateToInteger(value));
        break;
    case daSingle: {
        const float f = float(value);
        checkFinite(f);
        target.setSingle(f);
        break;
    }
    case daExtended:
        target.setExtended(value);
        break;
    case daCurrency:
        target.setCurrencyScaled(currencyFromAmount(value));
        break;
    case daDouble: {
        const double d = double(value);
        checkFinite(d);
        target.setDouble(d);
        break;
    }
    case daDateTime:
    case daDate:
    case daTime: {
        const double d = double(value);
        checkFinite(d);
        target.setDateValue(target.type(), d);
        break;
    }
    default:
        break;
    }
}

void setNumericResult(TraValue& out, long double value) {
    checkFinite(value);
    if (value == std::trunc(value) && value >= std::numeric_limits<qint32>::min() &&
        value <= std::numeric_limits<qint32>::max())
        out.setInteger(qint32(value));
    else
        out.setExtended(value);
}

qint32 truncateToInteger(long double value) {
    checkFinite(value);
    const long double whole = std::trunc(value);
    if (whole < std::numeric_limits<qint32>::min() || whole > std::numeric_limits<qint32>::max())
        throw TraRunError(QStringLiteral("%1 is out of the Integer range").arg(double(value), 0, 'g', 15));
    return qint32(whole);
}

qint32 roundToInteger(long double value) {
    checkFinite(value);
    return truncateToInteger(std::nearbyint(value)); // the default rounding mode: halves to even
}

qint64 currencyFromAmount(long double amount) {
    checkFinite(amount);
    const long double scaled = std::nearbyint(amount * 10000);
    if (std::fabs(scaled) >= 9.2233720368547758e18L)
        throw TraRunError(QStringLiteral("%1 is out of the Currency range").arg(double(amount), 0, 'g', 15));
    return qint64(scaled);
}

std::optional<long double> readNumber(const TraValue& value) {
    switch (value.type()) {
    case daInteger:
        return value.integer();
    case daSingle:
        return value.single();
    case daDouble:
    case daDateTime:
    case daDate:
    case daTime:
        return value.real();
    case daExtended:
        return value.extended();
    case daCurrency:
        return value.currencyAmount();
    case daVariant:
        switch (value.variantKind()) {
        case TraVariantKind::Smallint:
        case TraVariantKind::Integer:
            return value.integer();
        case TraVariantKind::Single:
        case TraVariantKind::Double:
        case TraVariantKind::Date:
            return value.real();
        case TraVariantKind::Currency:
            return value.currencyAmount();
        default:
            return std::nullopt;
        }
    default:
        return std::nullopt;
    }
}

bool readVariant(const TraValue& value, TraValue& variant) {
    switch (value.type()) {
    case daInteger:
        variant.setVariantInteger(value.integer());
        return true;
    case daSingle:
        variant.setVariantDouble(value.single());
        return true;
    case daDouble:
        variant.setVariantDouble(value.real());
        return true;
    case daExtended:
        variant.setVariantDouble(double(value.extended()));
        return true;
    case daCurrency:
        variant.setVariantCurrency(value.currencyScaled());
        return true;
    case daChar:
        variant.setVariantString(QByteArray(1, value.character()));
        return true;
    case daString:
        variant.setVariantString(value.text());
        return true;
    case daDateTime:
    case daDate:
    case daTime:
        variant.setVariantDate(value.real());
        return true;
    case daBoolean:
        variant.setVariantBoolean(value.boolean());
        return true;
    case daVariant:
        variant = value;
        if (value.variantKind() == TraVariantKind::Empty)
            variant.setVariantNull();
        return true;
    case daEnum:
        variant.setVariantByte(quint8(value.ordinal()));
        return true;
    default:
        // An object has no variant form: a number must never stand in for it.
        return false;
    }
}

bool assignConverted(TraValue& target, const TraValue& source, const TraEnvironment& environment) {
    const TraDataType t = target.type();
    if (source.isNone())
        return false;
    if (source.type() == daVariant && t != daString && t != daVariant && t != daChar && t != daEnum &&
        t != daObject && t != daClass && source.isVariantEmptyOrNull())
        throw TraRunError(QStringLiteral("A null variant cannot be converted to %1")
                              .arg(QString::fromLatin1(dataTypeName(t))));
    switch (t) {
    case daInteger:
        if (source.type() == daInteger) {
            target.setInteger(source.integer());
            return true;
        }
        if (source.type() == daVariant) {
            target.setInteger(variantToInteger(source, environment));
            return true;
        }
        if (const std::optional<long double> n = acceptedNumber(t, source, environment)) {
            target.setInteger(truncateToInteger(*n));
            return true;
        }
        return false;
    case daSingle:
    case daDouble:
    case daExtended:
    case daDateTime:
    case daDate:
    case daTime: {
        const std::optional<long double> n = acceptedNumber(t, source, environment);
        if (!n)
            return false;
        checkFinite(*n);
        if (t == daSingle) {
            const float f = float(*n);
            checkFinite(f);
            target.setSingle(f);
        } else if (t == daExtended) {
            target.setExtended(*n);
        } else {
            const double d = double(*n);
            checkFinite(d);
            if (t == daDouble)
                target.setDouble(d);
            else
                target.setDateValue(t, d);
        }
        return true;
    }
    case daCurrency:
        if (source.type() == daCurrency) {
            target.setCurrencyScaled(source.currencyScaled());
            return true;
        }
        if (source.type() == daVariant) {
            target.setCurrencyScaled(variantToCurrency(source, environment));
            return true;
        }
        if (const std::optional<long double> n = acceptedNumber(t, source, environment)) {
            target.setCurrencyScaled(currencyFromAmount(*n));
            return true;
        }
        return false;
    case daChar:
        if (source.type() == daChar) {
            target.setChar(source.character());
            return true;
        }
        if (source.type() == daString) {
            target.setChar(source.text().isEmpty() ? '\0' : source.text()[0]);
            return true;
        }
        return false;
    case daString:
        if (source.type() == daString) {
            target.setString(source.text());
            return true;
        }
        if (source.type() == daChar) {
            target.setString(QByteArray(1, source.character()));
            return true;
        }
        if (source.type() == daVariant) {
            target.setString(variantToString(source, environment));
            return true;
        }
        return false;
    case daBoolean:
        if (source.type() == daBoolean ||
            (source.type() == daVariant && source.variantKind() == TraVariantKind::Boolean)) {
            target.setBoolean(source.boolean());
            return true;
        }
        return false;
    case daEnum:
        if (source.type() == daEnum || source.type() == daBoolean) {
            target.setOrdinal(source.ordinal());
            return true;
        }
        return false;
    case daVariant: {
        TraValue contents;
        if (!readVariant(source, contents))
            return false;
        target = contents;
        return true;
    }
    case daObject:
    case daClass:
        if (source.type() == daObject || source.type() == daClass) {
            target.setObject(t, source.object());
            return true;
        }
        return false;
    case daUnknown:
    case daMethod:
        return false;
    }
    return false;
}

QByteArray valueText(const TraValue& value, const TraEnvironment& environment) {
    switch (value.type()) {
    case daInteger:
        return QByteArray::number(value.integer());
    case daSingle:
        return general(value.single(), environment, 8);
    case daDouble:
        return general(value.real(), environment, 15);
    case daExtended:
        return general(value.extended(), environment, 18);
    case daCurrency:
        return general(value.currencyAmount(), environment, 18);
    case daChar:
        return QByteArray(1, value.character());
    case daString:
        return value.text();
    case daDateTime:
        return dateText("c", value.real(), environment);
    case daDate:
        return dateText("ddddd", value.real(), environment);
    case daTime:
        return dateText("tt", value.real(), environment);
    case daBoolean:
        return value.boolean() ? QByteArray("True") : QByteArray("False");
    case daVariant:
        return variantToString(value, environment);
    case daObject:
    case daClass:
        if (!value.object())
            return {};
        if (auto* communicator = dynamic_cast<const TppCommunicator*>(value.object()))
            return communicator->UserName().toLatin1();
        if (auto* component = dynamic_cast<const OwnedComponent*>(value.object()))
            return component->Name().toLatin1();
        return value.object()->className().toLatin1();
    case daEnum:
        return TraEnumerations::valueName(value.enumType(), value.ordinal());
    case daUnknown:
    case daMethod:
        break;
    }
    return {};
}

#include "TraVariantOps.h"

#include "DateTimeDays.h"
#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "NumberParse.h"
#include "TraConversions.h"
#include "TraRunError.h"

#include <cmath>
#include <limits>

namespace {

using Kind = TraVariantKind;

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Empty:
        return "Empty";
    case Kind::Null:
        return "Null";
    case Kind::Smallint:
        return "Smallint";
    case Kind::Integer:
        return "Integer";
    case Kind::Single:
        return "Single";
    case Kind::Double:
        return "Double";
    case Kind::Currency:
        return "Currency";
    case Kind::Date:
        return "Date";
    case Kind::String:
        return "String";
    case Kind::Boolean:
        return "Boolean";
    case Kind::Byte:
        return "Byte";
    }
    return "";
}

[[noreturn]] void conversionFailed(const TraValue& variant, const char* target) {
    throw TraRunError(QStringLiteral("Could not convert a variant of type %1 into type %2")
                          .arg(QLatin1String(kindName(variant.variantKind())), QLatin1String(target)));
}

bool isWhole(Kind kind) {
    return kind == Kind::Smallint || kind == Kind::Integer || kind == Kind::Byte;
}
bool isNull(Kind kind) {
    return kind == Kind::Empty || kind == Kind::Null;
}

// A number spelled by a variant's text: whole when it reads as an integer.
struct Number {
    long double value = 0;
    bool whole = false;
};

Number numberOf(const TraValue& variant, const TraEnvironment& environment) {
    const Kind kind = variant.variantKind();
    if (isWhole(kind))
        return {(long double)variant.integer(), true};
    if (kind == Kind::String) {
        const QString text = QString::fromLatin1(variant.text()).trimmed();
        if (const std::optional<qint32> whole = parseInt32(text))
            return {(long double)*whole, true};
        if (const std::optional<long double> real = parseFloat(text, environment.settings))
            return {*real, false};
        conversionFailed(variant, "Double");
    }
    if (kind == Kind::Boolean)
        return {variant.boolean() ? 1.0L : 0.0L, true};
    if (isNull(kind))
        conversionFailed(variant, "Double");
    return {*readNumber(variant), false};
}

void setWholeOrDouble(TraValue& out, long double value) {
    checkFinite(value);
    if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max())
        out.setVariantInteger(qint32(value));
    else
        out.setVariantDouble(double(value));
}

qint64 truncated(long double value) {
    checkFinite(value);
    const long double whole = std::trunc(value);
    if (std::fabs(whole) >= 9.2233720368547758e18L)
        throw TraRunError(QStringLiteral("Integer overflow"));
    return qint64(whole);
}

// The zero that stands in for an empty or null right operand.
TraValue zeroLike(const TraValue& left, const TraValue& right) {
    TraValue zero;
    switch (left.variantKind()) {
    case Kind::String:
        zero.setVariantString(QByteArray(""));
        break;
    case Kind::Boolean:
        zero.setVariantBoolean(false);
        break;
    case Kind::Empty:
    case Kind::Null:
        return right;
    default:
        zero.setVariantInteger(0);
        break;
    }
    return zero;
}

} // namespace

long double variantToReal(const TraValue& variant, const TraEnvironment& environment) {
    return numberOf(variant, environment).value;
}

qint32 variantToInteger(const TraValue& variant, const TraEnvironment& environment) {
    const Number n = numberOf(variant, environment);
    return n.whole ? qint32(n.value) : roundToInteger(n.value);
}

qint64 variantToCurrency(const TraValue& variant, const TraEnvironment& environment) {
    if (variant.variantKind() == Kind::Currency)
        return variant.currencyScaled();
    return currencyFromAmount(numberOf(variant, environment).value);
}

QByteArray variantToString(const TraValue& variant, const TraEnvironment& environment) {
    const FormatSettings& settings = environment.settings;
    switch (variant.variantKind()) {
    case Kind::Empty:
    case Kind::Null:
        return {};
    case Kind::Smallint:
    case Kind::Integer:
    case Kind::Byte:
        return QByteArray::number(variant.integer());
    case Kind::Single:
        return formatGeneral(variant.real(), settings, 8).toLatin1();
    case Kind::Double:
        return formatGeneral(variant.real(), settings, 15).toLatin1();
    case Kind::Currency:
        return formatGeneral(variant.currencyAmount(), settings, 18).toLatin1();
    case Kind::Date:
        return formatDateTime(QStringLiteral("c"), dateTimeFromDays(variant.real()), settings).toLatin1();
    case Kind::String:
        return variant.text();
    case Kind::Boolean:
        return variant.boolean() ? QByteArray("True") : QByteArray("False");
    }
    return {};
}

TraValue variantOperate(const TraValue& left, TraValue right, TraTokenType op,
                        const TraEnvironment& environment) {
    if (isNull(right.variantKind()))
        right = zeroLike(left, right);
    TraValue out;
    if (op == ttAnd || op == ttOr) {
        if (isNull(left.variantKind()) || isNull(right.variantKind())) {
            out.setVariantNull();
        } else if (left.variantKind() == Kind::Boolean && right.variantKind() == Kind::Boolean) {
            out.setVariantBoolean(op == ttAnd ? left.boolean() && right.boolean()
                                              : left.boolean() || right.boolean());
        } else {
            const qint32 l = variantToInteger(left, environment);
            const qint32 r = variantToInteger(right, environment);
            out.setVariantInteger(op == ttAnd ? (l & r) : (l | r));
        }
        return out;
    }
    const bool arithmetic =
        op == ttPlus || op == ttMinus || op == ttStar || op == ttSlash || op == ttDiv || op == ttMod;
    if (!arithmetic) {
        out.setVariantInteger(0);
        return out;
    }
    if (isNull(left.variantKind()) || isNull(right.variantKind())) {
        out.setVariantNull();
        return out;
    }
    if (op == ttPlus && left.variantKind() == Kind::String && right.variantKind() == Kind::String) {
        out.setVariantString(left.text() + right.text());
        return out;
    }
    const Number l = numberOf(left, environment);
    const Number r = numberOf(right, environment);
    switch (op) {
    case ttSlash:
        if (r.value == 0)
            out.setVariantInteger(0);
        else {
            const long double q = l.value / r.value;
            checkFinite(q);
            out.setVariantDouble(double(q));
        }
        return out;
    case ttDiv: {
        if (r.value == 0) {
            out.setVariantInteger(0);
            return out;
        }
        const qint64 divisor = truncated(r.value);
        if (divisor == 0)
            throw TraRunError(QStringLiteral("Division by zero"));
        setWholeOrDouble(out, (long double)(truncated(l.value) / divisor));
        return out;
    }
    case ttMod: {
        const qint64 divisor = truncated(r.value);
        if (divisor == 0)
            throw TraRunError(QStringLiteral("Division by zero"));
        setWholeOrDouble(out, (long double)(truncated(l.value) % divisor));
        return out;
    }
    default:
        break;
    }
    const long double result = op == ttPlus    ? l.value + r.value
                               : op == ttMinus ? l.value - r.value
                                               : l.value * r.value;
    checkFinite(result);
    const Kind lk = left.variantKind();
    const Kind rk = right.variantKind();
    if (l.whole && r.whole)
        setWholeOrDouble(out, result);
    else if ((lk == Kind::Date || rk == Kind::Date) && op != ttStar)
        out.setVariantDate(double(result));
    else if ((lk == Kind::Currency || rk == Kind::Currency) && (l.whole || lk == Kind::Currency) &&
             (r.whole || rk == Kind::Currency))
        out.setVariantCurrency(currencyFromAmount(result));
    else
        out.setVariantDouble(double(result));
    return out;
}

TraValue variantNegate(const TraValue& variant, const TraEnvironment& environment) {
    TraValue out;
    switch (variant.variantKind()) {
    case Kind::Empty:
    case Kind::Null:
        out.setVariantNull();
        break;
    case Kind::Currency:
        out.setVariantCurrency(-variant.currencyScaled());
        break;
    case Kind::Date:
        out.setVariantDate(-variant.real());
        break;
    case Kind::Single:
    case Kind::Double:
        out.setVariantDouble(-variant.real());
        break;
    default: {
        const Number n = numberOf(variant, environment);
        if (n.whole)
            setWholeOrDouble(out, -n.value);
        else
            out.setVariantDouble(double(-n.value));
        break;
    }
    }
    return out;
}

bool variantCompare(const TraValue& left, const TraValue& right, TraTokenType op,
                    const TraEnvironment& environment) {
    const Kind lk = left.variantKind();
    const Kind rk = right.variantKind();
    int order = 0;
    if (isNull(lk) || isNull(rk)) {
        const bool equal = isNull(lk) && isNull(rk);
        return op == ttEqual ? equal : op == ttNe ? !equal : false;
    }
    if (lk == Kind::String && rk == Kind::String) {
        order = left.text().compare(right.text());
    } else {
        const long double l = numberOf(left, environment).value;
        const long double r = numberOf(right, environment).value;
        order = l < r ? -1 : l > r ? 1 : 0;
    }
    switch (op) {
    case ttEqual:
        return order == 0;
    case ttNe:
        return order != 0;
    case ttLt:
        return order < 0;
    case ttGt:
        return order > 0;
    case ttLe:
        return order <= 0;
    case ttGe:
        return order >= 0;
    default:
        return false;
    }
}

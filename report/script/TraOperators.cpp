#include "TraOperators.h"

#include "TraConversions.h"
#include "TraRunError.h"
#include "TraVariantOps.h"

#include <cmath>

namespace {

[[noreturn]] void divisionByZero() {
    throw TraRunError(QStringLiteral("Division by zero"));
}

qint64 truncatedForDivision(long double value) {
    checkFinite(value);
    const long double whole = std::trunc(value);
    if (std::fabs(whole) >= 9.2233720368547758e18L)
        throw TraRunError(QStringLiteral("Integer overflow"));
    return qint64(whole);
}

template <typename T> int orderOf(T left, T right) {
    return left < right ? -1 : right < left ? 1 : 0;
}

void operateNumeric(TraValue& out, const TraValue& left, const TraValue* right, TraTokenType op) {
    const long double l = *readNumber(left);
    if (op == ttUnaryPlus || op == ttUnaryMinus) {
        if (left.type() == daInteger)
            out.setInteger(op == ttUnaryMinus ? qint32(0u - quint32(left.integer())) : left.integer());
        else
            setNumericResult(out, op == ttUnaryMinus ? -l : l);
        return;
    }
    if (!right)
        return;
    const std::optional<long double> r = readNumber(*right);
    if (!r)
        return;
    if (left.type() == daInteger && right->type() == daInteger && op != ttSlash) {
        out.setInteger(integerArithmetic(left.integer(), right->integer(), op));
        return;
    }
    setNumericResult(out, arithmetic(l, *r, op));
}

std::optional<QByteArray> readText(const TraValue& value, const TraEnvironment& environment) {
    switch (value.type()) {
    case daString:
        return value.text();
    case daChar:
        return QByteArray(1, value.character());
    case daVariant:
        return variantToString(value, environment);
    default:
        return std::nullopt;
    }
}

std::optional<char> readChar(const TraValue& value) {
    if (value.type() == daChar)
        return value.character();
    if (value.type() == daString)
        return value.text().isEmpty() ? '\0' : value.text()[0];
    return std::nullopt;
}

std::optional<bool> readBoolean(const TraValue& value) {
    if (value.type() == daBoolean ||
        (value.type() == daVariant && value.variantKind() == TraVariantKind::Boolean))
        return value.boolean();
    return std::nullopt;
}

} // namespace

long double arithmetic(long double left, long double right, TraTokenType op) {
    switch (op) {
    case ttPlus:
        return left + right;
    case ttMinus:
        return left - right;
    case ttStar:
        return left * right;
    case ttSlash:
        return right == 0 ? 0 : left / right;
    case ttDiv: {
        if (right == 0)
            return 0;
        const qint64 divisor = truncatedForDivision(right);
        if (divisor == 0)
            divisionByZero();
        return (long double)(truncatedForDivision(left) / divisor);
    }
    case ttMod: {
        const qint64 divisor = truncatedForDivision(right);
        if (divisor == 0)
            divisionByZero();
        return (long double)(truncatedForDivision(left) % divisor);
    }
    default:
        return 0;
    }
}

qint32 integerArithmetic(qint32 left, qint32 right, TraTokenType op) {
    const qint64 l = left;
    const qint64 r = right;
    qint64 result = 0;
    switch (op) {
    case ttPlus:
        result = l + r;
        break;
    case ttMinus:
        result = l - r;
        break;
    case ttStar:
        result = l * r;
        break;
    case ttDiv:
        result = r == 0 ? 0 : l / r;
        break;
    case ttMod:
        if (r == 0)
            divisionByZero();
        result = l % r;
        break;
    default:
        break;
    }
    return qint32(quint32(quint64(result)));
}

bool orderSatisfies(int order, TraTokenType op) {
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

void operate(TraValue& out, const TraValue& left, const TraValue* right, TraTokenType op,
             const TraEnvironment& environment) {
    out.clear();
    switch (left.type()) {
    case daInteger:
    case daSingle:
    case daDouble:
    case daExtended:
    case daCurrency:
    case daDateTime:
    case daDate:
    case daTime:
        operateNumeric(out, left, right, op);
        return;
    case daString:
    case daChar: {
        if (!right)
            return;
        if (left.type() == daString) {
            const std::optional<QByteArray> r = readText(*right, environment);
            if (r)
                out.setString(op == ttPlus ? left.text() + *r : QByteArray(""));
        } else {
            const std::optional<char> r = readChar(*right);
            if (r)
                out.setString(op == ttPlus ? QByteArray(1, left.character()) + QByteArray(1, *r)
                                           : QByteArray(""));
        }
        return;
    }
    case daBoolean: {
        if (op == ttNot) {
            out.setBoolean(!left.boolean());
            return;
        }
        const std::optional<bool> r = right ? readBoolean(*right) : std::nullopt;
        if (!r)
            return;
        if (op == ttAnd)
            out.setBoolean(left.boolean() && *r);
        else if (op == ttOr)
            out.setBoolean(left.boolean() || *r);
        else
            out.setBoolean(false);
        return;
    }
    case daVariant: {
        if (op == ttUnaryMinus) {
            out = variantNegate(left, environment);
            return;
        }
        if (op == ttUnaryPlus) {
            out = left;
            return;
        }
        if (!right)
            return;
        TraValue r;
        if (!readVariant(*right, r)) {
            out.setVariantInteger(0);
            return;
        }
        out = variantOperate(left, r, op, environment);
        return;
    }
    case daObject:
    case daClass:
        out.setObject(daObject, nullptr);
        return;
    default:
        return;
    }
}

void compare(TraValue& out, const TraValue& left, const TraValue& right, TraTokenType op,
             const TraEnvironment& environment) {
    out.clear();
    switch (left.type()) {
    case daInteger:
    case daSingle:
    case daDouble:
    case daExtended:
    case daCurrency:
    case daDateTime:
    case daDate:
    case daTime: {
        const std::optional<long double> r = readNumber(right);
        if (r)
            out.setBoolean(orderSatisfies(orderOf(*readNumber(left), *r), op));
        return;
    }
    case daString: {
        const std::optional<QByteArray> r = readText(right, environment);
        if (r)
            out.setBoolean(orderSatisfies(left.text().compare(*r), op));
        return;
    }
    case daChar: {
        const std::optional<char> r = readChar(right);
        if (r)
            out.setBoolean(orderSatisfies(orderOf(quint8(left.character()), quint8(*r)), op));
        return;
    }
    case daBoolean:
    case daEnum: {
        if (left.type() == daBoolean && op != ttIs) {
            if (const std::optional<bool> r = readBoolean(right))
                out.setBoolean(orderSatisfies(orderOf(int(left.boolean()), int(*r)), op));
            else if (right.type() == daEnum)
                out.setBoolean(orderSatisfies(orderOf(left.ordinal(), right.ordinal()), op));
            return;
        }
        if (right.type() == daEnum || right.type() == daBoolean)
            out.setBoolean(orderSatisfies(orderOf(left.ordinal(), right.ordinal()), op));
        return;
    }
    case daVariant: {
        TraValue r;
        if (readVariant(right, r))
            out.setBoolean(variantCompare(left, r, op, environment));
        return;
    }
    case daObject:
    case daClass: {
        if (right.type() != daObject && right.type() != daClass)
            return;
        if (op == ttIs) {
            // No script-visible classes are registered yet; nothing is an instance of none.
            out.setBoolean(false);
            return;
        }
        if (op == ttEqual || op == ttNe)
            out.setBoolean((left.object() == right.object()) == (op == ttEqual));
        return;
    }
    default:
        return;
    }
}

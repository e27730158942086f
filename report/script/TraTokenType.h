#pragma once

#include <QtGlobal>

// Token kinds. The ordinals are fixed: expected-token sets are 64-bit masks in
// which bit k stands for the kind with ordinal k, and error messages list the
// kinds of a set in ordinal order.
enum TraTokenType : quint8 {
    ttUnknown,
    ttIdentifier,
    ttNumber,
    ttString,
    ttComment,
    ttType,
    ttError,
    ttUnary,    // in expected sets: any of "-", "+", "not" as a unary operator
    ttOperator, // in expected sets: any binary operator
    ttUnaryPlus,
    ttUnaryMinus,
    ttUpArrow,
    ttStar,
    ttLParen,
    ttRParen,
    ttMinus,
    ttPlus,
    ttEqual,
    ttLBracket,
    ttRBracket,
    ttColon,
    ttSemiColon,
    ttLt,
    ttGt,
    ttComma,
    ttPeriod,
    ttSlash,
    ttColonEqual,
    ttLe,
    ttGe,
    ttNe,
    ttDotDot,
    ttAnd,
    ttAs,
    ttBegin,
    ttCase,
    ttConst,
    ttDiv,
    ttDo,
    ttDownTo,
    ttElse,
    ttEnd,
    ttFor,
    ttFunction,
    ttIf,
    ttIn,
    ttIs,
    ttMod,
    ttNot,
    ttOf,
    ttOr,
    ttProcedure,
    ttRepeat,
    ttThen,
    ttTo,
    ttUntil,
    ttVar,
    ttWhile,
};

class TraTokenSet {
public:
    constexpr TraTokenSet() = default;
    constexpr TraTokenSet(std::initializer_list<TraTokenType> kinds) {
        for (TraTokenType kind : kinds)
            bits_ |= bit(kind);
    }
    constexpr bool contains(TraTokenType kind) const { return (bits_ & bit(kind)) != 0; }
    constexpr bool isEmpty() const { return bits_ == 0; }
    constexpr TraTokenSet operator|(TraTokenSet other) const { return fromBits(bits_ | other.bits_); }

private:
    static constexpr quint64 bit(TraTokenType kind) { return quint64(1) << kind; }
    static constexpr TraTokenSet fromBits(quint64 bits) {
        TraTokenSet set;
        set.bits_ = bits;
        return set;
    }
    quint64 bits_ = 0;
};

// The tokens that may start an operand: a unary operator stands for "-", "+" and "not".
inline constexpr TraTokenSet kExpressionStart{ttIdentifier, ttNumber, ttString, ttUnary, ttLParen};

bool isBinaryOperator(TraTokenType kind);
bool isMultiplicativeOperator(TraTokenType kind);
bool isRelationalOperator(TraTokenType kind);
// "-", "+" or "not": the tokens that a unary operator in an expected set stands for.
bool canBeUnary(TraTokenType kind);
// Whether `kind` is in `set`, reading ttOperator and ttUnary as the operators they stand for.
bool tokenSetAccepts(TraTokenSet set, TraTokenType kind);

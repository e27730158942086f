#include "TraTokenType.h"

bool isMultiplicativeOperator(TraTokenType kind) {
    return kind == ttStar || kind == ttSlash || kind == ttDiv || kind == ttMod || kind == ttAnd ||
           kind == ttAs;
}

bool isRelationalOperator(TraTokenType kind) {
    return kind == ttEqual || kind == ttNe || kind == ttLt || kind == ttGt || kind == ttLe || kind == ttGe ||
           kind == ttIs;
}

bool isBinaryOperator(TraTokenType kind) {
    return isMultiplicativeOperator(kind) || isRelationalOperator(kind) || kind == ttPlus ||
           kind == ttMinus || kind == ttOr;
}

bool canBeUnary(TraTokenType kind) {
    return kind == ttMinus || kind == ttPlus || kind == ttNot;
}

bool tokenSetAccepts(TraTokenSet set, TraTokenType kind) {
    return set.contains(kind) || (set.contains(ttOperator) && isBinaryOperator(kind)) ||
           (set.contains(ttUnary) && canBeUnary(kind));
}

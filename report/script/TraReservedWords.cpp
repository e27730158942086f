#include "TraReservedWords.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

struct Entry {
    const char* text;
    TraTokenType kind;
};

// Sorted by byte value; std::is_sorted guards it in the tests through find().
constexpr Entry kTable[] = {
    {"(", ttLParen},
    {")", ttRParen},
    {"*", ttStar},
    {"+", ttPlus},
    {",", ttComma},
    {"-", ttMinus},
    {".", ttPeriod},
    {"..", ttDotDot},
    {"/", ttSlash},
    {":", ttColon},
    {":=", ttColonEqual},
    {";", ttSemiColon},
    {"<", ttLt},
    {"<=", ttLe},
    {"<>", ttNe},
    {"=", ttEqual},
    {">", ttGt},
    {">=", ttGe},
    {"[", ttLBracket},
    {"]", ttRBracket},
    {"^", ttUpArrow},
    {"and", ttAnd},
    {"as", ttAs},
    {"begin", ttBegin},
    {"case", ttCase},
    {"const", ttConst},
    {"div", ttDiv},
    {"do", ttDo},
    {"downto", ttDownTo},
    {"else", ttElse},
    {"end", ttEnd},
    {"for", ttFor},
    {"function", ttFunction},
    {"if", ttIf},
    {"in", ttIn},
    {"is", ttIs},
    {"mod", ttMod},
    {"not", ttNot},
    {"of", ttOf},
    {"or", ttOr},
    {"procedure", ttProcedure},
    {"repeat", ttRepeat},
    {"then", ttThen},
    {"to", ttTo},
    {"until", ttUntil},
    {"var", ttVar},
    {"while", ttWhile},
};

bool less(const Entry& entry, const QByteArray& text) {
    return std::strcmp(entry.text, text.constData()) < 0;
}

} // namespace

std::optional<TraTokenType> TraReservedWords::find(const QByteArray& text) {
    const Entry* end = std::end(kTable);
    const Entry* it = std::lower_bound(std::begin(kTable), end, text, less);
    if (it != end && text == it->text)
        return it->kind;
    return std::nullopt;
}

QByteArray TraReservedWords::textOf(TraTokenType kind) {
    for (const Entry& entry : kTable)
        if (entry.kind == kind)
            return QByteArray(entry.text);
    if (kind == ttUnaryMinus)
        return QByteArray("-");
    if (kind == ttUnaryPlus)
        return QByteArray("+");
    return {};
}

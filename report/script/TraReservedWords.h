#pragma once

#include "TraTokenType.h"

#include <QByteArray>
#include <optional>

// The symbols and reserved words of the language, looked up by binary search in
// one sorted table, and the reverse: the text of a kind, for error messages.
class TraReservedWords {
public:
    // `text` in lower case.
    static std::optional<TraTokenType> find(const QByteArray& text);
    // Empty for kinds that have no fixed text (identifiers, numbers ...).
    static QByteArray textOf(TraTokenType kind);
};

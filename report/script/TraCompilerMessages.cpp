#include "TraCompilerMessages.h"

#include "TppResourceManager.h"
#include "TraReservedWords.h"

#include <QStringList>

namespace {

// Language strings 1200-1213 hold messages 0-13; 1214-1216 build the
// "expected" message.
constexpr int kFirstMessage = 1200;
constexpr int kExpectedOne = 1214;
constexpr int kExpectedTwo = 1215;
constexpr int kFoundInstead = 1216;

QString kindName(TraTokenType kind) {
    switch (kind) {
    case ttIdentifier:
        return QStringLiteral("identifier");
    case ttNumber:
        return QStringLiteral("number");
    case ttString:
        return QStringLiteral("string");
    case ttType:
        return QStringLiteral("type");
    case ttUnary:
        return QStringLiteral("unary operator");
    case ttOperator:
        return QStringLiteral("operator");
    default:
        return u'\'' + QString::fromLatin1(TraReservedWords::textOf(kind)) + u'\'';
    }
}

QString quoted(const QByteArray& text) {
    return u'\'' + QString::fromLatin1(text) + u'\'';
}

} // namespace

int compilerMessageString(int code) {
    return kFirstMessage + code;
}

QString compilerMessage(int code, const QByteArray& tokenText, TraTokenSet expected) {
    if (code >= 0) {
        QString text = LanguageString(compilerMessageString(code));
        for (const char* placeholder : {"<identifier>", "<type>", "<name>"})
            text.replace(QLatin1String(placeholder), quoted(tokenText));
        return text;
    }
    QStringList names;
    for (int kind = 0; kind < 64; ++kind)
        if (expected.contains(TraTokenType(kind)))
            names << kindName(TraTokenType(kind));
    QString text;
    if (names.size() <= 1) {
        text = LanguageStringFmt(kExpectedOne, {names.value(0)});
    } else {
        const QString last = names.takeLast();
        text = LanguageStringFmt(kExpectedTwo, {names.join(QStringLiteral(", ")), last});
    }
    return text + LanguageStringFmt(kFoundInstead, {QString::fromLatin1(tokenText)});
}

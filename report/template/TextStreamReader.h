#pragma once

#include "StreamObject.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Reads the text form of a component stream into StreamObjects. Keywords
// (object, inherited, inline, end, item) are matched without regard to case;
// strings may join quoted runs, #codes and "+"; numbers carry their float
// kind in a suffix (s single, c currency, d date). Values get the tags the
// binary writer would choose, so text written from a binary stream reads
// back into the same bytes.
//
// The text is UTF-8, or single bytes in the Western code page when it is not
// valid UTF-8. Errors raise ETemplateLoadError with the line and column, the
// object and the property.
class TextStreamReader {
public:
    explicit TextStreamReader(QByteArrayView text);

    StreamObject readObject();
    // Object blocks up to the end of the text.
    std::vector<StreamObject> readComponents();

private:
    enum class TokenKind { End, Identifier, Number, String, Binary, Symbol };
    struct Token {
        TokenKind kind = TokenKind::End;
        QString text; // identifier, number (without suffix), string value
        // A string as code page bytes, while every character of it has one
        // and none came as a #code above 127; `rawAnsi` when some character
        // above 127 stood in a quoted run, which makes it an ANSI string.
        QByteArray ansi;
        bool ansiOnly = true;
        bool rawAnsi = false;
        QByteArray bytes; // binary data between braces
        char16_t symbol = 0;
        char16_t suffix = 0;   // s, c or d after a number, lower case
        bool fraction = false; // a number with a point or an exponent
        int line = 1;
        int column = 1;
    };

    [[noreturn]] void fail(const QString& problem) const;
    [[noreturn]] void failAt(const Token& token, const QString& problem) const;
    void skipBlanks();
    Token lex();
    void lexNumber(Token& token);
    void lexString(Token& token);
    void lexBinary(Token& token);
    const Token& peek() { return token_; }
    Token next();
    bool isSymbol(char16_t symbol) const {
        return token_.kind == TokenKind::Symbol && token_.symbol == symbol;
    }
    bool isKeyword(const char* keyword) const;
    void expectSymbol(char16_t symbol);
    QByteArray expectIdentifier();
    QByteArray readDottedName();
    StreamValue readValue();
    StreamValue readNumber(bool negative);
    std::vector<StreamProperty> readProperties(const char* until);
    void enter();

    QString text_;
    qsizetype position_ = 0;
    int line_ = 1;
    qsizetype lineStart_ = 0;
    Token token_;
    int depth_ = 0;
    QStringList objectPath_;
    QByteArray property_;
};

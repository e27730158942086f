#pragma once

#include "TraToken.h"

#include <QByteArray>
#include <vector>

// Splits a program's source into tokens. Every byte belongs to one class
// (word, number, special, quote, blank, comment or error), which decides the
// token that starts there. Lines count at CR, LF and CR LF alike; columns count
// bytes from 0 on each line, a tab being one column.
//
// A string or number that cannot be read becomes a malformed token and is also
// listed in syntaxErrors(); a byte of the error class ("#", "$", a double quote
// ...) becomes a ttUnknown token that the compiler rejects where it stands.
class TraParser {
public:
    bool skipComments = true;
    bool skipQuotes = true; // string tokens hold their decoded value

    void parse(const QByteArray& source);
    void clear();

    const std::vector<TraToken>& tokens() const { return tokens_; }
    // Indexes into tokens() of the malformed tokens.
    const std::vector<int>& syntaxErrors() const { return syntaxErrors_; }

private:
    enum class CharClass : quint8 { Word, Number, Special, Quote, Blank, Comment, Error };
    static CharClass classOf(unsigned char byte);

    int peek(qsizetype offset = 0) const;
    void readWord(TraToken& token);
    void readNumber(TraToken& token);
    void readString(TraToken& token);
    void readSpecial(TraToken& token);
    void readComment(TraToken& token);
    // Moves to the next line after a CR, an LF or a CR LF at pos_.
    void newLine();

    QByteArray source_;
    qsizetype pos_ = 0;
    int lineNo_ = 1;
    qsizetype lineStart_ = 0;
    std::vector<TraToken> tokens_;
    std::vector<int> syntaxErrors_;
};

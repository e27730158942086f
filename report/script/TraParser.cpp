#include "TraParser.h"

#include "TraReservedWords.h"
#include "TraTypeNames.h"

#include <charconv>
#include <string>

namespace {

bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

} // namespace

TraParser::CharClass TraParser::classOf(unsigned char byte) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte == '_' || byte >= 128)
        return CharClass::Word;
    if (isDigit(byte))
        return CharClass::Number;
    switch (byte) {
    case '(':
    case ')':
    case '*':
    case '+':
    case ',':
    case '-':
    case '.':
    case '/':
    case ':':
    case ';':
    case '<':
    case '=':
    case '>':
    case '[':
    case ']':
    case '^':
        return CharClass::Special;
    case '\'':
        return CharClass::Quote;
    case 9:
    case 10:
    case 13:
    case 32:
        return CharClass::Blank;
    case '{':
        return CharClass::Comment;
    default:
        return CharClass::Error;
    }
}

void TraParser::clear() {
    tokens_.clear();
    syntaxErrors_.clear();
}

int TraParser::peek(qsizetype offset) const {
    const qsizetype at = pos_ + offset;
    return at < source_.size() ? static_cast<unsigned char>(source_[at]) : -1;
}

void TraParser::newLine() {
    if (peek() == '\r' && peek(1) == '\n')
        ++pos_;
    ++pos_;
    ++lineNo_;
    lineStart_ = pos_;
}

void TraParser::parse(const QByteArray& source) {
    clear();
    source_ = source;
    pos_ = 0;
    lineNo_ = 1;
    lineStart_ = 0;
    while (pos_ < source_.size()) {
        const unsigned char byte = static_cast<unsigned char>(source_[pos_]);
        const CharClass cls = classOf(byte);
        if (cls == CharClass::Blank) {
            if (byte == '\r' || byte == '\n')
                newLine();
            else
                ++pos_;
            continue;
        }
        TraToken token;
        token.lineNo = lineNo_;
        token.charPos = int(pos_ - lineStart_);
        const qsizetype start = pos_;
        switch (cls) {
        case CharClass::Word:
            readWord(token);
            break;
        case CharClass::Number:
            readNumber(token);
            break;
        case CharClass::Special:
            readSpecial(token);
            break;
        case CharClass::Quote:
            readString(token);
            break;
        case CharClass::Comment:
            readComment(token);
            break;
        default:
            token.type = ttUnknown;
            token.text = source_.mid(pos_, 1);
            ++pos_;
            break;
        }
        if (token.type == ttComment && skipComments)
            continue;
        if (token.malformed) {
            token.type = ttError;
            token.text = source_.mid(start, pos_ - start);
            syntaxErrors_.push_back(int(tokens_.size()));
        }
        tokens_.push_back(std::move(token));
    }
}

void TraParser::readWord(TraToken& token) {
    const qsizetype start = pos_;
    while (pos_ < source_.size()) {
        const CharClass cls = classOf(static_cast<unsigned char>(source_[pos_]));
        if (cls != CharClass::Word && cls != CharClass::Number)
            break;
        ++pos_;
    }
    token.text = source_.mid(start, pos_ - start);
    const QByteArray lower = token.text.toLower();
    if (const std::optional<TraTokenType> reserved = TraReservedWords::find(lower)) {
        token.type = *reserved;
    } else if (const std::optional<TraTypeName> typeName = TraTypeNames::find(lower)) {
        token.type = ttType;
        token.dataType = typeName->dataType;
        token.enumType = typeName->enumType;
        token.classRef = typeName->classRef;
    } else {
        token.type = ttIdentifier;
    }
}

// An integer part, then optionally "." and a fraction, then optionally "E", a
// sign and an exponent. "E" counts only after a "." ("1e5" is 1 followed by the
// word "e5"), and ".." after digits is a range ("1..5").
void TraParser::readNumber(TraToken& token) {
    const qsizetype start = pos_;
    bool real = false;
    bool malformed = false;
    while (isDigit(peek()))
        ++pos_;
    if (peek() == '.' && peek(1) != '.') {
        real = true;
        ++pos_;
        while (isDigit(peek()))
            ++pos_;
        if (peek() == 'E' || peek() == 'e') {
            ++pos_;
            if (peek() == '+' || peek() == '-')
                ++pos_;
            const qsizetype digits = pos_;
            while (isDigit(peek()))
                ++pos_;
            malformed = pos_ == digits;
            // A further "E" in the exponent is no longer part of any number.
            if (peek() == 'E' || peek() == 'e') {
                ++pos_;
                malformed = true;
            }
        }
        // A second "." in the fraction or exponent ("1.2.3").
        if (peek() == '.' && peek(1) != '.') {
            ++pos_;
            while (isDigit(peek()) || peek() == '.')
                ++pos_;
            malformed = true;
        }
    }
    token.text = source_.mid(start, pos_ - start);
    token.type = ttNumber;
    if (malformed) {
        token.malformed = true;
        return;
    }
    const std::string text = token.text.toStdString();
    if (real) {
        token.dataType = daExtended;
        // from_chars, unlike strtold, ignores the C locale's decimal separator.
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), token.floatValue);
        token.malformed = error != std::errc() || end != text.data() + text.size();
    } else {
        token.dataType = daInteger;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), token.intValue);
        token.malformed = error != std::errc() || end != text.data() + text.size();
    }
}

void TraParser::readString(TraToken& token) {
    const qsizetype start = pos_;
    ++pos_; // the opening quote
    QByteArray value;
    for (;;) {
        const int c = peek();
        if (c < 0 || c == '\r' || c == '\n') {
            token.malformed = true;
            token.text = source_.mid(start, pos_ - start);
            return;
        }
        ++pos_;
        if (c != '\'') {
            value += char(c);
            continue;
        }
        if (peek() != '\'')
            break;
        ++pos_;
        value += skipQuotes ? QByteArray("'") : QByteArray("''");
    }
    // A string is closed by a quote followed by another byte; a source that ends right after the
    // quote is cut off, as a program text never ends inside its last statement.
    if (peek() < 0) {
        token.malformed = true;
        token.text = source_.mid(start, pos_ - start);
        return;
    }
    token.type = ttString;
    token.dataType = daString;
    token.text = skipQuotes ? value : source_.mid(start, pos_ - start);
}

void TraParser::readSpecial(TraToken& token) {
    const char first = source_[pos_];
    qsizetype length = 1;
    if ((first == ':' || first == '<' || first == '>' || first == '.') && pos_ + 1 < source_.size()) {
        const QByteArray pair = source_.mid(pos_, 2);
        if (TraReservedWords::find(pair))
            length = 2;
    }
    token.text = source_.mid(pos_, length);
    token.type = *TraReservedWords::find(token.text);
    pos_ += length;
}

// Up to and including the next "}", or to the end of the source.
void TraParser::readComment(TraToken& token) {
    const qsizetype start = pos_;
    while (pos_ < source_.size() && source_[pos_] != '}') {
        if (source_[pos_] == '\r' || source_[pos_] == '\n')
            newLine();
        else
            ++pos_;
    }
    if (pos_ < source_.size())
        ++pos_;
    token.type = ttComment;
    token.text = source_.mid(start, pos_ - start);
}

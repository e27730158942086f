#include "TextStreamReader.h"

#include "AnsiText.h"
#include "PagewrightErrors.h"
#include "StreamLimits.h"

#include <QStringDecoder>
#include <charconv>
#include <cmath>

namespace {

struct NestingScope {
    int& depth;
    ~NestingScope() { --depth; }
};

bool isLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isHexDigit(char16_t c) {
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

QString decodeText(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? decodeAnsi(bytes) : text;
}

// The whole text as a number of the type; none for trailing characters or
// a value out of the type's range.
template <class Number> std::optional<Number> parseNumber(const std::string& text) {
    Number value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Exact for the plain decimals the writer produces; other spellings go
// through an extended float and are rounded to the nearest ten-thousandth.
std::optional<qint64> parseCurrency(const std::string& text) {
    const bool negative = text.starts_with('-');
    const std::string digits = negative ? text.substr(1) : text;
    const size_t point = digits.find('.');
    const std::string whole = digits.substr(0, point);
    const std::string decimals = point == std::string::npos ? std::string() : digits.substr(point + 1);
    const auto allDigits = [](const std::string& s) { return std::all_of(s.begin(), s.end(), isDigit); };
    if (!whole.empty() && allDigits(whole) && allDigits(decimals) && decimals.size() <= 4) {
        quint64 units = 0;
        const std::string scaled = whole + decimals + std::string(4 - decimals.size(), '0');
        const auto [end, error] = std::from_chars(scaled.data(), scaled.data() + scaled.size(), units);
        const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                       : quint64(std::numeric_limits<qint64>::max());
        if (error != std::errc() || units > limit)
            return std::nullopt;
        return negative ? qint64(0 - units) : qint64(units);
    }
    const std::optional<long double> value = parseNumber<long double>(text);
    if (!value)
        return std::nullopt;
    const long double units = std::nearbyint(*value * 10000);
    if (!(units >= -0x1p63L && units < 0x1p63L))
        return std::nullopt;
    return qint64(units);
}

QString tooLong(const QByteArray& name) {
    return QStringLiteral("\"%1...\" is longer than %2 characters")
        .arg(QString::fromLatin1(name.left(20)))
        .arg(kMaxNameLength);
}

} // namespace

TextStreamReader::TextStreamReader(QByteArrayView text) : text_(decodeText(text)) {
    token_ = lex();
}

void TextStreamReader::fail(const QString& problem) const {
    failAt(token_, problem);
}

void TextStreamReader::failAt(const Token& token, const QString& problem) const {
    QString where = QStringLiteral("at line %1, column %2").arg(token.line).arg(token.column);
    QStringList path = objectPath_;
    if (!property_.isEmpty())
        path << QString::fromLatin1(property_);
    if (!path.isEmpty())
        where += QStringLiteral(", in ") + path.join(u'.');
    throw ETemplateLoadError(QStringLiteral("Invalid component text %1: %2").arg(where, problem));
}

// Lexing ------------------------------------------------------------------------

void TextStreamReader::skipBlanks() {
    while (position_ < text_.size()) {
        const char16_t c = text_[position_].unicode();
        if (c == u'\n') {
            ++line_;
            lineStart_ = position_ + 1;
        } else if (c != u' ' && c != u'\t' && c != u'\r') {
            return;
        }
        ++position_;
    }
}

TextStreamReader::Token TextStreamReader::lex() {
    skipBlanks();
    Token token;
    token.line = line_;
    token.column = int(position_ - lineStart_) + 1;
    if (position_ >= text_.size())
        return token;
    const char16_t c = text_[position_].unicode();
    if (isLetter(c)) {
        token.kind = TokenKind::Identifier;
        const qsizetype start = position_;
        while (position_ < text_.size() &&
               (isLetter(text_[position_].unicode()) || isDigit(text_[position_].unicode())))
            ++position_;
        token.text = text_.sliced(start, position_ - start);
    } else if (isDigit(c)) {
        lexNumber(token);
    } else if (c == u'\'' || c == u'#') {
        lexString(token);
    } else if (c == u'{') {
        lexBinary(token);
    } else {
        token.kind = TokenKind::Symbol;
        token.symbol = c;
        ++position_;
    }
    return token;
}

void TextStreamReader::lexNumber(Token& token) {
    token.kind = TokenKind::Number;
    const qsizetype start = position_;
    const auto digits = [&] {
        const qsizetype from = position_;
        while (position_ < text_.size() && isDigit(text_[position_].unicode()))
            ++position_;
        return position_ > from;
    };
    const auto at = [&](char16_t c) { return position_ < text_.size() && text_[position_].unicode() == c; };
    digits();
    if (at(u'.')) {
        ++position_;
        token.fraction = true;
        if (!digits())
            failAt(token, QStringLiteral("Invalid property value: a digit must follow the decimal point"));
    }
    if (at(u'e') || at(u'E')) {
        ++position_;
        token.fraction = true;
        if (at(u'+') || at(u'-'))
            ++position_;
        if (!digits())
            failAt(token, QStringLiteral("Invalid property value: the exponent has no digits"));
    }
    token.text = text_.sliced(start, position_ - start);
    if (position_ < text_.size()) {
        const char16_t suffix = QChar::toLower(text_[position_].unicode());
        if (suffix == u's' || suffix == u'c' || suffix == u'd') {
            token.suffix = suffix;
            ++position_;
        }
    }
    if (position_ < text_.size() &&
        (isLetter(text_[position_].unicode()) || isDigit(text_[position_].unicode())))
        failAt(token, QStringLiteral("Invalid property value"));
}

void TextStreamReader::lexString(Token& token) {
    token.kind = TokenKind::String;
    while (position_ < text_.size()) {
        const char16_t c = text_[position_].unicode();
        if (c == u'\'') {
            ++position_;
            while (true) {
                if (position_ >= text_.size() || text_[position_] == u'\n' || text_[position_] == u'\r')
                    failAt(token, QStringLiteral("Unterminated string"));
                if (text_[position_] == u'\'') {
                    // Two apostrophes inside a quoted run stand for one.
                    if (position_ + 1 < text_.size() && text_[position_ + 1] == u'\'') {
                        token.text += u'\'';
                        token.ansi += '\'';
                        position_ += 2;
                        continue;
                    }
                    ++position_;
                    break;
                }
                const QChar character = text_[position_++];
                token.text += character;
                if (const std::optional<char> byte = encodeAnsi(character)) {
                    token.ansi += *byte;
                    token.rawAnsi = token.rawAnsi || character.unicode() >= 0x80;
                } else {
                    token.ansiOnly = false;
                }
            }
        } else if (c == u'#') {
            ++position_;
            const bool hex = position_ < text_.size() && text_[position_] == u'$';
            if (hex)
                ++position_;
            const qsizetype start = position_;
            while (position_ < text_.size() &&
                   (hex ? isHexDigit(text_[position_].unicode()) : isDigit(text_[position_].unicode())))
                ++position_;
            bool ok = false;
            const uint code = text_.sliced(start, position_ - start).toUInt(&ok, hex ? 16 : 10);
            if (!ok || code > 0x10FFFF)
                failAt(token, QStringLiteral("Invalid property value: bad character code"));
            // Codes are UTF-16 units as the writer spells them, lone surrogates
            // included; a code past FFFFh becomes its surrogate pair.
            // Writers spell the characters of ANSI strings above 127 as
            // themselves; a code for one comes from a Unicode string.
            if (code < 0x80)
                token.ansi += char(code);
            else
                token.ansiOnly = false;
            if (code > 0xFFFF) {
                token.text += QChar(QChar::highSurrogate(code));
                token.text += QChar(QChar::lowSurrogate(code));
            } else {
                token.text += QChar(char16_t(code));
            }
        } else {
            return;
        }
    }
}

void TextStreamReader::lexBinary(Token& token) {
    token.kind = TokenKind::Binary;
    ++position_;
    QByteArray digits;
    while (true) {
        skipBlanks();
        if (position_ >= text_.size())
            failAt(token, QStringLiteral("Invalid property value: binary data without \"}\""));
        const QChar c = text_[position_++];
        if (c == u'}')
            break;
        if (!isHexDigit(c.unicode()))
            failAt(token, QStringLiteral("Invalid property value: \"%1\" in binary data").arg(c));
        digits += c.toLatin1();
    }
    if (digits.size() % 2)
        failAt(token, QStringLiteral("Invalid property value: binary data with an odd number of digits"));
    token.bytes = QByteArray::fromHex(digits);
}

TextStreamReader::Token TextStreamReader::next() {
    Token current = std::move(token_);
    token_ = lex();
    return current;
}

bool TextStreamReader::isKeyword(const char* keyword) const {
    return token_.kind == TokenKind::Identifier &&
           token_.text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

void TextStreamReader::expectSymbol(char16_t symbol) {
    if (!isSymbol(symbol))
        fail(QStringLiteral("\"%1\" expected").arg(QChar(symbol)));
    next();
}

QByteArray TextStreamReader::expectIdentifier() {
    if (token_.kind != TokenKind::Identifier)
        fail(QStringLiteral("Identifier expected"));
    // The binary form keeps names in a single length byte.
    if (token_.text.size() > kMaxNameLength)
        fail(tooLong(token_.text.toLatin1()));
    return next().text.toLatin1();
}

QByteArray TextStreamReader::readDottedName() {
    const Token first = peek();
    QByteArray name = expectIdentifier();
    while (isSymbol(u'.')) {
        next();
        name += '.' + expectIdentifier();
    }
    if (name.size() > kMaxNameLength)
        failAt(first, tooLong(name));
    return name;
}

void TextStreamReader::enter() {
    if (++depth_ > kMaxStreamNesting) {
        --depth_;
        fail(QStringLiteral("objects and lists nest deeper than %1 levels").arg(kMaxStreamNesting));
    }
}

// Parsing -----------------------------------------------------------------------

std::vector<StreamObject> TextStreamReader::readComponents() {
    std::vector<StreamObject> objects;
    while (peek().kind != TokenKind::End)
        objects.push_back(readObject());
    return objects;
}

StreamObject TextStreamReader::readObject() {
    enter();
    NestingScope scope{depth_};
    StreamObject object;
    object.place = QStringLiteral("at line %1").arg(peek().line);
    if (isKeyword("inherited"))
        object.flags = ofInherited;
    else if (isKeyword("inline"))
        object.flags = ofInline;
    else if (!isKeyword("object"))
        fail(QStringLiteral("\"object\" expected"));
    next();
    const Token header = peek();
    QByteArray first = expectIdentifier();
    if (isSymbol(u':')) {
        next();
        object.name = first;
        object.className = expectIdentifier();
    } else {
        object.className = first;
    }
    // A class name's length byte comes first in a binary object; from F0h
    // on it would read as the object's prefix.
    if (object.className.size() > kMaxClassNameLength)
        failAt(header,
               QStringLiteral("a class name may have at most %1 characters").arg(kMaxClassNameLength));
    if (isSymbol(u'[')) {
        next();
        const bool negative = isSymbol(u'-');
        if (negative)
            next();
        object.childPosition = readNumber(negative);
        if (!object.childPosition.isInteger())
            fail(QStringLiteral("the child position must be an integer"));
        object.flags |= ofChildPosition;
        expectSymbol(u']');
    }
    objectPath_ << QString::fromLatin1(object.name.isEmpty() ? object.className : object.name);
    object.properties = readProperties("end");
    while (!isKeyword("end")) {
        if (!isKeyword("object") && !isKeyword("inherited") && !isKeyword("inline"))
            fail(QStringLiteral("\"end\" expected"));
        object.children.push_back(readObject());
    }
    next();
    objectPath_.removeLast();
    return object;
}

std::vector<StreamProperty> TextStreamReader::readProperties(const char* until) {
    std::vector<StreamProperty> properties;
    const QByteArray outer = property_;
    while (!isKeyword(until) && !isKeyword("object") && !isKeyword("inherited") && !isKeyword("inline")) {
        if (peek().kind == TokenKind::End)
            fail(QStringLiteral("\"%1\" expected").arg(QLatin1String(until)));
        StreamProperty property;
        property.place = QStringLiteral("at line %1").arg(peek().line);
        property.name = readDottedName();
        property_ = outer.isEmpty() ? property.name : outer + '.' + property.name;
        expectSymbol(u'=');
        property.value = readValue();
        properties.push_back(std::move(property));
        property_ = outer;
    }
    return properties;
}

StreamValue TextStreamReader::readValue() {
    switch (peek().kind) {
    case TokenKind::Number:
        return readNumber(false);
    case TokenKind::String: {
        Token string = next();
        while (isSymbol(u'+')) {
            next();
            if (peek().kind != TokenKind::String)
                fail(QStringLiteral("Invalid property value: a string must follow \"+\""));
            const Token more = next();
            string.text += more.text;
            string.ansi += more.ansi;
            string.ansiOnly = string.ansiOnly && more.ansiOnly;
            string.rawAnsi = string.rawAnsi || more.rawAnsi;
        }
        if (string.ansiOnly && string.rawAnsi)
            return StreamValue::fromAnsi(string.ansi);
        return StreamValue::fromString(string.text);
    }
    case TokenKind::Binary:
        return StreamValue::fromBinary(next().bytes);
    case TokenKind::Identifier:
        return StreamValue::fromIdent(readDottedName());
    case TokenKind::Symbol:
        break;
    case TokenKind::End:
        fail(QStringLiteral("Invalid property value"));
    }
    const Token opening = next();
    const char16_t symbol = opening.symbol;
    if (symbol == u'-' || symbol == u'+') {
        if (peek().kind != TokenKind::Number)
            failAt(opening, QStringLiteral("Invalid property value"));
        return readNumber(symbol == u'-');
    }
    if (symbol == u'[') {
        QList<QByteArray> elements;
        while (!isSymbol(u']')) {
            if (!elements.isEmpty())
                expectSymbol(u',');
            elements << expectIdentifier();
        }
        next();
        return StreamValue::fromSet(elements);
    }
    if (symbol == u'(') {
        enter();
        NestingScope scope{depth_};
        StreamValue list = StreamValue::withTag(ValueTag::List);
        while (!isSymbol(u')')) {
            const Token at = peek();
            StreamValue item = readValue();
            // The binary form ends a list with the byte that is also Null's tag.
            if (item.tag == ValueTag::Null)
                failAt(at, QStringLiteral("Invalid property value: Null cannot stand in a list"));
            list.items.push_back(std::move(item));
        }
        next();
        return list;
    }
    if (symbol == u'<') {
        enter();
        NestingScope scope{depth_};
        StreamValue collection = StreamValue::withTag(ValueTag::Collection);
        while (!isSymbol(u'>')) {
            if (!isKeyword("item"))
                fail(QStringLiteral("\"item\" expected"));
            next();
            StreamCollectionItem item;
            if (isSymbol(u'[')) {
                next();
                const bool negative = isSymbol(u'-');
                if (negative)
                    next();
                item.index = readNumber(negative);
                if (!item.index->isInteger())
                    fail(QStringLiteral("Invalid property value: an item index must be an integer"));
                expectSymbol(u']');
            }
            item.properties = readProperties("end");
            if (!isKeyword("end"))
                fail(QStringLiteral("\"end\" expected"));
            next();
            collection.collection.push_back(std::move(item));
        }
        next();
        return collection;
    }
    failAt(opening, QStringLiteral("Invalid property value"));
}

StreamValue TextStreamReader::readNumber(bool negative) {
    if (peek().kind != TokenKind::Number)
        fail(QStringLiteral("Invalid property value"));
    const Token token = next();
    const std::string text = (negative ? "-" : "") + token.text.toStdString();
    std::optional<StreamValue> value;
    switch (token.suffix) {
    case u's':
        if (const std::optional<float> number = parseNumber<float>(text))
            value = StreamValue::fromSingle(*number);
        break;
    case u'd':
        if (const std::optional<double> number = parseNumber<double>(text))
            value = StreamValue::fromDate(*number);
        break;
    case u'c':
        if (const std::optional<qint64> number = parseCurrency(text))
            value = StreamValue::fromCurrency(*number);
        break;
    default:
        if (token.fraction) {
            if (const std::optional<Extended80> number = Extended80::fromText(text))
                value = StreamValue::fromExtended(*number);
        } else if (const std::optional<qint64> number = parseNumber<qint64>(text)) {
            value = StreamValue::fromInteger(*number);
        }
    }
    if (!value)
        failAt(
            token,
            QStringLiteral("Invalid property value: %1 is out of range").arg(QString::fromStdString(text)));
    return *value;
}

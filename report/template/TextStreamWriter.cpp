#include "TextStreamWriter.h"

#include "PagewrightErrors.h"

#include <charconv>

namespace {

constexpr int kCharactersPerLine = 64;
constexpr int kBytesPerLine = 32;

// The bytes of ANSI strings from 127 on stand in quoted runs as themselves,
// as the code page has them; Unicode strings spell those as codes.
bool isPrintable(char16_t c, bool ansi) {
    return c >= 32 && (c < 127 || (ansi && c <= 0xFF)) && c != u'\'';
}

template <class Float> std::optional<QByteArray> shortestText(Float value) {
    if (!std::isfinite(value))
        return std::nullopt;
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QByteArray(buffer, end - buffer);
}

QByteArray currencyText(qint64 tenThousandths) {
    // Exact: the integer part and up to four decimals, without trailing zeros.
    const bool negative = tenThousandths < 0;
    const quint64 magnitude = negative ? 0 - quint64(tenThousandths) : quint64(tenThousandths);
    QByteArray text = QByteArray::number(magnitude / 10000);
    if (const quint64 fraction = magnitude % 10000) {
        QByteArray decimals = QByteArray::number(fraction).rightJustified(4, '0');
        while (decimals.endsWith('0'))
            decimals.chop(1);
        text += '.' + decimals;
    }
    return negative ? '-' + text : text;
}

} // namespace

void TextStreamWriter::fail(const QString& problem) const {
    throw ETemplateLoadError(
        QStringLiteral("Cannot write %1 in the text form: %2").arg(QString::fromLatin1(property_), problem));
}

void TextStreamWriter::newLine(int level) {
    out_.append("\r\n");
    out_.append(QByteArray(2 * level, ' '));
}

void TextStreamWriter::writeObject(const StreamObject& object, int level) {
    out_.append(QByteArray(2 * level, ' '));
    out_.append(object.flags & ofInline ? "inline " : object.flags & ofInherited ? "inherited " : "object ");
    if (!object.name.isEmpty())
        out_.append(object.name + ": ");
    out_.append(object.className);
    if (object.flags & ofChildPosition)
        out_.append(" [" + QByteArray::number(object.childPosition.integer) + ']');
    out_.append("\r\n");
    writeProperties(object.properties, level + 1);
    for (const StreamObject& child : object.children)
        writeObject(child, level + 1);
    out_.append(QByteArray(2 * level, ' ') + "end\r\n");
}

void TextStreamWriter::writeProperties(const std::vector<StreamProperty>& properties, int level) {
    for (const StreamProperty& property : properties) {
        property_ = property.name;
        out_.append(QByteArray(2 * level, ' ') + property.name + " =");
        // Values that open a block (long strings, lists, binary data) start
        // their own lines; the others follow the blank.
        if (!(property.value.isString() && property.value.toString().size() > kCharactersPerLine))
            out_.append(' ');
        writeValue(property.value, level);
        out_.append("\r\n");
    }
}

void TextStreamWriter::writeValue(const StreamValue& value, int level) {
    switch (value.tag) {
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32:
    case ValueTag::Int64:
        out_.append(QByteArray::number(value.integer));
        break;
    case ValueTag::Extended: {
        const std::optional<QByteArray> text = value.extended.toText();
        if (!text)
            fail(QStringLiteral("an extended float that is not a finite number"));
        out_.append(*text);
        break;
    }
    case ValueTag::Single: {
        const std::optional<QByteArray> text = shortestText(value.single());
        if (!text)
            fail(QStringLiteral("a single float that is not a finite number"));
        out_.append(*text + 's');
        break;
    }
    case ValueTag::Currency:
        out_.append(currencyText(value.integer) + 'c');
        break;
    case ValueTag::Date: {
        const std::optional<QByteArray> text = shortestText(value.number);
        if (!text)
            fail(QStringLiteral("a date that is not a finite number"));
        out_.append(*text + 'd');
        break;
    }
    case ValueTag::String:
    case ValueTag::LongString:
        // Each byte as the character of that code, written back as the byte.
        writeString(QString::fromLatin1(value.bytes), level, true);
        break;
    case ValueTag::WideString:
    case ValueTag::Utf8String:
        writeString(value.toString(), level, false);
        break;
    case ValueTag::Ident:
        out_.append(value.bytes);
        break;
    case ValueTag::Null:
        out_.append("Null");
        break;
    case ValueTag::False:
        out_.append("False");
        break;
    case ValueTag::True:
        out_.append("True");
        break;
    case ValueTag::Nil:
        out_.append("nil");
        break;
    case ValueTag::Set:
        out_.append('[' + value.elements.join(", ") + ']');
        break;
    case ValueTag::Binary:
        writeBinary(value.bytes, level);
        break;
    case ValueTag::List:
        out_.append('(');
        for (const StreamValue& item : value.items) {
            if (item.tag == ValueTag::Null)
                fail(QStringLiteral("Null inside a list"));
            newLine(level + 1);
            writeValue(item, level + 1);
        }
        out_.append(')');
        break;
    case ValueTag::Collection:
        out_.append('<');
        for (const StreamCollectionItem& item : value.collection) {
            newLine(level + 1);
            out_.append("item");
            if (item.index)
                out_.append(" [" + QByteArray::number(item.index->integer) + ']');
            out_.append("\r\n");
            const QByteArray outer = property_;
            writeProperties(item.properties, level + 2);
            property_ = outer;
            out_.append(QByteArray(2 * (level + 1), ' ') + "end");
        }
        out_.append('>');
        break;
    }
}

void TextStreamWriter::writeString(const QString& text, int level, bool ansi) {
    if (text.isEmpty()) {
        out_.append("''");
        return;
    }
    const int deeper = level + 1;
    const qsizetype length = text.size();
    if (length > kCharactersPerLine)
        newLine(deeper);
    int onLine = 0;
    qsizetype i = 0;
    while (i < length) {
        if (isPrintable(text[i].unicode(), ansi)) {
            out_.append('\'');
            while (i < length && isPrintable(text[i].unicode(), ansi) && onLine < kCharactersPerLine) {
                out_.append(char(text[i].unicode()));
                ++i;
                ++onLine;
            }
            out_.append('\'');
        } else {
            // A surrogate pair stays on one line.
            const int units =
                text[i].isHighSurrogate() && i + 1 < length && text[i + 1].isLowSurrogate() ? 2 : 1;
            for (int unit = 0; unit < units; ++unit)
                out_.append('#' + QByteArray::number(text[i + unit].unicode()));
            i += units;
            onLine += units;
        }
        if (onLine >= kCharactersPerLine && i < length) {
            out_.append(" +");
            newLine(deeper);
            onLine = 0;
        }
    }
}

void TextStreamWriter::writeBinary(const QByteArray& data, int level) {
    out_.append('{');
    const bool multiLine = data.size() >= kBytesPerLine;
    for (qsizetype start = 0; start < data.size(); start += kBytesPerLine) {
        if (multiLine)
            newLine(level + 1);
        out_.append(data.mid(start, kBytesPerLine).toHex().toUpper());
    }
    out_.append('}');
}

#include "AnsiText.h"

namespace {

// Code page 1252 differs from Latin-1 only in 80h-9Fh; the five codes it
// leaves unassigned keep their Latin-1 meaning.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

} // namespace

QString decodeAnsi(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte));
    }
    return text;
}

std::optional<char> encodeAnsi(QChar c) {
    const char16_t code = c.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return char(code);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == code)
            return char(0x80 + i);
    return std::nullopt;
}

bool isAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

bool isStreamIdentifier(QByteArrayView name) {
    if (name.isEmpty() || !isLetter(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [](char c) { return isLetter(c) || (c >= '0' && c <= '9'); });
}

bool isDottedIdentifier(QByteArrayView name) {
    qsizetype start = 0;
    while (true) {
        const qsizetype dot = name.indexOf('.', start);
        if (!isStreamIdentifier(name.sliced(start, (dot < 0 ? name.size() : dot) - start)))
            return false;
        if (dot < 0)
            return true;
        start = dot + 1;
    }
}

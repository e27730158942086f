#include "IniFile.h"

#include <QFile>

namespace {

QByteArray trimBlanks(const QByteArray& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    while (end > start && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.mid(start, end - start);
}

QByteArray unquote(const QByteArray& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

IniFile IniFile::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

IniFile IniFile::parse(const QByteArray& bytes) {
    IniFile ini;
    QByteArray section;
    qsizetype lineStart = 0;
    while (lineStart < bytes.size()) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < bytes.size() && bytes[lineEnd] != '\n' && bytes[lineEnd] != '\r')
            ++lineEnd;
        const QByteArray line = trimBlanks(bytes.mid(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            section = trimBlanks(line.mid(1, (close < 0 ? line.size() : close) - 1));
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        ini.entries_.append(
            {section, trimBlanks(line.left(equals)), unquote(trimBlanks(line.mid(equals + 1)))});
    }
    return ini;
}

QByteArray IniFile::value(const QByteArray& section, const QByteArray& key) const {
    for (const Entry& entry : entries_)
        if (entry.section.compare(section, Qt::CaseInsensitive) == 0 &&
            entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.value;
    return {};
}

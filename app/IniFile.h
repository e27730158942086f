#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// An ini file read byte for byte. Values come back as the bytes that stand in
// the file (blanks around them and one pair of enclosing quotes removed), so
// values stored complemented survive; QSettings would re-encode them.
// Section and key names match without regard to case; the first of two equal
// keys wins; lines starting with ";" are comments.
class IniFile {
public:
    // A missing or unreadable file reads as an empty one.
    static IniFile load(const QString& path);
    static IniFile parse(const QByteArray& bytes);

    // The value, or an empty one when the section or key is missing.
    QByteArray value(const QByteArray& section, const QByteArray& key) const;

private:
    struct Entry {
        QByteArray section;
        QByteArray key;
        QByteArray value;
    };
    QList<Entry> entries_;
};

#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// Templates from older programs store short texts as single bytes in the
// Western Windows code page; this is the one code page they are read in.
QString decodeAnsi(QByteArrayView bytes);
// The code page's byte for a character; none for characters it lacks.
std::optional<char> encodeAnsi(QChar c);

bool isAscii(QStringView text);

// Names in streams (classes, objects, properties, enumeration values):
// a letter or underscore, then letters, digits and underscores.
bool isStreamIdentifier(QByteArrayView name);
// Identifiers joined by points: "Font.Name", "Form2.Table1".
bool isDottedIdentifier(QByteArrayView name);

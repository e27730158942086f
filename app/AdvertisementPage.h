#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The advertisement page: its text, as a browser shows the page's body, is
// one advertisement per line up to a line "##AdsEnd##", which must be among
// the first 100 lines. A line reads headline|description|target{link text};
// whatever follows "}" is ignored.

struct Advertisement {
    QString headline;
    QString description;
    QString target;
    QString linkText;

    friend bool operator==(const Advertisement&, const Advertisement&) = default;
};

// The visible text of a fetched page, trimmed, line by line: an HTML page as
// a browser shows its body (htmlVisibleText), a plain-text page as it
// stands. The charset comes from `contentType`, else from the page.
QStringList pageTextLines(const QByteArray& body, const QByteArray& contentType);

// The advertisement lines: those before the end marker when it is among the
// first 100 lines, else none.
QStringList advertisementLines(const QStringList& pageLines);

// A line split at its separators, in order; nothing when one is missing.
std::optional<Advertisement> parseAdvertisement(const QString& line);

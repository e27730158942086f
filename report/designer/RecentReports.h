#pragma once

#include <QString>
#include <QStringList>

// The reports opened or saved lately, newest first, at most Max of them.
// An entry is a list of texts: the display name, then what identifies the
// template's storage (its file name, or its database settings).
//
// Stored, each entry is one line of comma-separated texts. A text holding a
// comma or a double quote is quoted, its quotes doubled, so that a Linux
// path such as "/home/a,b/x.rtm" comes back whole; unquoted lines written
// before read as they always did.
class RecentReports {
public:
    explicit RecentReports(int max = 5) : max_(max < 0 ? 0 : max) {}

    int max() const { return max_; }
    void setMax(int max);
    const QList<QStringList>& entries() const { return entries_; }

    // The entry moves to the top (an equal entry elsewhere goes first).
    void touch(const QStringList& entry);
    void remove(const QStringList& entry);

    // "&1 Amortization", "&2 …": the File menu's captions.
    QStringList captions() const;

    static QString encode(const QStringList& entry);
    static QStringList decode(const QString& line);

    // From and to stored lines ("R0", "R1", … in order); empty lines skipped.
    void setLines(const QStringList& lines);
    QStringList lines() const;

private:
    int max_;
    QList<QStringList> entries_;
};

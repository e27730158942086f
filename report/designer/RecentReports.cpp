#include "RecentReports.h"

void RecentReports::setMax(int max) {
    max_ = max < 0 ? 0 : max;
    while (entries_.size() > max_)
        entries_.removeLast();
}

void RecentReports::touch(const QStringList& entry) {
    if (entry.isEmpty())
        return;
    entries_.removeAll(entry);
    entries_.prepend(entry);
    while (entries_.size() > max_)
        entries_.removeLast();
}

void RecentReports::remove(const QStringList& entry) {
    entries_.removeAll(entry);
}

QStringList RecentReports::captions() const {
    QStringList captions;
    for (int index = 0; index < entries_.size(); ++index)
        captions << QStringLiteral("&%1 %2").arg(index + 1).arg(entries_.at(index).value(0));
    return captions;
}

QString RecentReports::encode(const QStringList& entry) {
    QStringList fields;
    for (QString field : entry) {
        if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'))) {
            field.replace(QLatin1String("\""), QLatin1String("\"\""));
            field = QLatin1Char('"') + field + QLatin1Char('"');
        }
        fields << field;
    }
    return fields.join(QLatin1Char(','));
}

QStringList RecentReports::decode(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype index = 0; index < line.size(); ++index) {
        const QChar c = line.at(index);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (index + 1 < line.size() && line.at(index + 1) == QLatin1Char('"')) {
                    field += c;
                    ++index;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

void RecentReports::setLines(const QStringList& lines) {
    entries_.clear();
    for (const QString& line : lines)
        if (!line.isEmpty() && entries_.size() < max_) {
            const QStringList entry = decode(line);
            if (!entries_.contains(entry))
                entries_ << entry;
        }
}

QStringList RecentReports::lines() const {
    QStringList lines;
    for (const QStringList& entry : entries_)
        lines << encode(entry);
    return lines;
}

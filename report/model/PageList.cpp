#include "PageList.h"

#include <QSet>

namespace {

class PageListBuilder {
public:
    bool add(qint64 page) {
        if (page > kMaxPageNumber)
            return false;
        if (!pages_.contains(int(page))) {
            if (pages_.size() >= kMaxPageListEntries)
                return false;
            pages_.insert(int(page));
        }
        return true;
    }
    bool addRange(qint64 from, qint64 to) {
        if (to - from >= kMaxPageListEntries)
            return false;
        for (qint64 page = from; page <= to; ++page)
            if (!add(page))
                return false;
        return true;
    }
    QStringList entries(bool trim) const {
        QStringList list;
        for (int page : pages_)
            list.append(trim ? QString::number(page) : QStringLiteral("%1").arg(page, 8));
        std::sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
            return a.size() != b.size() ? a.size() < b.size() : a < b;
        });
        return list;
    }

private:
    QSet<int> pages_;
};

} // namespace

bool ParsePageList(const QString& text, QStringList& list, bool trim) {
    list.clear();
    PageListBuilder pages;
    qint64 number = -1; // the digits read so far, -1 outside a number
    qint64 rangeStart = -1;
    bool rangeOpen = false;
    bool afterNumber = false;

    const auto endNumber = [&]() {
        if (number < 0)
            return true;
        const qint64 page = number;
        number = -1;
        afterNumber = true;
        if (!pages.add(page))
            return false;
        if (rangeOpen) {
            const bool ok = page - 1 < rangeStart || pages.addRange(rangeStart, page - 1);
            rangeOpen = false;
            rangeStart = -1;
            return ok;
        }
        rangeStart = page + 1;
        return true;
    };

    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            // Numbers are cut off as soon as they pass the largest page, so a
            // 30-digit run can neither overflow nor be accepted.
            number = std::max<qint64>(number, 0) * 10 + (c.unicode() - u'0');
            if (number > kMaxPageNumber)
                return false;
            continue;
        }
        if (!endNumber())
            return false;
        if (c == u'-' && afterNumber && rangeStart >= 0)
            rangeOpen = true;
        afterNumber = false;
    }
    if (!endNumber())
        return false;
    list = pages.entries(trim);
    return true;
}

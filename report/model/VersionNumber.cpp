#include "VersionNumber.h"

#include "PagewrightErrors.h"

int VersionNumber(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if (kept.size() == 20 || !(c.isDigit() || c == u'.'))
            break;
        kept += c;
    }
    const qsizetype point = kept.indexOf(u'.');
    if (point >= 0)
        kept.remove(point, 1);
    while (kept.size() < 4)
        kept += u'0';
    bool ok = false;
    const int number = kept.toInt(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'%1' is not a valid version number").arg(text));
    return number;
}

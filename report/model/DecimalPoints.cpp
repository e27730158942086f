#include "DecimalPoints.h"

void LocaliseDecimalPoints(QStringList& lines, QChar decimalSeparator) {
    for (QString& line : lines) {
        const qsizetype point = line.indexOf(u'.');
        if (point >= 0)
            line[point] = decimalSeparator;
    }
}

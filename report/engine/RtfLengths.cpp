#include "RtfLengths.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextDocument>

// The resolution Qt's text layout scales block format lengths from. It is
// exported by QtGui but declared in no public header.
Q_GUI_EXPORT int qt_defaultDpiY();

qreal formatLengthsPerTwip(const QTextDocument& document) {
    const QPaintDevice* device = document.documentLayout()->paintDevice();
    if (!device || device->logicalDpiY() <= 0)
        return 1;
    return qreal(qt_defaultDpiY()) / device->logicalDpiY();
}

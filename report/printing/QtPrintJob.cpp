#include "QtPrintJob.h"

#include <QPageSize>
#include <QPrinterInfo>
#include <algorithm>

QtPrintJob::QtPrintJob(const QPrinterInfo& printer, const PrintJobRequest& request)
    : printer_(printer, QPrinter::HighResolution) {
    const PrinterJobSettings& settings = request.settings;
    printer_.setDocName(settings.documentName);
    if (!settings.outputFileName.isEmpty())
        printer_.setOutputFileName(settings.outputFileName);
    printer_.setPageSize(QPageSize(request.paperMillimetres, QPageSize::Millimeter));
    printer_.setPageOrientation(request.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    // Report pages carry their own margins; the paper is used edge to edge.
    printer_.setFullPage(true);
    printer_.setCopyCount(settings.copies);
    printer_.setCollateCopies(settings.collate);
    static const QPrinter::DuplexMode duplex[] = {QPrinter::DuplexNone, QPrinter::DuplexLongSide,
                                                  QPrinter::DuplexShortSide};
    printer_.setDuplex(duplex[std::clamp(settings.duplex - 1, 0, 2)]);
}

QtPrintJob::~QtPrintJob() {
    if (painter_.isActive())
        painter_.end();
}

QPainter* QtPrintJob::newPage(const PrintJobRequest& page) {
    if (pages_ > 0) {
        // Takes effect for the page started next.
        printer_.setPageSize(QPageSize(page.paperMillimetres, QPageSize::Millimeter));
        printer_.setPageOrientation(page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
    const bool started = pages_ == 0 ? painter_.begin(&printer_) : printer_.newPage();
    if (!started)
        return nullptr;
    ++pages_;
    return &painter_;
}

void QtPrintJob::finish() {
    if (painter_.isActive())
        painter_.end();
}

void QtPrintJob::abort() {
    if (!painter_.isActive())
        return;
    printer_.abort();
    painter_.end();
}

QMargins QtPrintJob::unprintableMargins() const {
    const QRect paper = printer_.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer_.pageRect(QPrinter::DevicePixel).toRect();
    return {page.left() - paper.left(), page.top() - paper.top(), paper.right() - page.right(),
            paper.bottom() - page.bottom()};
}

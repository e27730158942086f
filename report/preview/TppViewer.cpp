#include "TppViewer.h"

#include "PagewrightErrors.h"
#include "TppDrawCommand.h"
#include "TppProducer.h"
#include "TppPublisher.h"
#include "TppScreenDevice.h"
#include "ViewerPaintBox.h"

#include <QCoreApplication>
#include <QCursor>
#include <QPalette>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QtDebug>

TppViewer::TppViewer(QWidget* parent)
    : QWidget(parent), pageColor_(palette().color(QPalette::Base)),
      device_(std::make_unique<TppScreenDevice>()) {
    resize(320, 120);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
    ProcessMessages = [] { QCoreApplication::processEvents(); };

    scrollBox_ = new QScrollArea(this);
    scrollBox_->setFrameShape(QFrame::NoFrame);
    // Keys belong to the preview around the viewer: its own page and scroll
    // keys, not the scroll box's single steps.
    scrollBox_->setFocusPolicy(Qt::NoFocus);
    scrollBox_->setBackgroundRole(QPalette::Dark);
    scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    paintBox_ = new ViewerPaintBox(*this);
    scrollBox_->setWidget(paintBox_);
    scrollBox_->setGeometry(rect());

    device_->SetViewer(this);
    device_->OnJobStarted = [this](TppDevice*) {
        printStateKnown_ = true;
        if (OnPrintStateChange)
            OnPrintStateChange();
    };
    const auto jobOver = [this](TppDevice*) {
        if (OnPrintStateChange)
            OnPrintStateChange();
    };
    device_->OnJobEnded = jobOver;
    device_->OnJobCancelled = jobOver;
}

TppViewer::~TppViewer() {
    SetReport(nullptr);
    device_->SetViewer(nullptr);
}

void TppViewer::SetReport(TppProducer* report) {
    if (report_ == report)
        return;
    if (report_) {
        device_->SetPublisher(nullptr);
        report_->UnlinkFrom(device_.get());
    }
    report_ = report;
    if (report_) {
        device_->SetPublisher(&report_->Publisher());
        report_->LinkTo(device_.get());
        device_->CurrentPage().SetPrinterSetup(report_->PrinterSetup());
    }
}

void TppViewer::ReportGone() {
    report_ = nullptr;
    printStateKnown_ = false;
}

void TppViewer::SetZoomSetting(TppZoomSettingType value) {
    zoomSetting_ = value;
    if (isVisible())
        redrawAtZoom();
    else
        update();
}

void TppViewer::SetZoomPercentage(int value) {
    zoomPercentage_ = std::min(value, 250);
    SetZoomSetting(zsPercentage);
}

void TppViewer::SetPageColor(const QColor& color) {
    pageColor_ = color;
    device_->RedrawPage();
    paintBox_->update();
}

void TppViewer::redrawAtZoom() {
    paintBox_->hide();
    device_->RedrawPage();
    updateScrollRanges();
    scrollBox_->horizontalScrollBar()->setValue(0);
    scrollBox_->verticalScrollBar()->setValue(0);
    paintBox_->show();
}

QWidget* TppViewer::PaintBox() const {
    return paintBox_;
}

const TppPage& TppViewer::CurrentPage() const {
    return device_->CurrentPage();
}

int TppViewer::AbsolutePageNo() const {
    return device_->CurrentPage().AbsolutePageNo;
}

int TppViewer::ZoomPercent() const {
    return device_->ZoomPercent();
}

QString TppViewer::Status() const {
    return device_->StatusText();
}

bool TppViewer::Busy() const {
    return device_->InJob();
}

bool TppViewer::canTurnPages() const {
    return device_->Publisher() && !device_->InJob() && !device_->JobCancelled();
}

void TppViewer::requestPages() {
    // The device ends its job only once its page has come. A cancelled or
    // failed request brings no page, and would leave the viewer in a job
    // for good: every later page turn ignored, the window never freed.
    struct EndJob {
        TppViewer& viewer;
        ~EndJob() {
            TppPublisher* publisher = viewer.device_->Publisher();
            if (!viewer.device_->InJob() || !publisher)
                return;
            if (viewer.report_ && viewer.report_->CancelPending())
                publisher->AbortJob();
            else
                publisher->FinishJob();
        }
    } endJob{*this};
    device_->RequestPages();
}

void TppViewer::requestPage(TppPageSettingType setting, int pageNo) {
    device_->DeviceRequest().PageSetting = setting;
    device_->DeviceRequest().PageRequested = pageNo;
    requestPages();
}

void TppViewer::ShowFirstPage() {
    if (canTurnPages() && AbsolutePageNo() != 1)
        requestPage(psFirstPage, 1);
}

void TppViewer::ShowLastPage() {
    if (canTurnPages() && !CurrentPage().LastPage)
        requestPage(psLastPage, AbsolutePageNo());
}

void TppViewer::ShowNextPage() {
    if (canTurnPages() && !CurrentPage().LastPage)
        requestPage(psSinglePage, AbsolutePageNo() + 1);
}

void TppViewer::ShowPriorPage() {
    if (canTurnPages() && AbsolutePageNo() > 1)
        requestPage(psSinglePage, AbsolutePageNo() - 1);
}

void TppViewer::ShowPage(int pageNo) {
    if (canTurnPages() && pageNo != AbsolutePageNo())
        requestPage(psSinglePage, pageNo);
}

void TppViewer::Regenerate() {
    if (device_->InJob() || !report_)
        return;
    report_->Publisher().Reset();
    device_->ResetDevice();
    if (OnReset)
        OnReset();
    requestPages();
}

void TppViewer::AutoSearch() {
    if (device_->InJob() || !report_)
        return;
    if (report_->RunAutoSearch && report_->RunAutoSearch())
        Regenerate();
}

void TppViewer::PrintReport() {
    if (!report_ || device_->InJob())
        return;
    TppProducer* report = report_;
    // The report's job runs to its end inside Print, so what it changes for
    // this one call is put back when Print returns.
    struct Restore {
        TppViewer& viewer;
        TppProducer& report;
        QString deviceType = report.DeviceType();
        bool autoSearch = report.ShowAutoSearchDialog();
        TppPrinterSetup setup{nullptr};
        ~Restore() {
            report.SetDeviceType(deviceType);
            report.SetShowAutoSearchDialog(autoSearch);
            viewer.device_->SetPublisher(&report.Publisher());
            if (!report.PrinterSetup().SameSettings(setup) || !report.PrinterSetup().SameLayout(setup)) {
                viewer.device_->CurrentPage().SetPrinterSetup(report.PrinterSetup());
                try {
                    viewer.requestPage(psSinglePage, std::max(1, viewer.AbsolutePageNo()));
                } catch (...) {
                    // The page comes again with the next request; the print
                    // job's own outcome is what the caller hears of.
                }
            }
        }
    } restore{*this, *report};
    restore.setup.Assign(report->PrinterSetup());
    device_->SetPublisher(nullptr);
    report->CurrentPage = std::max(1, AbsolutePageNo());
    report->SetShowAutoSearchDialog(false);
    report->SetDeviceType(QStringLiteral("Printer"));
    report->Print();
}

void TppViewer::ScrollView(ScrollDirection direction) {
    QScrollBar* vertical = scrollBox_->verticalScrollBar();
    QScrollBar* horizontal = scrollBox_->horizontalScrollBar();
    switch (direction) {
    case ScrollDirection::Up:
        vertical->setValue(vertical->value() - scrollBox_->height());
        break;
    case ScrollDirection::Down:
        vertical->setValue(vertical->value() + scrollBox_->height());
        break;
    case ScrollDirection::Left:
        horizontal->setValue(horizontal->value() - scrollBox_->width());
        break;
    case ScrollDirection::Right:
        horizontal->setValue(horizontal->value() + scrollBox_->width());
        break;
    }
}

QSize TppViewer::VisibleArea() const {
    return scrollBox_->size();
}

qreal TppViewer::DevicePixelRatio() const {
    return paintBox_->devicePixelRatioF();
}

void TppViewer::updateScrollRanges() {
    const QSize bitmap = device_->BitmapSize();
    const QSize area = scrollBox_->size();
    // A bar shows only when the bitmap is larger than the whole scroll box;
    // the page-width zoom has already left room for the vertical one.
    scrollBox_->setHorizontalScrollBarPolicy(bitmap.width() > area.width() ? Qt::ScrollBarAlwaysOn
                                                                           : Qt::ScrollBarAlwaysOff);
    scrollBox_->setVerticalScrollBarPolicy(bitmap.height() > area.height() ? Qt::ScrollBarAlwaysOn
                                                                           : Qt::ScrollBarAlwaysOff);
    paintBox_->resize(bitmap.expandedTo(scrollBox_->viewport()->size()));
}

void TppViewer::StatusChanged() {
    if (OnStatusChange)
        OnStatusChange();
}

void TppViewer::PageShown() {
    updateScrollRanges();
    paintBox_->repaint();
    if (OnPageChange)
        OnPageChange();
}

void TppViewer::BitmapReset() {
    printStateKnown_ = false;
    updateScrollRanges();
    paintBox_->update();
}

void TppViewer::CopyToScreen(const QRect& box) {
    paintBox_->repaint(box);
}

void TppViewer::ProcessPendingMessages() {
    if (ProcessMessages)
        ProcessMessages();
}

void TppViewer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ++suspendCount_;
    scrollBox_->setGeometry(rect());
    device_->RedrawPage();
    updateScrollRanges();
    if (OnPageChange)
        OnPageChange();
    paintBox_->update();
    --suspendCount_;
}

bool TppViewer::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // Moved to a screen of another ratio: the page is drawn again for it, at
    // the same logical size, so nothing scrolls.
    if (event->type() == QEvent::ScreenChangeInternal &&
        !qFuzzyCompare(device_->PageBitmap().devicePixelRatio(), DevicePixelRatio())) {
        device_->RedrawPage();
        paintBox_->update();
    }
    return handled;
}

void TppViewer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A zoom chosen while hidden was only noted; the page takes it now.
    device_->RedrawPage();
    updateScrollRanges();
}

TppDrawCommand* TppViewer::clickableCommandAt(const QPoint& point) const {
    for (TppDrawCommand* command : device_->CurrentPage().ClickableCommands())
        if (command->Clickable() && point.x() >= command->DeviceLeft && point.x() <= command->DeviceRight &&
            point.y() >= command->DeviceTop && point.y() <= command->DeviceBottom)
            return command;
    return nullptr;
}

void TppViewer::mouseMovedOnPage(const QPoint& point) {
    if (clickableCommandAt(point))
        paintBox_->setCursor(Qt::PointingHandCursor);
    else
        paintBox_->setCursor(cursor());
}

void TppViewer::clickedOnPage(const QPoint& point) {
    const auto report = [this](const QString& message) {
        if (OnError)
            OnError(message);
        else
            qWarning().noquote() << message;
    };
    try {
        runClick(point);
    } catch (const Exception& error) {
        report(error.message());
    } catch (const std::exception& error) {
        report(QString::fromLocal8Bit(error.what()));
    }
}

void TppViewer::runClick(const QPoint& point) {
    if (TppDrawCommand* command = clickableCommandAt(point); command && command->ClickHandler) {
        command->ClickHandler(command);
        if (command->RedrawPage) {
            command->RedrawPage = false;
            requestPage(psSinglePage, AbsolutePageNo());
            // Nudging the pointer makes hover effects notice the new page.
            const QPoint at = QCursor::pos();
            QCursor::setPos(at - QPoint(1, 1));
            ProcessPendingMessages();
            QCursor::setPos(at);
            ProcessPendingMessages();
        }
    }
    if (OnClick)
        OnClick();
}

#include "TppScreenDevice.h"

#include "ClassBuilder.h"
#include "DrawCommandRenderers.h"
#include "ScreenPageGeometry.h"
#include "ScreenViewer.h"
#include "TppDrawText.h"
#include "TppProducer.h"
#include "TppPublisher.h"
#include "TppResourceManager.h"

#include <QPainter>
#include <QtMath>
#include <cmath>

namespace {

// The report asks its viewers to draw the page on show again.
constexpr int kRedrawPageNotice = 87;

// The grey around the page (the system's button-shadow colour).
const QColor kSurroundColor(0x80, 0x80, 0x80);

// A page at 250 % on a screen of ratio 4 would take hundreds of megabytes;
// above this many pixels the ratio is lowered to fit, and the page shows a
// little softer rather than not at all.
constexpr qreal kMaxBitmapPixels = 32.0 * 1024 * 1024;

qreal bitmapRatio(qreal wanted, QSize logical) {
    if (!std::isfinite(wanted) || wanted <= 0)
        return 1;
    const qreal pixels = qreal(std::max(1, logical.width())) * std::max(1, logical.height());
    if (pixels * wanted * wanted > kMaxBitmapPixels)
        return std::max<qreal>(1, std::sqrt(kMaxBitmapPixels / pixels));
    return wanted;
}

} // namespace

const ClassInfo& TppScreenDevice::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppScreenDevice>("TppScreenDevice", &TppRasterDevice::staticClassInfo(), [](auto&) {});
    return info;
}

TppScreenDevice::TppScreenDevice(OwnedComponent* owner)
    : TppRasterDevice(owner), HorizontalPixelsPerInch(screenResolution().pixelsPerInch(Axis::Horizontal)),
      VerticalPixelsPerInch(screenResolution().pixelsPerInch(Axis::Vertical)),
      measurer_(std::make_shared<FontMetricsMeasurer>()) {
    DeviceRequest().PageSetting = psFirstPage;
    DeviceRequest().PageRequested = 1;
}

TppScreenDevice::~TppScreenDevice() {
    markDestroying();
}

void TppScreenDevice::SetScreenResolution(const DeviceResolution& screen) {
    HorizontalPixelsPerInch = screen.pixelsPerInch(Axis::Horizontal);
    VerticalPixelsPerInch = screen.pixelsPerInch(Axis::Vertical);
}

QSize TppScreenDevice::FullPageSize(const TppPageDef& pageDef) const {
    QPainter none;
    const DrawSurface resolution(none, HorizontalPixelsPerInch, VerticalPixelsPerInch, *measurer_, false);
    return QSize(resolution.toPixels(pageDef.mmWidth, Axis::Horizontal),
                 resolution.toPixels(pageDef.mmHeight, Axis::Vertical));
}

void TppScreenDevice::BeginJob() {
    TppRasterDevice::BeginJob();
    SetStatusText(LanguageString(kMsgAccessingData));
    currentPage_.ResetPage();
}

void TppScreenDevice::AbortJob() {
    SetStatusText(currentPage_.PageText());
    TppRasterDevice::AbortJob();
}

void TppScreenDevice::FinishJob() {
    SetStatusText(pageStatus());
    TppRasterDevice::FinishJob();
}

QString TppScreenDevice::pageStatus() const {
    return Publisher() && Publisher()->LastPageKnown() ? currentPage_.PageOfText() : currentPage_.PageText();
}

void TppScreenDevice::ResetDevice() {
    TppRasterDevice::ResetDevice();
    if (viewer_ && viewer_->HasWindow()) {
        currentPage_.ResetPage();
        if (TppProducer* report = viewer_->Report())
            currentPage_.SetPrinterSetup(report->PrinterSetup());
        drawIntoBitmap(nullptr);
        viewer_->BitmapReset();
    }
    DeviceRequest().PageSetting = psFirstPage;
    DeviceRequest().PageRequested = 1;
}

void TppScreenDevice::SetStatusText(const QString& text) {
    if (!StatusEnabled)
        return;
    storeStatus(text);
    if (viewer_)
        viewer_->StatusChanged();
    processPendingMessages();
}

void TppScreenDevice::processPendingMessages() {
    if (viewer_)
        viewer_->ProcessPendingMessages();
}

void TppScreenDevice::AcceptPage(TppPage& page) {
    TppRasterDevice::AcceptPage(page);
    if (viewer_ && !viewer_->ShowsPages())
        return;
    const QStringList numbers = {QString::number(page.AbsolutePageNo),
                                 QString::number(page.AbsolutePageCount), page.DocumentName};
    const bool lastPageKnown = Publisher() && Publisher()->LastPageKnown();
    if (WantedPage() && StatusOnlyPage()) {
        SetStatusText(lastPageKnown
                          ? LanguageStringFmt(kMsgDrawingPage, numbers)
                          : LanguageStringFmt(kMsgCalculatingPage, {numbers[0], page.DocumentName}));
    } else if (WantedPage()) {
        currentPage_.Assign(page);
        drawIntoBitmap(&currentPage_);
        storeStatus(pageStatus());
        if (viewer_)
            viewer_->PageShown();
    } else if (page.Calculation) {
        SetStatusText(LanguageStringFmt(kMsgCalculatingPage, {numbers[0], page.DocumentName}));
        if (page.AbsolutePageCount != currentPage_.AbsolutePageCount && currentPage_.AbsolutePageNo > 0) {
            // The count becomes known only now (two passes): "Page n of m"
            // on the page already on show catches up.
            currentPage_.AbsolutePageCount = page.AbsolutePageCount;
            if (page.ControlGroupBreakNo == currentPage_.ControlGroupBreakNo)
                currentPage_.PageCount = page.PageCount;
            if (!currentPage_.UpdatableCommands().isEmpty()) {
                currentPage_.RefreshUpdatables(this);
                processPendingMessages();
            }
        }
    }
}

// The zoomed surface for the length of one drawing, gone again even when
// a renderer throws.
struct TppScreenDevice::SurfaceScope {
    SurfaceScope(TppScreenDevice& device, QPainter& painter) : device(device) {
        device.surface_ = std::make_unique<DrawSurface>(
            painter, device.HorizontalPixelsPerInch, device.VerticalPixelsPerInch, *device.measurer_, false);
        device.surface_->screenZoom = DrawSurface::Zoom{device.scaleX_, device.scaleY_};
    }
    ~SurfaceScope() { device.surface_.reset(); }
    TppScreenDevice& device;
};

void TppScreenDevice::ShowPage(const TppPage& page) {
    currentPage_.Assign(page);
    drawIntoBitmap(&currentPage_);
}

void TppScreenDevice::RedrawPage() {
    drawIntoBitmap(currentPage_.AbsolutePageNo > 0 ? &currentPage_ : nullptr);
}

void TppScreenDevice::drawIntoBitmap(TppPage* page) {
    const TppPageDef& pageDef = currentPage_.PageDef();
    // A paper without size has no geometry; nothing is drawn for it.
    if (pageDef.mmWidth <= 0 || pageDef.mmHeight <= 0)
        return;
    std::optional<QSize> area;
    if (viewer_)
        area = viewer_->VisibleArea();
    const QSize full = FullPageSize(pageDef);
    const ScreenPageGeometry geometry = computeScreenPageGeometry(
        viewer_ ? viewer_->ZoomSetting() : zs100Percent, viewer_ ? viewer_->ZoomPercentage() : 100, full,
        area, HorizontalPixelsPerInch);
    pageWidthPx_ = geometry.pageWidthPx;
    pageHeightPx_ = geometry.pageHeightPx;
    zoomPercent_ = geometry.zoomPercent;
    pageLeft_ = (geometry.bitmap.width() - pageWidthPx_) / 2;
    pageTop_ = (geometry.bitmap.height() - pageHeightPx_) / 2;
    scaleX_ = (long double)pageWidthPx_ / std::max(1, full.width());
    scaleY_ = (long double)pageHeightPx_ / std::max(1, full.height());

    bitmapSize_ = geometry.bitmap;
    const qreal ratio = bitmapRatio(viewer_ ? viewer_->DevicePixelRatio() : 1, bitmapSize_);
    bitmap_ =
        QImage(qCeil(bitmapSize_.width() * ratio), qCeil(bitmapSize_.height() * ratio), QImage::Format_RGB32);
    bitmap_.setDevicePixelRatio(ratio);
    bitmap_.fill(kSurroundColor);
    // From here on the painter works in logical pixels and scales by the ratio.
    QPainter painter(&bitmap_);
    // The frame is one logical pixel wide: filled, not stroked, as a hairline
    // is one device pixel thin and would leave the page's far edges grey.
    const QColor pageColor = viewer_ ? viewer_->PageColor() : QColor(Qt::white);
    const QRect pageRect = PageRect();
    painter.fillRect(pageRect, Qt::black);
    if (const QRect inside = pageRect.adjusted(1, 1, -1, -1); inside.isValid())
        painter.fillRect(inside, pageColor);
    // The renderers start from the pen and brush they always found.
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(pageColor);
    if (page) {
        const SurfaceScope scope(*this, painter);
        DrawPage(*page);
    }
    painter.end();
    if (page && OnPageDrawn)
        OnPageDrawn(this);
}

bool TppScreenDevice::DrawCommand(TppDrawCommand& command) {
    if (!surface_)
        return false;
    // Each length at 100 % first, then zoomed: commands that meet on the
    // page meet on the screen at every zoom.
    const int l = surface_->toPixels(command.Left(), Axis::Horizontal);
    const int t = surface_->toPixels(command.Top(), Axis::Vertical);
    const int w = surface_->toPixels(command.Width(), Axis::Horizontal);
    const int h = surface_->toPixels(command.Height(), Axis::Vertical);
    command.DeviceLeft = int(roundHalfEven(l * scaleX_)) + pageLeft_;
    command.DeviceTop = int(roundHalfEven(t * scaleY_)) + pageTop_;
    command.DeviceRight = int(roundHalfEven((l + w) * scaleX_)) + pageLeft_;
    command.DeviceBottom = int(roundHalfEven((t + h) * scaleY_)) + pageTop_;
    const DrawCommandRenderers::Renderer render = DrawCommandRenderers::instance().find(command.classInfo());
    if (!render)
        return false;
    render(*surface_, command);
    return true;
}

bool TppScreenDevice::RedrawCommand(TppDrawCommand& command) {
    if (bitmap_.isNull())
        return true;
    QPainter painter(&bitmap_);
    bool drawn = false;
    {
        const SurfaceScope scope(*this, painter);
        // The old text is painted over: a transparent text is drawn opaque.
        auto* text = dynamic_cast<TppDrawText*>(&command);
        const bool transparent = text && std::exchange(text->Transparent, false);
        try {
            drawn = DrawCommand(command);
        } catch (...) {
            if (transparent)
                text->Transparent = true;
            throw;
        }
        if (transparent)
            text->Transparent = true;
    }
    painter.end();
    if (drawn && viewer_)
        viewer_->CopyToScreen(QRect(QPoint(command.DeviceLeft, command.DeviceTop),
                                    QPoint(command.DeviceRight - 1, command.DeviceBottom - 1)));
    return drawn;
}

void TppScreenDevice::Notify(TppCommunicator* sender, int operation) {
    const bool publisherGone = operation == ppopRemove && Publisher() && sender == Publisher();
    TppRasterDevice::Notify(sender, operation);
    if (publisherGone) {
        if (viewer_)
            viewer_->ReportGone();
        ResetDevice();
    } else if (operation == kRedrawPageNotice && viewer_ && sender == viewer_->Report()) {
        RedrawPage();
        viewer_->PageShown();
    }
}

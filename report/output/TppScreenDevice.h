#pragma once

#include "TextMeasurer.h"
#include "TppPage.h"
#include "TppRasterDevice.h"

#include <QImage>
#include <functional>
#include <memory>

class ScreenViewer;

// The preview's device: draws the page the viewer wants into an off-screen
// page bitmap at the viewer's zoom (grey surround, the page rectangle, the
// commands), keeps its own copy of that page, and reports progress as
// status texts. Without a viewer it draws at 100 %.
//
// Geometry (the bitmap's and the page's size, device boxes, zoom) is in the
// viewer's logical pixels. The bitmap itself holds the viewer's device pixel
// ratio of pixels for each of them and carries that ratio, so the painter
// draws text and lines at the screen's own resolution.
class TppScreenDevice : public TppRasterDevice {
public:
    PW_CLASS_INFO

    explicit TppScreenDevice(OwnedComponent* owner = nullptr);
    ~TppScreenDevice() override;

    QString DeviceName() const override { return QStringLiteral("Screen"); }

    ScreenViewer* Viewer() const { return viewer_; }
    void SetViewer(ScreenViewer* viewer) { viewer_ = viewer; }
    // The screen's pixels per inch of paper, what a page at 100 % is drawn at: given by whoever
    // owns the viewer and knows the screen, the report's screen pixel (96) until then.
    int HorizontalPixelsPerInch;
    int VerticalPixelsPerInch;
    void SetScreenResolution(const DeviceResolution& screen);
    void SetTextMeasurer(std::shared_ptr<const TextMeasurer> measurer) { measurer_ = std::move(measurer); }

    // The device's own copy of the page on show.
    TppPage& CurrentPage() { return currentPage_; }
    const TppPage& CurrentPage() const { return currentPage_; }
    const QImage& PageBitmap() const { return bitmap_; }
    // The bitmap's size in logical pixels.
    QSize BitmapSize() const { return bitmapSize_; }
    // The page rectangle inside the bitmap, in logical pixels.
    QRect PageRect() const { return QRect(pageLeft_, pageTop_, pageWidthPx_, pageHeightPx_); }
    long double ScaleX() const { return scaleX_; }
    long double ScaleY() const { return scaleY_; }
    int ZoomPercent() const { return zoomPercent_; }
    // The paper at 100 %, in screen pixels.
    QSize FullPageSize(const TppPageDef& pageDef) const;

    bool StatusEnabled = true;
    std::function<void(TppScreenDevice*)> OnPageDrawn;

    void BeginJob() override;
    void AcceptPage(TppPage& page) override;
    void FinishJob() override;
    void AbortJob() override;
    void ResetDevice() override;
    bool DraftPagesAreStatus() const override { return false; }
    void SetStatusText(const QString& text) override;
    bool DrawCommand(TppDrawCommand& command) override;
    bool RedrawCommand(TppDrawCommand& command) override;
    void Notify(TppCommunicator* sender, int operation) override;

    // Draws the page on show into a new bitmap at the viewer's zoom (a
    // zoom change, a resize); only a grey bitmap while there is no page.
    void RedrawPage();
    // Makes a copy of the page the page on show and draws it, outside any
    // job (pictures of pages).
    void ShowPage(const TppPage& page);

private:
    // The status text as FinishJob leaves it: "Page n of m" once the last
    // page is known.
    QString pageStatus() const;
    void storeStatus(const QString& text) { TppRasterDevice::SetStatusText(text); }
    void drawIntoBitmap(TppPage* page);
    struct SurfaceScope;
    void processPendingMessages();

    ScreenViewer* viewer_ = nullptr;
    std::shared_ptr<const TextMeasurer> measurer_;
    TppPage currentPage_;
    QImage bitmap_;
    QSize bitmapSize_;
    std::unique_ptr<DrawSurface> surface_;
    int pageLeft_ = 0;
    int pageTop_ = 0;
    int pageWidthPx_ = 0;
    int pageHeightPx_ = 0;
    long double scaleX_ = 1;
    long double scaleY_ = 1;
    int zoomPercent_ = 100;
};

#pragma once

#include "TextMeasurer.h"
#include "TppRasterDevice.h"

#include <QImage>

// Renders every page it wants to an image of the paper at a chosen
// resolution: the off-screen output for page pictures, thumbnails and tests.
class TppImageDevice : public TppRasterDevice {
public:
    PW_CLASS_INFO

    explicit TppImageDevice(OwnedComponent* owner = nullptr);

    QString DeviceName() const override { return QStringLiteral("Image"); }

    int HorizontalPixelsPerInch = 96;
    int VerticalPixelsPerInch = 96;
    // Defaults to Qt's font metrics.
    void SetTextMeasurer(std::shared_ptr<const TextMeasurer> measurer) { measurer_ = std::move(measurer); }

    struct RenderedPage {
        int absolutePageNo;
        QImage image;
    };
    const QList<RenderedPage>& Pages() const { return pages_; }

    void BeginJob() override;
    void AcceptPage(TppPage& page) override;
    // Renders one page regardless of any job.
    QImage RenderPage(TppPage& page);

private:
    std::shared_ptr<const TextMeasurer> measurer_;
    QList<RenderedPage> pages_;
};

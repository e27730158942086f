#pragma once

#include "TppFileDevice.h"
#include "TppRasterDevice.h"

#include <QBuffer>
#include <memory>

class QPainter;
class TppOutlineDrawCommand;
class QPdfWriter;
class TextMeasurer;

// Writes the pages it wants to a PDF file, one PDF page per report page in
// that page's own paper size and orientation, drawn by the same renderers
// as the screen and the printer. Texts stay text: the fonts are embedded
// as subsets, so the file looks the same everywhere and its texts can be
// selected and searched. The document name is the file's title, and the
// outline of the last page written becomes the file's bookmarks. Like the
// archive, the file appears under its name only once it is complete.
class TppPdfFileDevice : public TppFileDevice {
public:
    PW_CLASS_INFO

    explicit TppPdfFileDevice(OwnedComponent* owner = nullptr);
    ~TppPdfFileDevice() override;

    QString DeviceName() const override { return QStringLiteral("PdfFile"); }
    static const FileDeviceTraits& Traits();

    // Rich text and barcodes are drawn, as on paper.
    bool IsRasterDevice() const override { return true; }
    bool DrawCommand(TppDrawCommand& command) override { return painter_.DrawCommand(command); }
    bool RedrawCommand(TppDrawCommand& command) override { return painter_.RedrawCommand(command); }

    // Device pixels an inch that lengths are rounded to, as a printer of
    // that resolution would; ignored while in a job.
    int PixelsPerInch = 600;
    // Defaults to Qt's font metrics.
    void SetTextMeasurer(std::shared_ptr<const TextMeasurer> measurer) { measurer_ = std::move(measurer); }

    void BeginJob() override;
    void DiscardFile() override;

protected:
    void WritePage(TppPage& page) override;
    void CompleteFile() override;
    std::unique_ptr<QFileDevice> CreateOutput(const QString& fileName) override;

private:
    void closeWriter();

    TppRasterDevice painter_;
    std::shared_ptr<const TextMeasurer> measurer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painting_;
    int jobPixelsPerInch_ = 600;
    // The writer writes here: the bookmarks are added to its bytes at the end.
    QBuffer written_;
    QList<int> pageNumbers_;
    std::unique_ptr<TppOutlineDrawCommand> outline_;
};

#pragma once

#include "TppRasterDevice.h"

#include <functional>
#include <memory>

class TextMeasurer;
class TppPrinter;

// Prints the pages it receives through its own printer object: each wanted
// page once per copy with the page's own printer setup (paper, orientation,
// bin), at the printer's resolution and shifted by its unprintable borders.
// Uncollated copies print each page in a row; collated copies run the whole
// page set once per copy before the job ends. The cancel dialog's status
// line says which page prints, and is only touched when its text changes.
class TppPrinterDevice : public TppRasterDevice {
public:
    PW_CLASS_INFO

    explicit TppPrinterDevice(OwnedComponent* owner = nullptr);
    ~TppPrinterDevice() override;

    QString DeviceName() const override { return QStringLiteral("Printer"); }
    TppPrinter* Printer() override { return printer_.get(); }
    // The printer's canvas while a job runs.
    QPainter* Canvas() const { return canvas_; }

    // Collated passes still to print, counting the current one.
    int CopiesLeft = 1;
    bool FirstPageOfJob = true;
    // Whether BeginJob starts and FinishJob ends the printing system's job.
    bool BeginDocOnStart = true;
    bool EndDocOnEnd = true;
    // Minus the left and top unprintable widths of the current page, in printer pixels.
    int OffsetX = 0;
    int OffsetY = 0;
    std::function<void(TppPrinterDevice*, TppPage*)> OnPagePrintStart;
    std::function<void(TppPrinterDevice*, TppPage*)> OnPagePrintEnd;
    // Lets the cancel dialog repaint and its button be pressed after the
    // status changed; without it the report's own message pump runs.
    std::function<void()> ProcessMessages;

    void BeginJob() override;
    void AcceptPage(TppPage& page) override;
    void FinishJob() override;
    void AbortJob() override;

protected:
    QPoint DeviceOrigin() const override { return {OffsetX, OffsetY}; }
    virtual void StartPage(TppPage& page);
    virtual void EndPage(TppPage& page);

private:
    void updateStatus(const TppPage& page);
    void showStatus(const QString& text);
    void endDoc();

    std::unique_ptr<TppPrinter> printer_;
    std::shared_ptr<const TextMeasurer> measurer_;
    QPainter* canvas_ = nullptr;
    // The request as the job began. A page list is struck off as its pages
    // come, so each collated pass starts again from this copy.
    TppPageRequest jobRequest_;
    bool printsInColour_ = true;
};

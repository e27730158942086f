#pragma once

#include "ScreenViewer.h"

#include <QWidget>
#include <functional>
#include <memory>

class QScrollArea;
class TppDrawCommand;
class TppPage;
class TppScreenDevice;
class ViewerPaintBox;

enum class ScrollDirection { Up, Down, Left, Right };

// Shows one generated page at a time, zoomed, in a scroll box, and turns
// pages by sending page requests through its screen device: only the pages
// asked for are generated, so the first page shows before a long report is
// finished. Clickable draw commands answer the mouse.
class TppViewer : public QWidget, public ScreenViewer {
public:
    explicit TppViewer(QWidget* parent = nullptr);
    ~TppViewer() override;

    TppProducer* Report() const override { return report_; }
    // Attaches the screen device to the report's publisher (none detaches it).
    void SetReport(TppProducer* report);
    TppZoomSettingType ZoomSetting() const override { return zoomSetting_; }
    void SetZoomSetting(TppZoomSettingType value);
    int ZoomPercentage() const override { return zoomPercentage_; }
    // At most 250; switches the zoom to the percentage.
    void SetZoomPercentage(int value);
    QColor PageColor() const override { return pageColor_; }
    void SetPageColor(const QColor& color);

    TppScreenDevice& ScreenDevice() { return *device_; }
    // The page on show, its number (0 while none), the zoom it shows at.
    const TppPage& CurrentPage() const;
    int AbsolutePageNo() const;
    int ZoomPercent() const;
    QString Status() const;
    // Whether the screen device is in a job.
    bool Busy() const;
    bool PrintStateKnown() const { return printStateKnown_; }
    bool Resizing() const { return suspendCount_ > 0; }
    // Where the page is painted, inside the scroll box.
    QWidget* PaintBox() const;

    // Page turning; each is ignored during a job and after a cancelled one.
    void ShowFirstPage();
    void ShowLastPage();
    void ShowNextPage();
    void ShowPriorPage();
    void ShowPage(int pageNo);
    // Forgets every page and asks for the first again.
    void Regenerate();
    // Runs the report's search and regenerates when the user accepts.
    void AutoSearch();
    void ScrollView(ScrollDirection direction);
    // Prints the report on the printer and keeps the preview: the report
    // prints once with DeviceType "Printer", the screen device detached,
    // and both come back afterwards, also when printing fails.
    void PrintReport();

    std::function<void()> OnPageChange;
    std::function<void()> OnPrintStateChange;
    std::function<void()> OnStatusChange;
    std::function<void()> OnReset;
    // After a click on the page, and after a clickable command ran.
    std::function<void()> OnClick;
    // Where an error of a click goes (the click comes from the event loop,
    // which must not see it); none writes it to the log.
    std::function<void(const QString& message)> OnError;
    // The message pump: lets a cancel or a repaint through during a job.
    std::function<void()> ProcessMessages;

    // ScreenViewer
    QSize VisibleArea() const override;
    // The ratio of the screen the page is painted on.
    qreal DevicePixelRatio() const override;
    bool HasWindow() const override { return true; }
    void StatusChanged() override;
    void PageShown() override;
    void BitmapReset() override;
    void CopyToScreen(const QRect& box) override;
    void ProcessPendingMessages() override;
    void ReportGone() override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class ViewerPaintBox;
    bool canTurnPages() const;
    void requestPage(TppPageSettingType setting, int pageNo);
    void requestPages();
    void updateScrollRanges();
    void redrawAtZoom();
    void mouseMovedOnPage(const QPoint& point);
    void clickedOnPage(const QPoint& point);
    void runClick(const QPoint& point);
    TppDrawCommand* clickableCommandAt(const QPoint& point) const;

    TppProducer* report_ = nullptr;
    TppZoomSettingType zoomSetting_ = zsWholePage;
    int zoomPercentage_ = 100;
    QColor pageColor_;
    std::unique_ptr<TppScreenDevice> device_;
    QScrollArea* scrollBox_ = nullptr;
    ViewerPaintBox* paintBox_ = nullptr;
    bool printStateKnown_ = false;
    int suspendCount_ = 0;
};

#pragma once

#include "PreviewGlyphs.h"
#include "TppCustomPreview.h"

#include <QObject>

class QLineEdit;
class QPushButton;
class QSplitter;
class QToolButton;
class TppOutlineViewer;

// The standard preview panel: a toolbar (print, search, the three zooms, a
// zoom box, page turning around a page box, cancel or close), the outline
// tree beside the viewer, and the status bar's texts.
class TppPreview : public QObject, public TppCustomPreview {
public:
    TppPreview(QWidget* parent, QStatusBar* statusBar);
    ~TppPreview() override;

    void SetReport(TppProducer* report) override;

    QWidget* Toolbar() const { return toolbar_; }
    QToolButton* PrintButton() const { return printButton_; }
    QToolButton* AutoSearchButton() const { return searchButton_; }
    QWidget* ZoomAndPagePanel() const { return innerPanel_; }
    QToolButton* WholePageButton() const { return wholePageButton_; }
    QToolButton* PageWidthButton() const { return pageWidthButton_; }
    QToolButton* Zoom100Button() const { return zoom100Button_; }
    QLineEdit* ZoomBox() const { return zoomBox_; }
    QToolButton* FirstButton() const { return firstButton_; }
    QToolButton* PriorButton() const { return priorButton_; }
    QLineEdit* PageBox() const { return pageBox_; }
    QToolButton* NextButton() const { return nextButton_; }
    QToolButton* LastButton() const { return lastButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    TppOutlineViewer* OutlineTree() const { return outlineTree_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void PageChanged() override;
    void PrintStateChanged() override;
    void ZoomChanged() override;
    void LanguageChanged() override;

private:
    QToolButton* addButton(QWidget* panel, int left, PreviewGlyph glyph, int command);
    QLineEdit* addEditBox(QWidget* panel, int left, const QString& mask);
    void syncZoomControls();
    void updateAutoSearchButton();
    void updateCancelButton();
    void pageBoxEntered();
    void zoomBoxEntered();
    int scaled(int designPixels) const;

    QWidget* toolbar_;
    QToolButton* printButton_;
    QToolButton* searchButton_;
    QWidget* innerPanel_;
    QToolButton* wholePageButton_;
    QToolButton* pageWidthButton_;
    QToolButton* zoom100Button_;
    QLineEdit* zoomBox_;
    QToolButton* firstButton_;
    QToolButton* priorButton_;
    QLineEdit* pageBox_;
    QToolButton* nextButton_;
    QToolButton* lastButton_;
    QPushButton* cancelButton_;
    QSplitter* splitter_;
    TppOutlineViewer* outlineTree_;
};

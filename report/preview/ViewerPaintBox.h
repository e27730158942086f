#pragma once

#include <QWidget>

class TppViewer;

// The viewer's drawing area inside its scroll box: copies what is asked to
// be painted from the screen device's page bitmap, and passes mouse moves
// and clicks on to the viewer for clickable commands.
class ViewerPaintBox : public QWidget {
public:
    explicit ViewerPaintBox(TppViewer& viewer, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TppViewer& viewer_;
};

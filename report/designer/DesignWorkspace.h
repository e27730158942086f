#pragma once

#include "FieldDrag.h"

#include <QWidget>
#include <functional>

class DesignerController;
class TppComponent;

// The design page's drawing surface: rulers, bands with their dividers,
// the grid and the components as they print, with the selection, rubber
// band and dragged boxes over them. Everything it knows and does comes from
// the controller; it only turns widget coordinates into workspace ones.
class DesignWorkspace : public QWidget {
    Q_OBJECT
public:
    // Rulers take this many pixels at the left and the top.
    static constexpr int kRulerSize = 20;

    explicit DesignWorkspace(DesignerController& controller, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    void setRulersVisible(bool visible);
    bool rulersVisible() const { return rulers_; }
    // Workspace pixels to widget pixels and back.
    QPoint toWidget(QPoint workspace) const;
    QPoint toWorkspace(QPoint widget) const;

    void layoutChanged();

    // Fields dropped from the data tree, at a workspace point on a band.
    std::function<void(QPoint, const QList<DraggedField>&)> onFieldsDropped;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void paintRulers(QPainter& painter);
    void paintBands(QPainter& painter);
    void paintComponent(QPainter& painter, TppComponent& component);
    void paintSelection(QPainter& painter);
    int origin() const { return rulers_ ? kRulerSize : 0; }
    // Fields are taken only from the data tree, and only onto a band.
    bool acceptsFields(const QMimeData* data, QPoint widget) const;

    DesignerController& controller_;
    bool rulers_ = true;
};

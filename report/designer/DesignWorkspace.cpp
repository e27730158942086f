#include "DesignWorkspace.h"

#include "DesignerController.h"
#include "DrawCommandRenderers.h"
#include "DrawSurface.h"
#include "RulerTicks.h"
#include "TextMeasurer.h"
#include "TppBand.h"
#include "TppComponent.h"
#include "TppCustomReport.h"
#include "TppDrawCommand.h"
#include "TppDrawText.h"
#include "Units.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <memory>

DesignWorkspace::DesignWorkspace(DesignerController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setAcceptDrops(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    setPalette(colours);
    connect(&controller_, &DesignerController::changed, this, &DesignWorkspace::layoutChanged);
    layoutChanged();
}

QSize DesignWorkspace::sizeHint() const {
    return {origin() + controller_.workspaceWidth() + 8, origin() + controller_.workspaceHeight() + 8};
}

void DesignWorkspace::setRulersVisible(bool visible) {
    rulers_ = visible;
    layoutChanged();
}

void DesignWorkspace::layoutChanged() {
    const QSize wanted = sizeHint();
    if (size() != wanted)
        resize(wanted);
    update();
}

QPoint DesignWorkspace::toWidget(QPoint workspace) const {
    return workspace + QPoint(origin(), origin());
}

QPoint DesignWorkspace::toWorkspace(QPoint widget) const {
    return widget - QPoint(origin(), origin());
}

void DesignWorkspace::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (rulers_)
        paintRulers(painter);
    painter.save();
    painter.translate(origin(), origin());
    paintBands(painter);
    paintSelection(painter);
    painter.restore();
}

void DesignWorkspace::paintRulers(QPainter& painter) {
    const WorkspaceLayout layout = controller_.layout();
    const TppUnitType units = controller_.report().Units();
    QFont font(QStringLiteral("Small Fonts"));
    font.setPixelSize(8);
    painter.setFont(font);
    const QColor face(0xf0, 0xf0, 0xf0);
    const int width = controller_.workspaceWidth();
    auto drawRuler = [&](bool vertical, int start, int length) {
        const QRect area = vertical ? QRect(0, origin() + start, kRulerSize, length)
                                    : QRect(origin(), 0, length, kRulerSize);
        painter.fillRect(area, face);
        painter.setPen(Qt::black);
        const int ppi = screenResolution().pixelsPerInch(vertical ? Axis::Vertical : Axis::Horizontal);
        for (const RulerTick& tick : rulerTicks(units, ppi, length)) {
            const int depth = tick.kind == RulerTick::Label  ? kRulerSize
                              : tick.kind == RulerTick::Half ? kRulerSize / 2
                                                             : kRulerSize / 4;
            if (vertical) {
                const int y = area.top() + tick.position;
                painter.drawLine(kRulerSize - depth, y, kRulerSize - 1, y);
                if (tick.kind == RulerTick::Label && !tick.label.isEmpty())
                    painter.drawText(QPoint(1, y + 9), tick.label);
            } else {
                const int x = area.left() + tick.position;
                painter.drawLine(x, kRulerSize - depth, x, kRulerSize - 1);
                if (tick.kind == RulerTick::Label && !tick.label.isEmpty())
                    painter.drawText(QPoint(x + 2, 8), tick.label);
            }
        }
        // Where the mouse is, on the rulers it is over.
        const QPoint mouse = controller_.mousePosition();
        painter.setPen(Qt::red);
        if (!vertical && mouse.x() >= 0 && mouse.x() < length)
            painter.drawLine(area.left() + mouse.x(), 0, area.left() + mouse.x(), kRulerSize - 1);
        if (vertical && mouse.y() >= start && mouse.y() < start + length)
            painter.drawLine(0, area.top() + mouse.y() - start, kRulerSize - 1,
                             area.top() + mouse.y() - start);
    };
    drawRuler(false, 0, width);
    for (int band = 0; band < layout.bandCount(); ++band)
        drawRuler(true, layout.areaTop(band), layout.areaHeight(band));
}

void DesignWorkspace::paintBands(QPainter& painter) {
    const WorkspaceLayout layout = controller_.layout();
    const int width = controller_.workspaceWidth();
    const QList<TppBand*>& bands = controller_.report().Bands();
    QFont dividerFont(QStringLiteral("MS Sans Serif"));
    dividerFont.setPixelSize(11);
    for (int index = 0; index < layout.bandCount() && index < bands.size(); ++index) {
        TppBand& band = *bands.at(index);
        const QRect area(0, layout.areaTop(index), width, layout.areaHeight(index));
        painter.fillRect(area, Qt::white);
        if (controller_.grid.displayGrid) {
            painter.setPen(QColor(0x80, 0x80, 0x80));
            const int xs = std::max(2, controller_.grid.xSpace);
            const int ys = std::max(2, controller_.grid.ySpace);
            for (int y = area.top(); y < area.top() + area.height(); y += ys)
                for (int x = 0; x < width; x += xs)
                    painter.drawPoint(x, y);
        }
        painter.save();
        painter.setClipRect(area);
        for (TppComponent* component : band.Objects())
            paintComponent(painter, *component);
        painter.restore();
        const QRect divider(0, layout.dividerTop(index), width, layout.dividerHeight());
        painter.fillRect(divider, QColor(0xd4, 0xd0, 0xc8));
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawLine(divider.bottomLeft(), divider.bottomRight());
        painter.setPen(Qt::black);
        painter.setFont(dividerFont);
        const QString caption = band.Caption().isEmpty() ? band.className().mid(3) : band.Caption();
        painter.drawText(divider.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("  ^  ") + caption);
    }
    if (controller_.tool() == DesignerController::Tool::Divider) {
        QPen pen(Qt::black, 1, Qt::DashLine);
        painter.setPen(pen);
        painter.drawRect(0, controller_.draggedDividerTop(), width - 1, layout.dividerHeight() - 1);
    }
}

void DesignWorkspace::paintComponent(QPainter& painter, TppComponent& component) {
    const PixelBox box = controller_.boxOf(component);
    static const FontMetricsMeasurer measurer;
    bool painted = false;
    // The component draws itself as it prints: its own draw command, filled
    // from it as the engine fills it, handed to the renderer of its class.
    // A data-aware text has no value yet and shows its field's name instead.
    try {
        if (const ClassInfo* commandClass = component.CommandClass()) {
            std::unique_ptr<TppDrawCommand> command(
                dynamic_cast<TppDrawCommand*>(commandClass->create(nullptr)));
            if (command) {
                const TppPrintRect saved = component.PrintRect;
                component.PrintRect = {component.mmLeft(), component.mmTop(), component.mmRight(),
                                       component.mmBottom()};
                component.PropertiesToDrawCommand(*command);
                component.PrintRect = saved;
                if (auto* text = dynamic_cast<TppDrawText*>(command.get());
                    text && text->Text.isEmpty() && !component.DataField().isEmpty())
                    text->Text = component.DataField();
                if (auto renderer = DrawCommandRenderers::instance().find(command->classInfo())) {
                    painter.save();
                    const WorkspaceLayout layout = controller_.layout();
                    const int band = controller_.bandIndex(component.Band());
                    painter.translate(0, band >= 0 ? layout.areaTop(band) : 0);
                    DrawSurface surface(painter, screenResolution().pixelsPerInch(Axis::Horizontal),
                                        screenResolution().pixelsPerInch(Axis::Vertical), measurer, false);
                    // What a raster device works out before it renders: the box in its pixels.
                    command->DeviceLeft = surface.toPixels(command->Left(), Axis::Horizontal);
                    command->DeviceTop = surface.toPixels(command->Top(), Axis::Vertical);
                    command->DeviceRight =
                        surface.toPixels(command->Left() + command->Width(), Axis::Horizontal);
                    command->DeviceBottom =
                        surface.toPixels(command->Top() + command->Height(), Axis::Vertical);
                    renderer(surface, *command);
                    painter.restore();
                    painted = true;
                }
            }
        }
    } catch (const std::exception&) {
        painted = false;
    }
    if (!painted) {
        painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
        painter.drawRect(box.left, box.top, box.width - 1, box.height - 1);
        painter.setPen(Qt::darkGray);
        painter.drawText(box.rect(), Qt::AlignCenter, component.Name());
    }
}

void DesignWorkspace::paintSelection(QPainter& painter) {
    const DesignerSelection& selection = controller_.selection();
    painter.setBrush(Qt::NoBrush);
    if (selection.showsHandles()) {
        const PixelBox box = controller_.boxOf(*selection.primary());
        painter.setPen(Qt::black);
        for (const QRect& handle : handleRects(box.rect()))
            painter.fillRect(handle, Qt::black);
    } else {
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1, Qt::DotLine));
        for (TppComponent* component : selection.components()) {
            const PixelBox box = controller_.boxOf(*component);
            painter.drawRect(box.left - 1, box.top - 1, box.width + 1, box.height + 1);
            if (component == selection.primary())
                painter.fillRect(QRect(box.left - 2, box.top - 2, 4, 4), Qt::darkGray);
        }
    }
    const DesignerController::Tool tool = controller_.tool();
    if (tool == DesignerController::Tool::Drag || tool == DesignerController::Tool::Resize) {
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        for (const PixelBox& box : controller_.trackedBoxes())
            painter.drawRect(box.left, box.top, box.width - 1, box.height - 1);
    }
    if (tool == DesignerController::Tool::RubberBand) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(controller_.rubberBandRect());
    }
}

void DesignWorkspace::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    setFocus();
    controller_.mousePress(toWorkspace(event->position().toPoint()), event->modifiers());
    update();
}

void DesignWorkspace::mouseMoveEvent(QMouseEvent* event) {
    controller_.mouseMove(toWorkspace(event->position().toPoint()));
    update();
}

void DesignWorkspace::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    controller_.mouseRelease(toWorkspace(event->position().toPoint()));
    update();
}

void DesignWorkspace::keyPressEvent(QKeyEvent* event) {
    if (controller_.keyPress(event->key(), event->modifiers()))
        update();
    else
        QWidget::keyPressEvent(event);
}

bool DesignWorkspace::acceptsFields(const QMimeData* data, QPoint widget) const {
    return onFieldsDropped && data && data->hasFormat(QString::fromLatin1(kFieldMimeType)) &&
           controller_.layout().bandAt(toWorkspace(widget).y()) >= 0;
}

void DesignWorkspace::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptsFields(event->mimeData(), event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DesignWorkspace::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptsFields(event->mimeData(), event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DesignWorkspace::dropEvent(QDropEvent* event) {
    const QPoint widget = event->position().toPoint();
    if (!acceptsFields(event->mimeData(), widget)) {
        event->ignore();
        return;
    }
    const QList<DraggedField> fields = draggedFields(event->mimeData());
    if (fields.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    onFieldsDropped(toWorkspace(widget), fields);
    update();
}

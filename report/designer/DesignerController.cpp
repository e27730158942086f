#include "DesignerController.h"

#include "ClassRegistry.h"
#include "ComponentNames.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "DesignerCommands.h"
#include "PagewrightErrors.h"
#include "SubReportTemplates.h"
#include "TppBand.h"
#include "TppChildReport.h"
#include "TppComponent.h"
#include "TppComponentHolder.h"
#include "TppCustomReport.h"
#include "TppPageDef.h"
#include "TppSubReport.h"
#include "Units.h"

#include <algorithm>
#include <cmath>

namespace {

// Where a new component of a class starts, in pixels: texts one line of the
// default font high, the others square enough to grab.
QSize defaultPixelSize(const ClassInfo& info) {
    if (info.inheritsFrom(QStringLiteral("TppLine")))
        return {100, 8};
    if (info.property(QStringLiteral("Font")) && !info.inheritsFrom(QStringLiteral("TppCustomBarCode")))
        return {64, 17};
    return {64, 64};
}

// Boxes that meet, edges included: a rubber band touching a component's edge selects it.
bool touches(const QRect& a, const PixelBox& b) {
    return a.left() <= b.right() && b.left <= a.left() + a.width() && a.top() <= b.bottom() &&
           b.top <= a.top() + a.height();
}

} // namespace

DesignerController::DesignerController(TppCustomReport& report, QObject* parent)
    : QObject(parent), main_(report) {}

DesignerController::~DesignerController() {
    // The commands name objects of the report; none may run once we are gone.
    undoStack_.clear();
}

TppCustomReport& DesignerController::report() const {
    TppCustomReport* child = child_.get();
    return child ? *child : main_;
}

void DesignerController::designReport(TppCustomReport& report) {
    if (&report == &this->report())
        return;
    // Only the main report and the child reports inside it are designed here.
    auto* child = dynamic_cast<TppChildReport*>(&report);
    if (&report != &main_ && (!child || child->MainReport() != &main_))
        return;
    tool_ = Tool::Idle;
    tracked_.clear();
    start_.clear();
    child_.reset(&report == &main_ ? nullptr : &report);
    selectionDidChange(selection_.clear());
    emit reportChanged();
    emit changed();
}

bool DesignerController::designReport(const QString& name) {
    TppCustomReport* named = &main_;
    if (!name.isEmpty() && name.compare(main_.Name(), Qt::CaseInsensitive) != 0)
        named = dynamic_cast<TppCustomReport*>(scope().FindComponent(name));
    if (named)
        designReport(*named);
    return named && named == &report();
}

void DesignerController::layoutReplaced() {
    // The child reports go with the old layout.
    designReport(main_);
    tool_ = Tool::Idle;
    tracked_.clear();
    undoStack_.clear();
    undeleteBuffer_.reset();
    copied_.clear();
    pasteOffset_ = 0;
    selectionDidChange(selection_.clear());
    emit changed();
}

int DesignerController::toPixels(int mm, bool vertical) {
    return int(std::lround(UnitsFromMM(mm, utScreenPixels, vertical ? Axis::Vertical : Axis::Horizontal)));
}

int DesignerController::toMM(int pixels, bool vertical) {
    return UnitsToMM(float(pixels), utScreenPixels, vertical ? Axis::Vertical : Axis::Horizontal);
}

WorkspaceLayout DesignerController::layout() const {
    QList<int> heights;
    for (const TppBand* band : report().Bands())
        heights << toPixels(band->mmHeight(), true);
    return WorkspaceLayout(heights);
}

int DesignerController::workspaceWidth() const {
    const TppPageDef& page = report().PageDef();
    return toPixels(page.mmWidth - page.mmMarginLeft - page.mmMarginRight, false) + 1;
}

int DesignerController::bandIndex(const TppBand* band) const {
    return int(report().Bands().indexOf(const_cast<TppBand*>(band)));
}

PixelBox DesignerController::boxOf(const TppComponent& component) const {
    const int band = bandIndex(component.Band());
    const int areaTop = band >= 0 ? layout().areaTop(band) : 0;
    return {toPixels(component.mmLeft(), false), areaTop + toPixels(component.mmTop(), true),
            std::max(1, toPixels(component.mmWidth(), false)),
            std::max(1, toPixels(component.mmHeight(), true))};
}

QList<TppComponent*> DesignerController::allComponents() const {
    QList<TppComponent*> all;
    for (const TppBand* band : report().Bands())
        all << band->Objects();
    return all;
}

TppComponent* DesignerController::componentAt(QPoint point) const {
    const QList<TppBand*>& bands = report().Bands();
    for (qsizetype band = bands.size() - 1; band >= 0; --band) {
        const QList<TppComponent*>& objects = bands.at(band)->Objects();
        for (qsizetype index = objects.size() - 1; index >= 0; --index)
            if (boxOf(*objects.at(index)).rect().contains(point))
                return objects.at(index);
    }
    return nullptr;
}

TppComponent* DesignerController::regionAt(const TppBand& band, QPoint point,
                                           const TppComponent* except) const {
    const QList<TppComponent*>& objects = band.Objects();
    for (qsizetype index = objects.size() - 1; index >= 0; --index) {
        TppComponent* candidate = objects.at(index);
        if (candidate != except && dynamic_cast<TppComponentHolder*>(candidate) &&
            boxOf(*candidate).rect().contains(point))
            return candidate;
    }
    return nullptr;
}

TppBand* DesignerController::bandAt(int y) const {
    const int band = layout().bandAt(y);
    return band >= 0 ? report().Band(band) : nullptr;
}

void DesignerController::setPaletteClass(const QString& className) {
    paletteClass_ = className;
}

bool DesignerController::guarded(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        tool_ = Tool::Idle;
        tracked_.clear();
        if (onError)
            onError(QString::fromUtf8(error.what()));
        emit changed();
        return false;
    }
}

void DesignerController::selectionDidChange(bool changed) {
    if (changed)
        emit selectionChanged();
}

QRect DesignerController::unionOf(const QList<PixelBox>& boxes) const {
    QRect united;
    for (const PixelBox& box : boxes)
        united = united.isNull() ? box.rect() : united.united(box.rect());
    return united;
}

QRect DesignerController::rubberBandRect() const {
    return QRect(pressed_, mouse_).normalized();
}

void DesignerController::mousePress(QPoint point, Qt::KeyboardModifiers modifiers) {
    guarded([&] {
        pressed_ = mouse_ = point;
        tracked_.clear();
        if (!paletteClass_.isEmpty()) {
            createComponent(paletteClass_, point);
            return;
        }
        const bool shift = modifiers & Qt::ShiftModifier;
        const bool control = modifiers & Qt::ControlModifier;
        if (selection_.showsHandles() && !shift && !control) {
            const PixelBox box = boxOf(*selection_.primary());
            const int handle = handleAt(box.rect(), point);
            if (handle >= 0) {
                tool_ = Tool::Resize;
                handle_ = handle;
                start_ = tracked_ = {box};
                return;
            }
        }
        const WorkspaceLayout bands = layout();
        const int divider = bands.dividerAt(point.y());
        if (divider >= 0 && !control) {
            tool_ = Tool::Divider;
            dividerBand_ = divider;
            dividerTop_ = bands.dividerTop(divider);
            dividerGrab_ = point.y() - dividerTop_;
            return;
        }
        TppComponent* component = control ? nullptr : componentAt(point);
        if (!component) {
            tool_ = Tool::RubberBand;
            additive_ = shift;
            return;
        }
        selectionDidChange(selection_.click(component, shift));
        if (!selection_.contains(component) || !selection_.primary())
            return;
        tool_ = Tool::Drag;
        start_.clear();
        for (TppComponent* selected : selection_.components())
            start_ << boxOf(*selected);
        tracked_ = start_;
        const PixelBox primary = boxOf(*selection_.primary());
        grab_ = point - QPoint(primary.left, primary.top);
    });
}

void DesignerController::mouseMove(QPoint point) {
    guarded([&] {
        mouse_ = point;
        switch (tool_) {
        case Tool::Drag: {
            const int primaryIndex = int(selection_.components().indexOf(selection_.primary()));
            if (primaryIndex < 0 || start_.size() != selection_.count())
                return;
            bool lockH = false;
            bool lockV = false;
            for (const TppComponent* component : selection_.components()) {
                lockH = lockH || component->ParentWidth();
                lockV = lockV || component->ParentHeight();
            }
            const WorkspaceLayout bands = layout();
            QPoint delta = dragDelta(start_.at(primaryIndex), point - grab_, bands, grid, lockH, lockV);
            delta = clampMove(unionOf(start_), delta, bands.bottomLimit());
            tracked_.clear();
            for (PixelBox box : start_) {
                box.left += delta.x();
                box.top += delta.y();
                tracked_ << box;
            }
            emit statusTextChanged(boxText(PixelBox::of(unionOf(tracked_))));
            break;
        }
        case Tool::Resize: {
            const TppComponent* component = selection_.primary();
            if (!component || start_.isEmpty())
                return;
            const int limit = layout().bottomLimit();
            const QPoint clamped(std::max(0, point.x()), std::clamp(point.y(), 0, std::max(0, limit)));
            tracked_ = {resizeWithHandle(start_.first(), handle_, clamped, component->ParentWidth(),
                                         component->ParentHeight())};
            emit statusTextChanged(boxText(tracked_.first()));
            break;
        }
        case Tool::Divider: {
            const WorkspaceLayout bands = layout();
            const TppBand* band = report().Band(dividerBand_);
            if (!band)
                return;
            int lowest = bands.areaTop(dividerBand_);
            for (const TppComponent* component : band->Objects())
                if (!component->ParentHeight())
                    lowest = std::max(lowest, boxOf(*component).bottom());
            dividerTop_ = std::max(lowest, point.y() - dividerGrab_);
            emit statusTextChanged(QStringLiteral("%1: %2").arg(
                band->Caption().isEmpty() ? band->className() : band->Caption(),
                QString::number(UnitsFromMM(toMM(dividerTop_ - bands.areaTop(dividerBand_), true),
                                            report().Units(), Axis::Vertical))));
            break;
        }
        default:
            break;
        }
    });
    emit changed();
}

void DesignerController::mouseRelease(QPoint point) {
    if (tool_ != Tool::Idle)
        mouseMove(point);
    const Tool tool = tool_;
    tool_ = Tool::Idle;
    guarded([&] {
        switch (tool) {
        case Tool::Drag:
            finishDrag();
            break;
        case Tool::Resize:
            finishResize();
            break;
        case Tool::Divider:
            finishDivider();
            break;
        case Tool::RubberBand:
            finishRubberBand();
            break;
        default:
            break;
        }
    });
    tracked_.clear();
    start_.clear();
    emit changed();
}

void DesignerController::finishRubberBand() {
    const QRect band = rubberBandRect();
    QList<TppComponent*> touched;
    for (TppComponent* component : allComponents())
        if (touches(band, boxOf(*component)))
            touched << component;
    selectionDidChange(selection_.rubberBand(touched, additive_));
}

void DesignerController::finishDrag() {
    const QList<TppComponent*> selected = selection_.components();
    if (tracked_.size() != selected.size())
        return;
    const WorkspaceLayout bands = layout();
    QList<ComponentPlacement> before;
    QList<ComponentPlacement> after;
    for (int index = 0; index < selected.size(); ++index) {
        const PixelBox& from = start_.at(index);
        const PixelBox& to = tracked_.at(index);
        if (from == to)
            continue;
        int band = bands.bandAt(to.top);
        if (band < 0)
            band = bands.bandAt(to.bottom() - 1);
        // Nothing lives on the last divider or below it: such a drop is refused.
        if (band < 0)
            continue;
        TppComponent& component = *selected.at(index);
        ComponentPlacement placement = placementOf(component);
        before << placement;
        TppBand* target = report().Band(band);
        placement.band = target->Name();
        // A length that did not change in pixels keeps its exact stored value.
        if (to.left != from.left)
            placement.left = toMM(to.left, false);
        if (to.top != from.top || target != component.Band())
            placement.top = toMM(to.top - bands.areaTop(band), true);
        TppComponent* region = regionAt(*target, QPoint(to.left, to.top), &component);
        placement.region = region ? region->Name() : QString();
        after << placement;
    }
    if (!after.isEmpty())
        undoStack_.push(new PlacementCommand(*this, QStringLiteral("Move"), before, after));
}

void DesignerController::finishResize() {
    TppComponent* component = selection_.primary();
    if (!component || tracked_.isEmpty() || start_.isEmpty() || tracked_.first() == start_.first())
        return;
    const PixelBox& from = start_.first();
    const PixelBox& to = tracked_.first();
    const WorkspaceLayout bands = layout();
    int band = bands.bandAt(to.top);
    if (band < 0)
        band = bands.bandAt(to.bottom() - 1);
    if (band < 0)
        return;
    ComponentPlacement before = placementOf(*component);
    ComponentPlacement after = before;
    TppBand* target = report().Band(band);
    after.band = target->Name();
    if (to.left != from.left)
        after.left = toMM(to.left, false);
    if (to.width != from.width)
        after.width = toMM(to.width, false);
    if (to.top != from.top || target != component->Band())
        after.top = toMM(to.top - bands.areaTop(band), true);
    if (to.height != from.height)
        after.height = toMM(to.height, true);
    undoStack_.push(new PlacementCommand(*this, QStringLiteral("Resize"), {before}, {after}));
}

void DesignerController::finishDivider() {
    TppBand* band = report().Band(dividerBand_);
    if (!band)
        return;
    const int pixels = dividerTop_ - layout().areaTop(dividerBand_);
    if (pixels == toPixels(band->mmHeight(), true))
        return;
    setBandHeight(*band, toMM(pixels, true));
}

bool DesignerController::keyPress(int key, Qt::KeyboardModifiers modifiers) {
    const bool control = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    if (key == Qt::Key_Delete && !control && !shift) {
        guarded([&] { deleteSelection(); });
        return true;
    }
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return false;
    }
    if (control == shift)
        return false;
    guarded([&] {
        if (control)
            nudge(dx, dy, 0, 0);
        else
            nudge(0, 0, dx, dy);
    });
    return true;
}

void DesignerController::nudge(int dx, int dy, int dw, int dh) {
    QList<ComponentPlacement> before;
    QList<ComponentPlacement> after;
    for (TppComponent* component : selection_.components()) {
        ComponentPlacement placement = placementOf(*component);
        const ComponentPlacement old = placement;
        // Clamped at 0 as a drag is: a nudge never puts a component off its band.
        if (dx && !component->ParentWidth())
            placement.left = toMM(std::max(0, toPixels(placement.left, false) + dx), false);
        if (dy && !component->ParentHeight())
            placement.top = toMM(std::max(0, toPixels(placement.top, true) + dy), true);
        const int width = toPixels(placement.width, false);
        const int height = toPixels(placement.height, true);
        if (dw && !component->ParentWidth() && width + dw >= 1)
            placement.width = toMM(width + dw, false);
        if (dh && !component->ParentHeight() && height + dh >= 1)
            placement.height = toMM(height + dh, true);
        if (placement == old)
            continue;
        before << old;
        after << placement;
    }
    if (!after.isEmpty())
        undoStack_.push(new PlacementCommand(
            *this, dx || dy ? QStringLiteral("Move") : QStringLiteral("Resize"), before, after));
}

TppComponent* DesignerController::createComponent(const QString& className, QPoint point) {
    const ClassInfo* info = ClassRegistry::instance().find(className);
    if (!info || !info->isCreatable() || !info->inheritsFrom(TppComponent::staticClassInfo()))
        throw EDesignError(QStringLiteral("%1 is not a report component.").arg(className));
    const int bandNumber = layout().bandAt(point.y());
    // Below the last band there is nothing to put a component in.
    if (bandNumber < 0)
        return nullptr;
    TppBand* band = report().Band(bandNumber);
    selectionDidChange(selection_.clear());
    std::unique_ptr<Persistent> made(info->create(&scope()));
    auto* component = dynamic_cast<TppComponent*>(made.get());
    if (!component)
        return nullptr;
    component->SetName(UniqueComponentName(&scope(), ClassNameWithoutT(*component), component));
    component->SetUserName(component->Name().mid(2));
    component->SetBand(band);
    const QSize size = defaultPixelSize(*info);
    const int areaTop = layout().areaTop(bandNumber);
    component->SetBounds(toMM(std::max(0, point.x()), false), toMM(point.y() - areaTop, true),
                         toMM(size.width(), false), toMM(size.height(), true));
    if (info->property(QStringLiteral("Font"))) {
        PropertyCommand::apply(*component, QStringLiteral("Font.Name"), defaultFontName);
        PropertyCommand::apply(*component, QStringLiteral("Font.Size"), defaultFontSize);
    }
    if (const PropertyInfo* color = info->property(QStringLiteral("Color")); color && color->set)
        color->set(*component, 0xFFFFFF);
    if (const PropertyInfo* caption = info->property(QStringLiteral("Caption")); caption && caption->set)
        caption->set(*component, ClassNameWithoutTpp(*component) +
                                     component->Name().mid(ClassNameWithoutT(*component).size()));
    if (info->property(QStringLiteral("DataField")))
        component->SetDataPipeline(band->DataPipeline());
    if (TppComponent* region = regionAt(*band, point, component))
        component->SetRegion(region);
    if (auto* subReport = dynamic_cast<TppSubReport*>(component))
        createChildReport(*subReport);
    if (onCreateComponent)
        onCreateComponent(component);
    if (onValidateComponent && !onValidateComponent(component))
        return nullptr;   // the veto frees it
    (void)made.release(); // the command and the form hold it now
    pushInserted(QStringLiteral("Create %1").arg(component->Name()), store({component}));
    markModified();
    selectionDidChange(selection_.selectOnly(component));
    paletteClass_.clear();
    return component;
}

void DesignerController::pushInserted(const QString& text, StoredComponents stored) {
    undoStack_.push(new ComponentsCommand(*this, text, std::move(stored), ComponentsCommand::Insert, true));
}

QList<TppComponent*> DesignerController::topLevelSelection() const {
    QList<TppComponent*> top;
    for (TppComponent* component : selection_.components()) {
        bool insideSelected = false;
        for (TppComponent* region = component->Region(); region; region = region->Region())
            insideSelected = insideSelected || selection_.contains(region);
        if (!insideSelected)
            top << component;
    }
    return top;
}

void DesignerController::deleteSelection() {
    const QList<TppComponent*> doomed = topLevelSelection();
    if (doomed.isEmpty())
        return;
    undeleteBuffer_ = store(doomed);
    undeleteReport_ = report().Name();
    removeComponents(QStringLiteral("Delete"), doomed);
}

void DesignerController::removeComponents(const QString& text, const QList<TppComponent*>& components) {
    if (components.isEmpty())
        return;
    StoredComponents stored = store(components);
    announceDestroyed(components);
    undoStack_.push(new ComponentsCommand(*this, text, std::move(stored), ComponentsCommand::Remove, false));
}

void DesignerController::announceDestroyed(const QList<TppComponent*>& components) {
    if (onDestroyComponent)
        for (TppComponent* component : components)
            onDestroyComponent(component);
}

void DesignerController::undelete() {
    if (!undeleteBuffer_)
        return;
    StoredComponents stored = *undeleteBuffer_;
    undeleteBuffer_.reset();
    // Nowhere to go when the report went with its subreport.
    if (!designReport(undeleteReport_))
        return;
    undoStack_.push(
        new ComponentsCommand(*this, QStringLiteral("Undelete"), stored, ComponentsCommand::Insert, false));
    QList<TppComponent*> restored;
    for (const StoredComponents::Slot& slot : stored.entries)
        if (auto* component = dynamic_cast<TppComponent*>(findByName(slot.name)))
            restored << component;
    selectionDidChange(selection_.set(restored));
}

QByteArray DesignerController::copySelection() {
    const QList<TppComponent*> copied = topLevelSelection();
    if (copied.isEmpty())
        return {};
    QList<const OwnedComponent*> objects;
    for (const TppComponent* component : copied)
        objects << component;
    copied_ = WriteComponents(objects, &scope(), StreamForm::Binary);
    pasteOffset_ = 0;
    return copied_;
}

void DesignerController::cutSelection() {
    if (copySelection().isEmpty())
        return;
    const QList<TppComponent*> doomed = topLevelSelection();
    StoredComponents stored = store(doomed);
    announceDestroyed(doomed);
    undoStack_.push(new ComponentsCommand(*this, QStringLiteral("Cut"), std::move(stored),
                                          ComponentsCommand::Remove, false));
    // What was cut is on the clipboard, not in the undelete buffer.
    undeleteBuffer_.reset();
}

QList<TppComponent*> DesignerController::paste(const QByteArray& data) {
    if (data.isEmpty() || report().Bands().isEmpty())
        return {};
    ReadResult read;
    try {
        read = ReadComponents(data, scope(), &scope());
    } catch (const std::exception&) {
        return {}; // not components of ours: nothing is pasted
    }
    QList<TppComponent*> pasted;
    for (OwnedComponent* object : read.components) {
        if (auto* component = dynamic_cast<TppComponent*>(object))
            pasted << component;
        else
            delete object;
    }
    if (pasted.isEmpty())
        return {};
    const WorkspaceLayout bands = layout();
    // Where the first one was copied from is still taken: this paste goes
    // 8 pixels on from the last one, so repeated pastes cascade.
    {
        TppComponent* first = pasted.first();
        TppBand* band = report().GetBand(first->BandType(), std::max(0, first->GroupNo()));
        if (!band)
            band = report().Band(0);
        bool taken = false;
        for (const TppComponent* other : band->Objects())
            taken = taken || (!pasted.contains(const_cast<TppComponent*>(other)) &&
                              toPixels(other->mmLeft(), false) == toPixels(first->mmLeft(), false) &&
                              toPixels(other->mmTop(), true) == toPixels(first->mmTop(), true));
        pasteOffset_ = taken ? pasteOffset_ + 8 : 0;
    }
    for (TppComponent* component : pasted) {
        TppBand* band = report().GetBand(component->BandType(), std::max(0, component->GroupNo()));
        if (!band)
            band = report().Band(0);
        const int bandNumber = bandIndex(band);
        const int width = std::max(1, toPixels(component->mmWidth(), false));
        const int height = std::max(1, toPixels(component->mmHeight(), true));
        int left = toPixels(component->mmLeft(), false) + pasteOffset_;
        int top = toPixels(component->mmTop(), true) + pasteOffset_;
        left = std::clamp(left, 0, std::max(0, workspaceWidth() - width));
        top = std::clamp(top, 0, std::max(0, bands.areaHeight(bandNumber) - height));
        int mmLeft = component->mmLeft();
        int mmTop = component->mmTop();
        if (left != toPixels(mmLeft, false))
            mmLeft = toMM(left, false);
        if (top != toPixels(mmTop, true))
            mmTop = toMM(top, true);
        const int mmWidth = component->mmWidth();
        const int mmHeight = component->mmHeight();
        component->SetBand(band);
        component->SetBounds(mmLeft, mmTop, mmWidth, mmHeight);
        if (TppComponent* region = regionAt(*band, QPoint(left, bands.areaTop(bandNumber) + top), component))
            component->SetRegion(region);
    }
    pushInserted(QStringLiteral("Paste"), store(pasted));
    markModified();
    selectionDidChange(selection_.set(pasted));
    return pasted;
}

void DesignerController::insertDropped(const QString& text, const QList<TppComponent*>& components) {
    selectionDidChange(selection_.clear());
    if (components.isEmpty())
        return;
    for (TppComponent* component : components) {
        const PixelBox box = boxOf(*component);
        if (component->Band())
            if (TppComponent* region = regionAt(*component->Band(), QPoint(box.left, box.top), component))
                component->SetRegion(region);
        if (onCreateComponent)
            onCreateComponent(component);
    }
    pushInserted(text, store(components));
    markModified();
    selectionDidChange(selection_.set(components));
    for (TppComponent* component : components)
        if (isDataAware(*component))
            announceAssigned(component);
    emit changed();
}

void DesignerController::bringToFront() {
    if (selection_.isEmpty())
        return;
    undoStack_.push(
        new ZOrderCommand(*this, QStringLiteral("Bring to Front"), selection_.components(), true));
}

void DesignerController::sendToBack() {
    if (selection_.isEmpty())
        return;
    undoStack_.push(new ZOrderCommand(*this, QStringLiteral("Send to Back"), selection_.components(), false));
}

void DesignerController::selectAll() {
    selectionDidChange(selection_.selectAll(allComponents()));
    emit changed();
}

void DesignerController::clearSelection() {
    selectionDidChange(selection_.clear());
    emit changed();
}

void DesignerController::setBandHeight(TppBand& band, int mmHeight) {
    if (mmHeight == band.mmHeight())
        return;
    undoStack_.push(new BandHeightCommand(*this, band, mmHeight));
}

void DesignerController::setProperty(OwnedComponent& object, const QString& path, const QVariant& value) {
    const QVariant before = PropertyCommand::read(object, path);
    if (before == value)
        return;
    // Set first: a refused value raises here and leaves no command behind.
    PropertyCommand::apply(object, path, value);
    const QVariant after = PropertyCommand::read(object, path);
    undoStack_.push(new PropertyCommand(*this, object, path, before, after, true));
    if (auto* component = dynamic_cast<TppComponent*>(&object);
        component && isDataAware(*component) &&
        (path == QLatin1String("DataField") || path == QLatin1String("DataPipeline")))
        announceAssigned(component);
}

bool DesignerController::isDataAware(const TppComponent& component) {
    return component.classInfo().property(QStringLiteral("DataField")) != nullptr;
}

void DesignerController::announceAssigned(TppComponent* component) {
    if (onAssignField)
        onAssignField(component);
}

OwnedComponent& DesignerController::scope() const {
    // Child reports and everything in them belong to the main report's owner.
    return main_.Owner() ? *main_.Owner() : static_cast<OwnedComponent&>(main_);
}

OwnedComponent* DesignerController::findByName(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    // A report without owner is not among the components it scopes.
    for (TppCustomReport* candidate : {&report(), &main_})
        if (name.compare(candidate->Name(), Qt::CaseInsensitive) == 0)
            return candidate;
    return scope().FindComponent(name);
}

TppBand* DesignerController::findBand(const QString& name, int bandType) const {
    if (auto* band = dynamic_cast<TppBand*>(findByName(name)); band && band->Report() == &report())
        return band;
    if (TppBand* band = report().GetBand(bandType))
        return band;
    return report().Band(0);
}

ComponentPlacement DesignerController::placementOf(const TppComponent& component) const {
    return {component.Name(),
            component.Band() ? component.Band()->Name() : QString(),
            component.Region() ? component.Region()->Name() : QString(),
            component.mmLeft(),
            component.mmTop(),
            component.mmWidth(),
            component.mmHeight()};
}

void DesignerController::applyPlacement(const ComponentPlacement& placement) {
    auto* component = dynamic_cast<TppComponent*>(findByName(placement.name));
    if (!component)
        return;
    TppBand* band = findBand(placement.band, component->BandType());
    if (band && band != component->Band()) {
        component->SetRegion(nullptr);
        component->SetBand(band);
    }
    auto* region = dynamic_cast<TppComponent*>(findByName(placement.region));
    if (region != component->Region())
        component->SetRegion(region);
    component->SetBounds(placement.left, placement.top, placement.width, placement.height);
}

StoredComponents DesignerController::store(const QList<TppComponent*>& components) const {
    // In band order and drawing order, so that reading them back in turn
    // puts each at its old index.
    QList<TppComponent*> ordered = components;
    std::stable_sort(ordered.begin(), ordered.end(), [this](const TppComponent* a, const TppComponent* b) {
        const int bandA = bandIndex(a->Band());
        const int bandB = bandIndex(b->Band());
        return bandA != bandB ? bandA < bandB : a->HolderIndex() < b->HolderIndex();
    });
    StoredComponents stored;
    QList<const OwnedComponent*> objects;
    for (const TppComponent* component : ordered) {
        objects << component;
        stored.entries << StoredComponents::Slot{
            component->Name(), component->Band() ? component->Band()->Name() : QString(),
            component->BandType(), component->Region() ? component->Region()->Name() : QString(),
            component->HolderIndex()};
    }
    stored.stream = WriteComponents(objects, &scope(), StreamForm::Binary);
    return stored;
}

QList<TppComponent*> DesignerController::restore(StoredComponents& stored) {
    const ReadResult read = ReadComponents(stored.stream, scope(), &scope());
    QList<TppComponent*> restored;
    for (qsizetype index = 0; index < read.components.size(); ++index) {
        auto* component = dynamic_cast<TppComponent*>(read.components.at(index));
        if (!component || index >= stored.entries.size()) {
            delete read.components.at(index);
            continue;
        }
        StoredComponents::Slot& slot = stored.entries[index];
        TppBand* band = findBand(slot.band, slot.bandType);
        if (!band) {
            delete component;
            continue;
        }
        component->SetBand(band);
        if (auto* region = dynamic_cast<TppComponent*>(findByName(slot.region)))
            component->SetRegion(region);
        if (TppComponentHolder* holder = component->Holder(); holder && slot.index >= 0)
            holder->MoveObject(component, std::min(slot.index, holder->ObjectCount() - 1));
        slot.name = component->Name();
        restored << component;
    }
    markModified();
    return restored;
}

void DesignerController::free(const StoredComponents& stored) {
    for (const StoredComponents::Slot& slot : stored.entries)
        if (auto* component = dynamic_cast<TppComponent*>(findByName(slot.name))) {
            forget(component);
            delete component;
        }
    markModified();
}

void DesignerController::forget(const TppComponent* component) {
    bool changed = false;
    for (TppComponent* selected : QList<TppComponent*>(selection_.components())) {
        bool inside = selected == component;
        for (TppComponent* region = selected->Region(); region && !inside; region = region->Region())
            inside = region == component;
        if (inside)
            changed = selection_.remove(selected) || changed;
    }
    selectionDidChange(changed);
}

void DesignerController::notifyChanged() {
    emit changed();
}

void DesignerController::markModified() {
    // A child report is saved as part of the main report.
    main_.SetModified(true);
}

QString DesignerController::boxText(const PixelBox& box) const {
    const TppUnitType units = report().Units();
    auto value = [units](int pixels, bool vertical) {
        const float v =
            UnitsFromMM(toMM(pixels, vertical), units, vertical ? Axis::Vertical : Axis::Horizontal);
        return QString::number(double(v), 'f', units == utInches ? 3 : units == utMillimeters ? 1 : 0);
    };
    const WorkspaceLayout bands = layout();
    const int band = bands.bandAt(box.top);
    const int areaTop = band >= 0 ? bands.areaTop(band) : 0;
    return QStringLiteral("Left %1  Top %2  Width %3  Height %4")
        .arg(value(box.left, false), value(box.top - areaTop, true), value(box.width, false),
             value(box.height, true));
}

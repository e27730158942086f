#pragma once

#include "DesignerGeometry.h"
#include "DesignerSelection.h"
#include "WeakReference.h"

#include <QByteArray>
#include <QObject>
#include <QUndoStack>
#include <QVariant>
#include <functional>
#include <optional>

class OwnedComponent;
class Persistent;
class PropertyInfo;
class TppBand;
class TppComponent;
class TppCustomReport;

// The MIME type under which the designer puts components on the clipboard:
// the binary component stream of the copied components.
inline constexpr char kComponentMimeType[] = "application/x-pagewright-components";

// Where one component sits: its band, its region and its box in
// thousandths of a millimetre, by name so that it survives the component
// being freed and read back by an undo.
struct ComponentPlacement {
    QString name;
    QString band;
    QString region;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ComponentPlacement&, const ComponentPlacement&) = default;
};

// Components as a stream, with where each one was, to free them and read
// them back in the same bands, regions and drawing order.
struct StoredComponents {
    QByteArray stream;
    struct Slot {
        QString name;
        QString band;
        int bandType = 0;
        QString region;
        int index = -1;
    };
    QList<Slot> entries;
};

// The design page's logic, without widgets: the workspace geometry of the
// report's bands and components in screen pixels, the selection, the mouse
// and keyboard tools, and every edit as a command on one undo stack. The
// workspace widget paints what this says and hands it its input.
//
// It designs one report at a time: the main report or the child report of
// one of its subreports. All of them share the one undo stack; each command
// remembers the report it was made in and designs that one again before it
// undoes or redoes, so every edit stays undoable whichever report is shown.
class DesignerController : public QObject {
    Q_OBJECT
public:
    enum class Tool { Idle, RubberBand, Drag, Resize, Divider };

    explicit DesignerController(TppCustomReport& report, QObject* parent = nullptr);
    ~DesignerController() override;

    // The report designed now, and the one the designer was opened on.
    TppCustomReport& report() const;
    TppCustomReport& mainReport() const { return main_; }
    // Designs another report of the main one (a child report); the
    // selection is cleared and reportChanged() tells the window.
    void designReport(TppCustomReport& report);
    // The report of that name (the main report for an empty one), designed
    // when it exists; what the undo commands call first. False when there
    // is no such report (its subreport was deleted).
    bool designReport(const QString& name);
    // The report's layout was replaced (a load, an undo of a load): nothing
    // of the old layout may stay selected or on the undo stack.
    void layoutReplaced();
    QUndoStack& undoStack() { return undoStack_; }
    DesignerSelection& selection() { return selection_; }
    const DesignerSelection& selection() const { return selection_; }

    GridOptions grid;
    QString defaultFontName = QStringLiteral("Arial");
    int defaultFontSize = 10;
    // Told of every new component; the second may refuse it (false), and
    // the component is freed.
    std::function<void(TppComponent*)> onCreateComponent;
    std::function<bool(TppComponent*)> onValidateComponent;
    // Told of each component a delete or cut is about to free.
    std::function<void(TppComponent*)> onDestroyComponent;
    // Told when a data-aware component was given a field or a pipeline (a
    // drop from the data tree, a DataField or DataPipeline edit).
    std::function<void(TppComponent*)> onAssignField;
    // What goes wrong in a mouse or keyboard action, for the window to show.
    std::function<void(const QString&)> onError;

    // Geometry in workspace pixels (the rulers lie outside).
    WorkspaceLayout layout() const;
    int workspaceWidth() const;
    int workspaceHeight() const { return layout().height(); }
    PixelBox boxOf(const TppComponent& component) const;
    int bandIndex(const TppBand* band) const;
    QList<TppComponent*> allComponents() const;
    // Topmost component under the point: the last drawn of the band there.
    TppComponent* componentAt(QPoint point) const;
    // The region of `band` under the point, searched from the last drawn.
    TppComponent* regionAt(const TppBand& band, QPoint point, const TppComponent* except = nullptr) const;
    TppBand* bandAt(int y) const;
    static int toPixels(int mm, bool vertical);
    static int toMM(int pixels, bool vertical);

    // The palette: a class name to create with the next click, or empty
    // for the select arrow.
    const QString& paletteClass() const { return paletteClass_; }
    void setPaletteClass(const QString& className);

    // Mouse and keys, in workspace pixels.
    void mousePress(QPoint point, Qt::KeyboardModifiers modifiers);
    void mouseMove(QPoint point);
    void mouseRelease(QPoint point);
    bool keyPress(int key, Qt::KeyboardModifiers modifiers);

    // What the widget shows while a tool runs.
    Tool tool() const { return tool_; }
    QRect rubberBandRect() const;
    // The selected boxes where a drag or resize would put them now.
    QList<PixelBox> trackedBoxes() const { return tracked_; }
    int draggedDividerTop() const { return dividerTop_; }
    int draggedDividerBand() const { return dividerBand_; }
    QPoint mousePosition() const { return mouse_; }

    // Edits, each one command on the undo stack.
    TppComponent* createComponent(const QString& className, QPoint point);
    void deleteSelection();
    // Frees the components as one undoable step, leaving Undelete as it was.
    void removeComponents(const QString& text, const QList<TppComponent*>& components);
    bool canUndelete() const { return undeleteBuffer_.has_value(); }
    void undelete();
    QByteArray copySelection();
    void cutSelection();
    // Components read from clipboard bytes; garbage gives nothing.
    QList<TppComponent*> paste(const QByteArray& data);
    // Components made outside the controller (fields dropped from the data
    // tree) in the report: each gets the region under it and is announced,
    // then all become one undoable insert and the selection.
    void insertDropped(const QString& text, const QList<TppComponent*>& components);
    void bringToFront();
    void sendToBack();
    void selectAll();
    void clearSelection();
    void nudge(int dx, int dy, int dw, int dh);
    // The band's new height in thousandths of a millimetre.
    void setBandHeight(TppBand& band, int mmHeight);
    // `path` names a published property, dotted into nested objects ("Font.Size").
    void setProperty(OwnedComponent& object, const QString& path, const QVariant& value);

    // What the undo commands call.
    OwnedComponent& scope() const;
    OwnedComponent* findByName(const QString& name) const;
    TppBand* findBand(const QString& name, int bandType) const;
    ComponentPlacement placementOf(const TppComponent& component) const;
    void applyPlacement(const ComponentPlacement& placement);
    StoredComponents store(const QList<TppComponent*>& components) const;
    QList<TppComponent*> restore(StoredComponents& stored);
    void free(const StoredComponents& stored);
    void forget(const TppComponent* component);
    void notifyChanged();
    void markModified();

    // The status bar's text for a box: its position and size in report units.
    QString boxText(const PixelBox& box) const;

signals:
    void changed();
    // Another report is designed now.
    void reportChanged();
    void selectionChanged();
    void statusTextChanged(const QString& text);

private:
    bool guarded(const std::function<void()>& action);
    void finishDrag();
    void finishResize();
    void finishDivider();
    void finishRubberBand();
    void selectionDidChange(bool changed);
    QRect unionOf(const QList<PixelBox>& boxes) const;
    void pushInserted(const QString& text, StoredComponents stored);
    QList<TppComponent*> topLevelSelection() const;
    void announceDestroyed(const QList<TppComponent*>& components);
    // Components that show a field of a pipeline.
    static bool isDataAware(const TppComponent& component);
    void announceAssigned(TppComponent* component);

    TppCustomReport& main_;
    // The child report designed, none for the main report; read as none
    // once that child is freed.
    WeakReference<TppCustomReport> child_;
    QUndoStack undoStack_;
    DesignerSelection selection_;
    QString paletteClass_;

    Tool tool_ = Tool::Idle;
    QPoint pressed_;
    QPoint mouse_;
    bool additive_ = false;
    QPoint grab_;
    int handle_ = -1;
    QList<PixelBox> start_;
    QList<PixelBox> tracked_;
    int dividerBand_ = -1;
    int dividerTop_ = 0;
    int dividerGrab_ = 0;

    std::optional<StoredComponents> undeleteBuffer_;
    // The report the deleted components came from: Undelete puts them back
    // there whichever report is designed by then.
    QString undeleteReport_;
    // Repeated pastes of what was copied cascade by 8 pixels.
    QByteArray copied_;
    int pasteOffset_ = 0;
};

#pragma once

#include "DesignerController.h"

#include <QUndoCommand>
#include <utility>

// The designer's edits as undo commands. They name the objects they touch
// rather than hold them: a delete and its undo free and read back the
// components, so only the names stay the same.

// The report a command was made in, the main one or a child report. Undo
// and redo design it again first: the command's bands are looked up in it,
// and the user sees the edit undone where it was made.
class MadeInReport {
public:
    explicit MadeInReport(const DesignerController& designer);
    void enter(DesignerController& designer) const { designer.designReport(report_); }

private:
    QString report_;
};

// Moves, resizes, nudges: each component back to or on to its placement.
class PlacementCommand : public QUndoCommand {
public:
    PlacementCommand(DesignerController& designer, const QString& text, QList<ComponentPlacement> before,
                     QList<ComponentPlacement> after);
    void undo() override;
    void redo() override;

private:
    DesignerController& designer_;
    MadeInReport madeIn_{designer_};
    QList<ComponentPlacement> before_;
    QList<ComponentPlacement> after_;
};

// A band's height; the band pulls its components up into the new height,
// so their placements are kept on both sides too.
class BandHeightCommand : public QUndoCommand {
public:
    BandHeightCommand(DesignerController& designer, TppBand& band, int mmHeight);
    void undo() override;
    void redo() override;

private:
    DesignerController& designer_;
    MadeInReport madeIn_{designer_};
    QString band_;
    int bandType_;
    int before_;
    int after_;
    QList<ComponentPlacement> placementsBefore_;
    QList<ComponentPlacement> placementsAfter_;
    bool done_ = false;
};

// Components that come (create, paste, undelete) or go (delete, cut).
class ComponentsCommand : public QUndoCommand {
public:
    enum Direction { Insert, Remove };
    // An insert is made after the components exist; its first redo does nothing.
    ComponentsCommand(DesignerController& designer, const QString& text, StoredComponents stored,
                      Direction direction, bool alreadyDone);
    void undo() override;
    void redo() override;

private:
    DesignerController& designer_;
    MadeInReport madeIn_{designer_};
    StoredComponents stored_;
    Direction direction_;
    bool skipRedo_;
};

// One published property of a component, a band or the report.
class PropertyCommand : public QUndoCommand {
public:
    // Made once the value is set; the first redo does nothing.
    PropertyCommand(DesignerController& designer, OwnedComponent& object, QString path, QVariant before,
                    QVariant after, bool alreadyDone);
    void undo() override;
    void redo() override;
    // Values must come back as they were: what they became may not be
    // what was asked (a setter that clamps).
    static void apply(OwnedComponent& object, const QString& path, const QVariant& value);
    static QVariant read(OwnedComponent& object, const QString& path);
    // The object holding the last part of `path` and that property's description.
    static std::pair<Persistent*, const PropertyInfo*> resolve(Persistent& object, const QString& path);

private:
    void set(const QVariant& value);

    DesignerController& designer_;
    MadeInReport madeIn_{designer_};
    QString object_;
    QString path_;
    QVariant before_;
    QVariant after_;
    bool skipRedo_;
};

// Bring to front, send to back: the drawing order of each band touched.
class ZOrderCommand : public QUndoCommand {
public:
    ZOrderCommand(DesignerController& designer, const QString& text, const QList<TppComponent*>& components,
                  bool toFront);
    void undo() override;
    void redo() override;

private:
    DesignerController& designer_;
    MadeInReport madeIn_{designer_};
    QStringList names_;
    QList<QStringList> orders_;
    bool toFront_;
};

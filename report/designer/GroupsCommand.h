#pragma once

#include "DesignerCommands.h"
#include "TppGroupOptions.h"

#include <QByteArray>
#include <QUndoCommand>

// The group dialog's OK: the report's groups in order with their settings,
// before and after. Groups the one state has and the other lacks travel as
// component streams (with their bands and everything in them), so undo
// brings deleted groups back under their names and redo the new ones.
class GroupsCommand : public QUndoCommand {
public:
    GroupsCommand(DesignerController& designer, QList<TppGroupOptions> before, QByteArray removed,
                  QList<TppGroupOptions> after, QByteArray added);
    void undo() override;
    void redo() override;

    // The report's groups as they stand, in order.
    static QList<TppGroupOptions> stateOf(const DesignerController& designer);
    // The groups as a component stream.
    static QByteArray store(const DesignerController& designer, const QList<TppGroup*>& groups);
    // Frees a group with its bands; nothing of it stays selected.
    static void freeGroup(DesignerController& designer, TppGroup* group);
    // Sets every setting of `options` on the group.
    static void applyTo(DesignerController& designer, TppGroup& group, const TppGroupOptions& options);

private:
    void restore(const QList<TppGroupOptions>& state, const QByteArray& missing);

    DesignerController& designer_;
    MadeInReport madeIn_{designer_};
    QList<TppGroupOptions> before_;
    QByteArray removed_;
    QList<TppGroupOptions> after_;
    QByteArray added_;
    bool skipRedo_ = true;
};

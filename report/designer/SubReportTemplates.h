#pragma once

#include "DesignerCommands.h"

#include <QByteArray>
#include <QUndoCommand>

class DesignerDialogs;
class TppChildReport;
class TppSubReport;

// A subreport placed on the workspace gets its child report at once, so
// that it has a tab to design it on, with the bands a new child starts
// with: title, detail and summary for one printed as a child; header,
// detail and footer for a section or a fixed box.
void createChildReport(TppSubReport& subReport);

// The child report designed now; none while the main report is.
TppChildReport* designedChildReport(const DesignerController& designer);

// "S&ave SubReport...": the designed child report alone, as a report
// template file. The child's own template settings stay as they were, so
// the main report's stream does not change by it. False when cancelled.
bool saveSubReport(DesignerController& designer, DesignerDialogs& dialogs);
// "&Load SubReport...": the designed child report's layout from such a
// file, as one undoable step. A file that cannot be read raises and leaves
// the layout as it was. False when cancelled.
bool loadSubReport(DesignerController& designer, DesignerDialogs& dialogs);

// A child report's whole layout, before and after a load; the layouts are
// the template bytes the child reads back.
class ChildLayoutCommand : public QUndoCommand {
public:
    // Made once the new layout is in; the first redo does nothing.
    ChildLayoutCommand(DesignerController& designer, QByteArray before, QByteArray after);
    void undo() override;
    void redo() override;

private:
    void load(const QByteArray& layout);

    DesignerController& designer_;
    MadeInReport madeIn_{designer_};
    QByteArray before_;
    QByteArray after_;
    bool skipRedo_ = true;
};

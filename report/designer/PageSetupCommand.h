#pragma once

#include "DesignerCommands.h"

#include "TppPrinterSetup.h"

#include <QStringList>
#include <QUndoCommand>

class DesignerController;
class TppComponent;
class TppCustomReport;

// The report's paper, orientation, margins and columns, as they stood
// before and after the page setup dialog's OK. The whole setup is restored
// at once: undoing the orientation alone would turn a paper whose size
// was already put back.
struct PageLayout {
    TppPrinterSetup setup;
    int columns = 1;
};

// The controls a new layout leaves wholly beyond the printable width (or,
// with columns, beyond a column's width in the bands printed in columns),
// and the language string of the question that asks to delete them.
struct ControlsOutside {
    QList<TppComponent*> components;
    int message = 0;
};
ControlsOutside controlsOutside(const TppCustomReport& report, const PageLayout& layout);

class PageSetupCommand : public QUndoCommand {
public:
    // Made once `after` is in place, which gave the report the bands named
    // `created`; the first redo does nothing.
    PageSetupCommand(DesignerController& designer, PageLayout before, PageLayout after, QStringList created);
    void undo() override;
    void redo() override;

    static PageLayout layoutOf(const DesignerController& designer);
    // Puts the layout on the report: the setup first, since the column
    // width follows from the printable width. Going from one column to
    // several gives the report column bands; they are named (`names` in
    // turn, else as the designer names components) and their names returned.
    static QStringList apply(DesignerController& designer, const PageLayout& layout,
                             const QStringList& names = {});

private:
    DesignerController& designer_;
    MadeInReport madeIn_{designer_};
    PageLayout before_;
    PageLayout after_;
    QStringList created_;
    bool skipRedo_ = true;
};

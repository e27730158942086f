#pragma once

#include "DesignerCommands.h"

#include <QByteArray>
#include <QList>
#include <QUndoCommand>

class DesignerController;
class TppBand;

// A band the Report menu switches on and off: its type code, the menu's
// caption and the action's object name.
struct ToggledBand {
    int bandType;
    const char* caption;
    const char* objectName;
};
const QList<ToggledBand>& toggledBands();

// Gives the report a band of that type when it has none, else removes the
// one it has with everything in it: one undoable step either way.
void toggleReportBand(DesignerController& designer, int bandType);

// Frees a band with its components; nothing of it stays selected.
void freeBand(DesignerController& designer, TppBand* band);

// A band that comes or goes. It travels as a component stream holding its
// components, so undoing a removal brings them back under their names, in
// their places and drawing order.
class BandToggleCommand : public QUndoCommand {
public:
    // Made once the band was added or removed; the first redo does nothing.
    BandToggleCommand(DesignerController& designer, const QString& text, QString band, QByteArray stream,
                      bool adding);
    void undo() override;
    void redo() override;

private:
    void insert();
    void remove();

    DesignerController& designer_;
    MadeInReport madeIn_{designer_};
    QString band_;
    QByteArray stream_;
    bool adding_;
    bool skipRedo_ = true;
};

#pragma once

#include "FieldDrag.h"
#include "TppFont.h"

#include <QList>
#include <QPoint>

class DesignerController;
class TextMeasurer;
class TppComponent;

// The drop options of the data tree's Layout page, and the drop itself:
// for each dragged field a label and a data control chosen by the field's
// type, optionally framed by border shapes, arranged in a tabular row or a
// vertical column at the drop point, all in one undoable step.
class TppAutoLayoutManager {
public:
    enum class Create { All, Labels, Fields };
    enum class Style { Tabular, Vertical };

    TppAutoLayoutManager();

    Create create = Create::All;
    Style style = Style::Tabular;
    TppFont labelFont;
    TppFont fieldFont;
    bool labelGrid = false;
    bool fieldGrid = false;

    bool createsLabels() const { return create != Create::Fields; }
    bool createsFields() const { return create != Create::Labels; }

    // Creates and arranges the components for `fields` dropped at `point`
    // (workspace pixels) and selects them; nothing below the last band or
    // for fields whose pipeline is not found. `measurer` sizes the texts.
    QList<TppComponent*> dropFields(DesignerController& designer, QPoint point,
                                    const QList<DraggedField>& fields, const TextMeasurer& measurer) const;
};

#pragma once

#include "DesignerGeometry.h"

#include <QList>
#include <QPoint>
#include <optional>

// What one dragged field became: its label, its data control and the border
// shapes around them, each present only when it was created. Boxes are in
// screen pixels relative to the top of the band the drop landed in.
struct AutoLayoutItem {
    std::optional<PixelBox> label;
    std::optional<PixelBox> field;
    std::optional<PixelBox> labelBorder;
    std::optional<PixelBox> fieldBorder;
};

// The band a drop landed in, as the arrangement needs it.
struct AutoLayoutBand {
    int width = 0;
    int height = 0;
    // Another band follows in the report: the tabular row of fields may
    // move there when the labels leave it no room.
    bool hasNext = false;
};

// Arranges the items of one drop from the drop point: the sizes come in as
// the items were made, the positions (and widths the arrangement evens
// out) go out. Pure arithmetic, so both arrangements are tested with
// round numbers and no widgets.
class TppAutoLayout {
public:
    virtual ~TppAutoLayout() = default;

    QPoint StartPoint;
    AutoLayoutBand Band;
    // The field font's height in screen pixels (its absolute Height).
    int FieldFontHeight = 0;
    QList<AutoLayoutItem> Items;

    virtual void Layout() = 0;

    // Set by the arrangement: the data controls go to the band after the
    // drop's band (their borders then take that band's height).
    bool FieldsInNextBand() const { return fieldsInNextBand_; }
    // Set by the arrangement: labels and fields are to be left-justified.
    bool LeftJustified() const { return leftJustified_; }

protected:
    bool hasLabels() const;
    bool hasFields() const;

    bool fieldsInNextBand_ = false;
    bool leftJustified_ = false;
};

// Labels in a row at the drop point, their fields in a row below them (or
// at the top of the next band when the labels leave no room), each label
// as wide as its field.
class TppAutoLayoutTabular final : public TppAutoLayout {
public:
    void Layout() override;

private:
    // Where the next label and the next field go.
    QPoint labelCursor_;
    QPoint fieldCursor_;
};

// A label and its field side by side on each row, rows one below the
// other, each item resting on the bottom of its row.
class TppAutoLayoutVertical final : public TppAutoLayout {
public:
    void Layout() override;
};

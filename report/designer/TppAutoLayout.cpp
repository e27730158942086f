#include "TppAutoLayout.h"

#include <algorithm>

namespace {

// Borders stand 2 pixels outside what they frame.
constexpr int kBorderMargin = 2;
// Items of a row, and rows, are 4 pixels apart.
constexpr int kGap = 4;

PixelBox borderAround(const PixelBox& box) {
    return {box.left - kBorderMargin, box.top - kBorderMargin, box.width + 2 * kBorderMargin,
            box.height + 2 * kBorderMargin};
}

} // namespace

bool TppAutoLayout::hasLabels() const {
    return std::any_of(Items.cbegin(), Items.cend(), [](const AutoLayoutItem& item) { return item.label; });
}

bool TppAutoLayout::hasFields() const {
    return std::any_of(Items.cbegin(), Items.cend(), [](const AutoLayoutItem& item) { return item.field; });
}

void TppAutoLayoutTabular::Layout() {
    fieldsInNextBand_ = false;
    leftJustified_ = false;
    if (Items.isEmpty())
        return;
    const int x = StartPoint.x();
    const int y = StartPoint.y();
    const bool labels = hasLabels();
    const bool fields = hasFields();
    if (labels && fields)
        for (AutoLayoutItem& item : Items)
            if (item.label && item.field)
                item.label->width = item.field->width = std::max(item.label->width, item.field->width);

    int labelTop = 0;
    if (labels) {
        const AutoLayoutItem& first = Items.first();
        const int height = first.label ? first.label->height : 0;
        labelTop = std::min(y, Band.height - height - (first.labelBorder ? kBorderMargin : 0));
        // A band shorter than the label would put it above the band.
        labelTop = std::max(0, labelTop);
    }
    int fieldTop = 0;
    if (fields) {
        const int limit = Band.height - (FieldFontHeight + 3);
        if (labels) {
            const AutoLayoutItem& first = Items.first();
            const int labelBottom = labelTop + (first.label ? first.label->height : 0);
            if (limit < labelBottom && Band.hasNext) {
                fieldsInNextBand_ = true;
                fieldTop = 2;
            } else {
                fieldTop = labelBottom + 5;
                if (fieldTop > Band.height)
                    fieldTop = Band.height - 4;
            }
        } else {
            fieldTop = std::min(y, limit);
        }
        fieldTop = std::max(0, fieldTop);
    }

    labelCursor_ = QPoint(x, labelTop);
    fieldCursor_ = QPoint(x, fieldTop);
    // Past the band's right edge everything further piles up 10 pixels inside it.
    const auto advance = [this](QPoint& cursor, int width) {
        cursor.rx() += width + kGap;
        if (cursor.x() > Band.width)
            cursor.setX(Band.width - 10);
    };
    for (AutoLayoutItem& item : Items) {
        if (item.label) {
            item.label->left = labelCursor_.x();
            item.label->top = labelCursor_.y();
            if (item.labelBorder)
                item.labelBorder = borderAround(*item.label);
            advance(labelCursor_, item.label->width);
        }
        if (item.field) {
            item.field->left = fieldCursor_.x();
            item.field->top = fieldCursor_.y();
            if (item.fieldBorder)
                item.fieldBorder = borderAround(*item.field);
            advance(fieldCursor_, item.field->width);
        }
    }
}

void TppAutoLayoutVertical::Layout() {
    fieldsInNextBand_ = false;
    leftJustified_ = true;
    if (Items.isEmpty())
        return;
    const int x = StartPoint.x();
    const int y = StartPoint.y();
    int labelWidth = 0;
    int fieldWidth = 0;
    for (const AutoLayoutItem& item : Items) {
        if (item.label)
            labelWidth = std::max(labelWidth, item.label->width);
        if (item.field)
            fieldWidth = std::max(fieldWidth, item.field->width);
    }
    const int fieldLeft = hasLabels() ? x + labelWidth + kGap : x;

    const auto rowHeight = [](const AutoLayoutItem& item) {
        return std::max(item.label ? item.label->height : 0, item.field ? item.field->height : 0);
    };
    // Each kind is stacked on its own; as every item rests on the bottom of
    // its row, labels and fields of a row end on the same line.
    std::optional<PixelBox> previousLabel;
    std::optional<PixelBox> previousField;
    for (AutoLayoutItem& item : Items) {
        const int height = rowHeight(item);
        const auto place = [&](PixelBox& box, std::optional<PixelBox>& previous, int left) {
            box.left = left;
            box.top = previous ? previous->bottom() + kGap + height - box.height : y + height - box.height;
            previous = box;
        };
        const auto border = [&](const PixelBox& box, int width) {
            return PixelBox{box.left - kBorderMargin,
                            box.bottom() + kBorderMargin - (height + 2 * kBorderMargin),
                            width + 2 * kBorderMargin, height + 2 * kBorderMargin};
        };
        if (item.label) {
            item.label->width = labelWidth;
            place(*item.label, previousLabel, x);
            if (item.labelBorder)
                item.labelBorder = border(*item.label, item.label->width);
        }
        if (item.field) {
            place(*item.field, previousField, fieldLeft);
            if (item.fieldBorder)
                item.fieldBorder = border(*item.field, fieldWidth);
        }
    }
}

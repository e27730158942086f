#include "TppAutoLayoutManager.h"

#include "ComponentNames.h"
#include "DesignerController.h"
#include "TextMeasurer.h"
#include "TppAutoLayout.h"
#include "TppBand.h"
#include "TppCustomReport.h"
#include "TppDBImage.h"
#include "TppDBMemo.h"
#include "TppDBText.h"
#include "TppDataPipeline.h"
#include "TppLabel.h"
#include "TppShape.h"
#include "Units.h"

#include <cmath>
#include <memory>

namespace {

TppFont timesNewRoman(unsigned style) {
    TppFont font;
    font.name = QStringLiteral("Times New Roman");
    font.size = 12;
    font.style = style;
    return font;
}

template <class Component> Component* makeComponent(DesignerController& designer, TppBand& band) {
    auto* component = new Component(&designer.scope());
    component->SetName(UniqueComponentName(&designer.scope(), ClassNameWithoutT(*component), component));
    component->SetUserName(component->Name().mid(2));
    component->SetBand(&band);
    return component;
}

// What one dragged field made, with the boxes the arrangement moves.
struct Made {
    TppComponent* label = nullptr;
    TppComponent* field = nullptr;
    TppComponent* labelBorder = nullptr;
    TppComponent* fieldBorder = nullptr;
};

TppShape* makeBorder(DesignerController& designer, TppBand& band) {
    auto* shape = makeComponent<TppShape>(designer, band);
    shape->SetNoFill();
    return shape;
}

void place(TppComponent& component, const PixelBox& box) {
    component.SetBounds(DesignerController::toMM(box.left, false), DesignerController::toMM(box.top, true),
                        DesignerController::toMM(std::max(1, box.width), false),
                        DesignerController::toMM(std::max(1, box.height), true));
}

} // namespace

TppAutoLayoutManager::TppAutoLayoutManager()
    : labelFont(timesNewRoman(TppFont::fsBold)), fieldFont(timesNewRoman(0)) {}

QList<TppComponent*> TppAutoLayoutManager::dropFields(DesignerController& designer, QPoint point,
                                                      const QList<DraggedField>& fields,
                                                      const TextMeasurer& measurer) const {
    TppCustomReport& report = designer.report();
    const WorkspaceLayout bands = designer.layout();
    const int bandNumber = bands.bandAt(point.y());
    // Nothing lives on the last divider or below it.
    if (bandNumber < 0 || fields.isEmpty())
        return {};
    TppBand& band = *report.Band(bandNumber);
    TppBand* next = report.Band(bandNumber + 1);
    const int ppi = screenResolution().pixelsPerInch(Axis::Vertical);

    QList<Made> made;
    std::unique_ptr<TppAutoLayout> layout;
    if (style == Style::Vertical)
        layout = std::make_unique<TppAutoLayoutVertical>();
    else
        layout = std::make_unique<TppAutoLayoutTabular>();
    for (const DraggedField& dragged : fields) {
        TppDataPipeline* pipeline = TppDataPipeline::FindByName(&designer.scope(), dragged.pipeline);
        if (!pipeline)
            continue;
        const TppFieldAlignment alignment = pipeline->GetFieldAlignment(dragged.field);
        Made item;
        AutoLayoutItem boxes;
        if (createsLabels()) {
            auto* label = makeComponent<TppLabel>(designer, band);
            label->SetAutoSize(false);
            label->SetCaption(pipeline->GetFieldAlias(dragged.field));
            label->SetAlignment(alignment);
            label->SetFont(labelFont);
            label->SetTransparent(true);
            boxes.label = PixelBox{0, 0, measurer.width(labelFont, ppi, label->Caption()) + 4,
                                   measurer.metrics(labelFont, ppi).height};
            item.label = label;
            if (labelGrid) {
                item.labelBorder = makeBorder(designer, band);
                boxes.labelBorder = PixelBox{};
            }
        }
        if (createsFields()) {
            const TppDataType type = pipeline->GetFieldDataType(dragged.field);
            TppComponent* control = nullptr;
            PixelBox box;
            if (type == dtBLOB || type == dtGraphic) {
                auto* image = makeComponent<TppDBImage>(designer, band);
                image->SetDataField(dragged.field);
                image->SetStretch(true);
                image->SetTransparent(true);
                control = image;
                box = {0, 0, 50, 50};
            } else if (type == dtMemo) {
                auto* memo = makeComponent<TppDBMemo>(designer, band);
                memo->SetDataField(dragged.field);
                memo->SetFont(fieldFont);
                memo->SetTransparent(true);
                control = memo;
                box = {0, 0, 150, 50};
            } else {
                auto* text = makeComponent<TppDBText>(designer, band);
                text->SetAutoSize(false);
                text->SetDataField(dragged.field);
                text->SetFont(fieldFont);
                text->SetTransparent(true);
                text->SetAlignment(alignment);
                control = text;
                box = {0, 0,
                       pipeline->GetFieldDisplayWidth(dragged.field) *
                               measurer.width(fieldFont, ppi, QStringLiteral("O")) +
                           4,
                       measurer.metrics(fieldFont, ppi).height};
            }
            control->SetDataPipeline(pipeline);
            boxes.field = box;
            item.field = control;
            if (fieldGrid) {
                item.fieldBorder = makeBorder(designer, band);
                boxes.fieldBorder = PixelBox{};
            }
        }
        made << item;
        layout->Items << boxes;
    }
    if (made.isEmpty())
        return {};

    layout->StartPoint = QPoint(std::max(0, point.x()), point.y() - bands.areaTop(bandNumber));
    layout->Band = {designer.workspaceWidth(), bands.areaHeight(bandNumber), next != nullptr};
    layout->FieldFontHeight = std::abs(fieldFont.Height());
    layout->Layout();

    QList<TppComponent*> created;
    for (qsizetype index = 0; index < made.size(); ++index) {
        const Made& item = made.at(index);
        const AutoLayoutItem& boxes = layout->Items.at(index);
        if (item.label) {
            place(*item.label, *boxes.label);
            if (layout->LeftJustified())
                static_cast<TppLabel*>(item.label)->SetAlignment(taLeftJustify);
            created << item.label;
        }
        if (item.labelBorder) {
            place(*item.labelBorder, *boxes.labelBorder);
            created << item.labelBorder;
        }
        if (item.field) {
            if (layout->FieldsInNextBand() && next)
                item.field->SetBand(next);
            place(*item.field, *boxes.field);
            if (auto* text = dynamic_cast<TppDBText*>(item.field); text && layout->LeftJustified())
                text->SetAlignment(taLeftJustify);
            created << item.field;
        }
        if (item.fieldBorder) {
            if (layout->FieldsInNextBand() && next) {
                item.fieldBorder->SetBand(next);
                place(*item.fieldBorder, *boxes.fieldBorder);
                item.fieldBorder->SetParentHeight(true);
            } else {
                place(*item.fieldBorder, *boxes.fieldBorder);
            }
            created << item.fieldBorder;
        }
    }
    // Borders go behind what they frame.
    for (const Made& item : made)
        for (TppComponent* border : {item.labelBorder, item.fieldBorder})
            if (border)
                border->SendToBack();
    designer.insertDropped(QStringLiteral("Drop Fields"), created);
    return created;
}

#include "ReportWizardBuilder.h"

#include "LabelReport.h"
#include "LayoutOwner.h"
#include "PagewrightErrors.h"
#include "TppBand.h"
#include "TppCustomMemo.h"
#include "TppDBImage.h"
#include "TppDBMemo.h"
#include "TppDBText.h"
#include "TppDataPipeline.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppGroup.h"
#include "TppGroupFooterBand.h"
#include "TppGroupHeaderBand.h"
#include "TppHeaderBand.h"
#include "TppLabel.h"
#include "TppLine.h"
#include "TppNotifyOperation.h"
#include "TppReportLayout.h"
#include "TppReportStyle.h"
#include "TppReportTemplate.h"
#include "TppShape.h"
#include "TppSummaryBand.h"
#include "TppSystemVariable.h"
#include "TppTitleBand.h"
#include "Units.h"
#include "WizardBands.h"

#include <QBuffer>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>

namespace {

struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

int mmAcross(int pixels) {
    return UnitsToMM(float(pixels), utScreenPixels, Axis::Horizontal);
}
int mmDown(int pixels) {
    return UnitsToMM(float(pixels), utScreenPixels, Axis::Vertical);
}

// One selected field while the report is built.
struct FieldBuild {
    TppWizardField field;
    int selection = 0;
    int group = -1; // its group's position, -1 for a field that forms none
    bool inHeader = false;
    TppComponent* control = nullptr;
    TppLabel* label = nullptr;
    TAlignment alignment = taLeftJustify;
    int adjustedWidth = 0;
};

class ReportBuild {
public:
    ReportBuild(TppCustomReport& report, const TppReportWizardChoices& choices)
        : report_(report), choices_(choices), measurer_(report.Measurer()),
          pixelsPerInch_(screenResolution().pixelsPerInch(Axis::Vertical)) {}

    void run() {
        report_.PrinterSetup().SetOrientation(choices_.orientation);
        bandWidth_ = int(std::lround(UnitsFromMM(report_.PageDef().printableWidth(), utScreenPixels)));
        ensureBands();
        createGroups();
        style_ = createReportStyle(choices_.style, report_);
        layout_ = createReportLayout(choices_.layout, report_);
        addTitle();
        addFooter();
        createFieldControls();
        arrangeFields();
        decorateBands();
        applyStyle();
        // Fonts set by the style fit text boxes to their text; the boxes
        // worked out above are the layout.
        for (const auto& [component, box] : boxes_)
            setBounds(component, box);
    }

private:
    template <class Band> Band* band(int type, int height = -1) {
        auto* found = static_cast<Band*>(report_.GetBand(type));
        if (!found) {
            found = newLayoutObject<Band>(report_);
            found->SetReport(&report_);
        }
        if (height >= 0)
            found->SetmmHeight(mmDown(height));
        return found;
    }

    void ensureBands() {
        createDefaultBands(report_);
        band<TppTitleBand>(btTitle, 50);
        if (isChildReport(report_)) {
            band<TppSummaryBand>(btSummary, 50);
            delete report_.GetBand(btHeader);
            delete report_.GetBand(btFooter);
        } else {
            band<TppHeaderBand>(btHeader);
            band<TppFooterBand>(btFooter);
        }
        band<TppDetailBand>(btDetail);
    }

    const TppWizardField* fieldNamed(const QString& name) const {
        for (const TppWizardField& field : choices_.fields)
            if (field.fieldName == name)
                return &field;
        return nullptr;
    }

    void createGroups() {
        for (const QString& name : choices_.groupFields) {
            const TppWizardField* field = fieldNamed(name);
            auto* group = newLayoutObject<TppGroup>(report_);
            group->SetReport(&report_);
            group->SetBreakName(name);
            group->SetDataPipeline(field ? field->pipeline : nullptr);
            group->CreateBands();
            group->HeaderBand()->SetmmHeight(mmDown(50));
        }
    }

    int textHeight(const TppFont& font) const { return measurer_.metrics(font, pixelsPerInch_).height; }
    int textWidth(const TppFont& font, const QString& text) const {
        return measurer_.width(font, pixelsPerInch_, text);
    }
    TppFont labelFont(const TppBand* band) const {
        TppFont font = style_.of(band).font;
        font.style |= TppFont::fsBold;
        return font;
    }

    void setBounds(TppComponent* component, const PixelBox& box) {
        component->SetBounds(mmAcross(box.left), mmDown(box.top), mmAcross(box.width), mmDown(box.height));
    }
    void place(TppComponent* component, const PixelBox& box) {
        boxes_[component] = box;
        setBounds(component, box);
    }
    PixelBox& boxOf(TppComponent* component) { return boxes_[component]; }

    // A label sized to its caption in the band's font, bold.
    TppLabel* newLabel(TppBand* band, const QString& caption) {
        auto* label = newLayoutObject<TppLabel>(report_);
        label->SetAutoSize(false);
        label->SetBand(band);
        const TppFont font = labelFont(band);
        label->SetFont(font);
        label->SetCaption(caption);
        label->SetTransparent(true);
        place(label, {0, 0, textWidth(font, caption) + 4, textHeight(font)});
        return label;
    }

    // A text sized for `characters` zeros of the band's font.
    void sizeText(TppCustomText* text, TppBand* band, int characters, TAlignment alignment) {
        const TppFont& font = style_.of(band).font;
        text->SetFont(font);
        text->SetAlignment(alignment);
        text->SetTransparent(true);
        place(text, {0, 0, characters * textWidth(font, QStringLiteral("0")) + 4, textHeight(font) + 2});
    }

    QString titleCaption() const {
        const TppCustomTemplate& stored = report_.Template();
        if (stored.SaveTo() == stDatabase && !stored.DatabaseSettings().Name().isEmpty())
            return stored.DatabaseSettings().Name();
        if (!stored.FileName().isEmpty())
            return QFileInfo(stored.FileName()).completeBaseName();
        if (!choices_.dataName.isEmpty())
            return choices_.dataName;
        return report_.UserName();
    }

    void addTitle() {
        TppBand* title = report_.GetBand(btTitle);
        TppLabel* label = newLabel(title, titleCaption());
        boxOf(label).left = 5;
        boxOf(label).top = 5;
        place(label, boxOf(label));
    }

    void addFooter() {
        TppBand* footer = footerLikeBand(report_);
        const auto addVariable = [&](TppVarType kind, TAlignment alignment) {
            auto* variable = newLayoutObject<TppSystemVariable>(report_);
            variable->SetBand(footer);
            variable->SetVarType(kind);
            sizeText(variable, footer, int(variable->Text().size()), alignment);
            return variable;
        };
        TppSystemVariable* printed = addVariable(vtPrintDateTime, taLeftJustify);
        boxOf(printed).left = 5;
        boxOf(printed).top = 5;
        place(printed, boxOf(printed));
        TppSystemVariable* pageNo = addVariable(vtPageNoDesc, taRightJustify);
        PixelBox& box = boxOf(pageNo);
        box.left = bandWidth_ - 5 - box.width;
        box.top = 5;
        place(pageNo, box);
    }

    int groupPosition(const QString& fieldName) const { return int(choices_.groupFields.indexOf(fieldName)); }

    void createFieldControls() {
        int selection = 0;
        for (const TppWizardField& field : choices_.fields) {
            FieldBuild build;
            build.field = field;
            build.selection = selection++;
            build.group = groupPosition(field.fieldName);
            build.inHeader = layout_.groupFieldsInHeaders && build.group >= 0;
            TppBand* band =
                build.inHeader ? report_.Group(build.group)->HeaderBand() : report_.GetBand(btDetail);
            build.control = createControl(build, band);
            if (!build.inHeader && layout_.labelBand) {
                build.label =
                    newLabel(layout_.labelBand, field.alias.isEmpty() ? field.fieldName : field.alias);
                PixelBox& control = boxOf(build.control);
                if (boxOf(build.label).width >= control.width)
                    place(build.control,
                          {control.left, control.top, boxOf(build.label).width, control.height});
            }
            build.adjustedWidth =
                std::max(boxOf(build.control).width, build.label ? boxOf(build.label).width : 0);
            fields_.push_back(build);
        }
    }

    TppComponent* createControl(FieldBuild& build, TppBand* band) {
        const TppWizardField& field = build.field;
        TppDataPipeline* pipeline = field.pipeline;
        build.alignment = pipeline ? pipeline->GetFieldAlignment(field.fieldName) : taLeftJustify;
        if (field.dataType == dtBLOB || field.dataType == dtGraphic) {
            auto* image = newLayoutObject<TppDBImage>(report_);
            image->SetBand(band);
            image->SetDataPipeline(pipeline);
            image->SetDataField(field.fieldName);
            image->SetStretch(true);
            place(image, {0, 0, 50, 50});
            return image;
        }
        if (field.dataType == dtMemo) {
            auto* memo = newLayoutObject<TppDBMemo>(report_);
            memo->SetBand(band);
            memo->SetDataPipeline(pipeline);
            memo->SetDataField(field.fieldName);
            memo->SetTransparent(true);
            memo->SetFont(style_.of(band).font);
            place(memo, {0, 0, 150, 50});
            return memo;
        }
        auto* text = newLayoutObject<TppDBText>(report_);
        text->SetBand(band);
        text->SetDataPipeline(pipeline);
        text->SetDataField(field.fieldName);
        if (build.group >= 0 && !build.inHeader)
            text->SetSuppressRepeatedValues(true);
        const int characters =
            pipeline ? pipeline->GetFieldDisplayWidth(field.fieldName) : int(field.alias.size());
        sizeText(text, band, characters, build.alignment);
        return text;
    }

    void arrangeFields() {
        QList<FieldBuild*> inHeaders;
        QList<FieldBuild*> others;
        for (FieldBuild& build : fields_)
            (build.inHeader ? inHeaders : others) << &build;
        const int groups = report_.GroupCount();
        std::stable_sort(inHeaders.begin(), inHeaders.end(),
                         [](const FieldBuild* a, const FieldBuild* b) { return a->group < b->group; });
        const auto key = [groups](const FieldBuild* build) {
            return build->group >= 0 ? build->group : groups + build->selection;
        };
        std::stable_sort(others.begin(), others.end(),
                         [&](const FieldBuild* a, const FieldBuild* b) { return key(a) < key(b); });

        int widestLabel = 0;
        int widths = 0;
        for (const FieldBuild* build : others) {
            widestLabel = std::max(widestLabel, build->label ? boxOf(build->label).width : 0);
            widths += build->adjustedWidth;
        }
        const int count = int(others.size());
        const int total = widths + 5 * std::max(count - 1, 0);
        const bool overflow =
            choices_.layout != rlVertical && count > 0 && bandWidth_ < 5 * count + total - 5;
        const bool shrink = overflow && choices_.adjustFieldWidths;
        // Each field gives up its share of the excess (and 15 pixels to
        // spare). The share is of the fields' widths alone: taken of the
        // row with its gaps, the cuts fall short by the gaps' part and the
        // last fields wrap after all.
        if (shrink)
            for (FieldBuild* build : others) {
                const double share = double(build->adjustedWidth) / widths * (total - bandWidth_ + 15) + 0.5;
                const int cut = int(roundHalfEven(share));
                build->adjustedWidth = std::max(5, build->adjustedWidth - cut);
            }

        int start = 5;
        for (int index = 0; index < inHeaders.size(); ++index) {
            FieldBuild* build = inHeaders[index];
            PixelBox box = boxOf(build->control);
            box.left = layout_.indentGroups ? 20 * index + 5 : 5;
            box.top = 2;
            place(build->control, box);
            if (build->control->Band() == layout_.labelBand)
                layout_.labelTop = box.bottom() + 5;
            start = box.left;
        }

        if (choices_.layout == rlVertical)
            arrangeVertically(others, widestLabel);
        else
            arrangeInRows(others, start, shrink);
    }

    void arrangeVertically(const QList<FieldBuild*>& fields, int widestLabel) {
        int y = 10;
        for (FieldBuild* build : fields) {
            PixelBox control = boxOf(build->control);
            control.left = widestLabel + 10;
            control.top = y;
            place(build->control, control);
            if (build->label) {
                PixelBox label = boxOf(build->label);
                label.left = 5;
                label.top = y;
                place(build->label, label);
            }
            y = control.bottom() + 5;
        }
    }

    void arrangeInRows(const QList<FieldBuild*>& fields, int start, bool shrink) {
        int x = start;
        int fieldTop = 2;
        int labelTop = layout_.labelTop;
        int bottom = 0;
        for (FieldBuild* build : fields) {
            PixelBox control = boxOf(build->control);
            PixelBox label = build->label ? boxOf(build->label) : PixelBox{};
            control.left = label.left = x;
            control.top = fieldTop;
            label.top = labelTop;
            if (build->label)
                build->label->SetAlignment(build->alignment);
            if (shrink)
                control.width = label.width = build->adjustedWidth;
            const int width = std::max(control.width, build->label ? label.width : 0);
            bottom = std::max(bottom, control.bottom());
            const bool firstInRow = x == start;
            x += width + 5;
            // A field that passes the band's right edge starts the next row,
            // unless it is alone in its row already.
            if (x > bandWidth_ + 5 && !firstInRow) {
                const int rowTop = bottom + 3;
                labelTop += rowTop - fieldTop;
                fieldTop = rowTop;
                control.left = label.left = start;
                control.top = fieldTop;
                label.top = labelTop;
                x = start + width + 5;
                bottom = std::max(bottom, control.bottom());
            }
            if (build->alignment == taRightJustify && build->label && control.width < label.width)
                control.left = label.right() - control.width;
            place(build->control, control);
            if (build->label)
                place(build->label, label);
        }
    }

    QList<TppComponent*> componentsOf(const TppBand* band) const {
        QList<TppComponent*> components;
        for (TppComponent* component : band->Objects())
            if (boxes_.contains(component))
                components << component;
        return components;
    }

    void setBandHeight(TppBand* band, int pixels) {
        const int height = mmDown(pixels);
        if (band->PrintHeight() == phStatic && height > report_.PageDef().printableHeight())
            throw EDesignError(QStringLiteral("The report does not fit the page: its %1 band would be %2 "
                                              "pixels high. Choose fewer fields or another layout.")
                                   .arg(ClassNameWithoutTpp(*band).remove(QStringLiteral("Band")))
                                   .arg(pixels));
        band->SetmmHeight(height);
    }

    template <class Graphic> Graphic* addDecoration(TppBand* band, const PixelBox& box) {
        auto* graphic = newLayoutObject<Graphic>(report_);
        graphic->SetBand(band);
        place(graphic, box);
        graphic->SendToBack();
        return graphic;
    }

    void addLine(TppBand* band, int left, int top, int width, bool doubled) {
        auto* line = addDecoration<TppLine>(band, {left, std::max(top, 0), width, doubled ? 4 : 2});
        line->SetPosition(lpTop);
        line->SetStyle(doubled ? lsDouble : lsSingle);
    }

    void addBox(TppBand* band, const PixelBox& box) { addDecoration<TppShape>(band, box)->SetNoFill(); }

    void boxEachControl(TppBand* band, QList<TppComponent*> controls) {
        std::stable_sort(controls.begin(), controls.end(), [&](TppComponent* a, TppComponent* b) {
            const PixelBox& first = boxes_.at(a);
            const PixelBox& second = boxes_.at(b);
            return first.top != second.top ? first.top < second.top : first.left < second.left;
        });
        QList<PixelBox> boxes;
        int previousRight = 2;
        for (int index = 0; index < controls.size(); ++index) {
            const PixelBox& box = boxes_.at(controls[index]);
            const bool newRow = index == 0 || boxes_.at(controls[index - 1]).top != box.top;
            const int left = newRow ? 2 : previousRight;
            int right = box.right() + 2;
            if (index + 1 < controls.size() && boxes_.at(controls[index + 1]).top == box.top)
                right = std::max(right, (box.right() + boxes_.at(controls[index + 1]).left) / 2);
            boxes << PixelBox{left, std::max(box.top - 2, 0), right - left, box.height + 4};
            previousRight = right;
        }
        for (const PixelBox& box : boxes)
            addBox(band, box);
    }

    void decorateBands() {
        const QList<TppBand*> bands = report_.Bands();
        for (TppBand* band : bands) {
            const QList<TppComponent*> controls = componentsOf(band);
            if (controls.isEmpty()) {
                band->SetmmHeight(0);
                continue;
            }
            int top = INT_MAX;
            int bottom = 0;
            int left = INT_MAX;
            for (TppComponent* component : controls) {
                const PixelBox& box = boxes_.at(component);
                top = std::min(top, box.top);
                bottom = std::max(bottom, box.bottom());
                left = std::min(left, box.left);
            }
            setBandHeight(band, bottom + 5);
            const TppBandDecoration decoration = layout_.decorationOf(band);
            if (decoration == bdControlBoxes)
                boxEachControl(band, controls);
            if (band == layout_.labelBand)
                top = layout_.labelTop;
            const int width = bandWidth_ - left - 5;
            switch (decoration) {
            case bdSingleLines:
            case bdDoubleLines:
                addLine(band, left, top - 2, width, decoration == bdDoubleLines);
                addLine(band, left, bottom + 1, width, decoration == bdDoubleLines);
                break;
            case bdLineAbove:
                addLine(band, left, top - 2, width, false);
                break;
            case bdLineBelow:
                addLine(band, left, bottom + 1, width, false);
                break;
            case bdBox:
                addBox(band, {left, std::max(top - 2, 0), width, bottom - top + 4});
                break;
            case bdNone:
            case bdControlBoxes:
                break;
            }
        }
    }

    void applyStyle() {
        const QList<TppBand*> bands = report_.Bands();
        for (TppBand* band : bands) {
            const TppBandStyle style = style_.of(band);
            const bool background = style.background != 0xFFFFFF;
            for (TppComponent* component : band->Objects()) {
                if (auto* text = dynamic_cast<TppCustomText*>(component)) {
                    if (!dynamic_cast<TppLabel*>(text))
                        text->SetFont(style.font);
                    if (background)
                        text->SetTransparent(true);
                } else if (auto* memo = dynamic_cast<TppCustomMemo*>(component)) {
                    memo->SetFont(style.font);
                    if (background)
                        memo->SetTransparent(true);
                } else if (auto* graphic = dynamic_cast<TppCustomGraphic*>(component)) {
                    graphic->SetLineColor(style.lineColor);
                    graphic->SetLineWidth(style.lineWidth);
                }
            }
            if (background && band->mmHeight() > 0) {
                const int height =
                    int(std::lround(UnitsFromMM(band->mmHeight(), utScreenPixels, Axis::Vertical)));
                auto* shape = addDecoration<TppShape>(band, {0, 0, bandWidth_, height});
                shape->SetFillColor(style.background);
                shape->SetLineColor(style.background);
            }
        }
    }

    TppCustomReport& report_;
    const TppReportWizardChoices& choices_;
    const TextMeasurer& measurer_;
    int pixelsPerInch_;
    int bandWidth_ = 0;
    TppReportStyle style_;
    TppReportLayout layout_;
    std::vector<FieldBuild> fields_;
    std::map<TppComponent*, PixelBox> boxes_;
};

} // namespace

void buildWizardReport(TppCustomReport& report, const TppReportWizardChoices& choices) {
    // A refused build gives the report back as it was, from its own stream.
    TppReportTemplate& stored = ReportTemplate(report);
    const bool wasModified = report.Modified();
    QBuffer before;
    before.open(QIODevice::WriteOnly);
    stored.SaveToStream(before);
    try {
        ReportBuild(report, choices).run();
    } catch (...) {
        stored.LoadFromBytes(before.data());
        report.SetModified(wasModified);
        report.BroadcastNotification(&report, ppopLayoutRebuilt);
        throw;
    }
    report.SetModified(true);
    report.BroadcastNotification(&report, ppopLayoutRebuilt);
}

#include "PageSetupCommand.h"

#include "BandToggleCommand.h"
#include "ComponentNames.h"
#include "DesignerController.h"
#include "LanguageStringNumbers.h"
#include "TppBand.h"
#include "TppComponent.h"
#include "TppCustomReport.h"

ControlsOutside controlsOutside(const TppCustomReport& report, const PageLayout& layout) {
    const int pageWidth = layout.setup.PageDef().printableWidth();
    ControlsOutside outside;
    bool beyondColumn = false;
    for (const TppBand* band : report.Bands()) {
        const int type = band->BandTypeCode();
        const bool inColumns =
            layout.columns > 1 && (type == btDetail || type == btColumnHeader || type == btColumnFooter);
        const int width = inColumns ? pageWidth / layout.columns : pageWidth;
        for (TppComponent* component : band->Objects()) {
            if (component->mmLeft() < width)
                continue;
            outside.components << component;
            beyondColumn = beyondColumn || (inColumns && component->mmLeft() < pageWidth);
        }
    }
    if (!outside.components.isEmpty())
        outside.message = beyondColumn ? kMsgControlsBeyondColumnWidth : kMsgControlsBeyondPageWidth;
    return outside;
}

PageSetupCommand::PageSetupCommand(DesignerController& designer, PageLayout before, PageLayout after,
                                   QStringList created)
    : QUndoCommand(QStringLiteral("Page Setup")), designer_(designer), before_(std::move(before)),
      after_(std::move(after)), created_(std::move(created)) {}

PageLayout PageSetupCommand::layoutOf(const DesignerController& designer) {
    return {designer.report().PrinterSetup(), designer.report().Columns()};
}

QStringList PageSetupCommand::apply(DesignerController& designer, const PageLayout& layout,
                                    const QStringList& names) {
    TppCustomReport& report = designer.report();
    const QList<TppBand*> had = report.Bands();
    report.PrinterSetup().Assign(layout.setup);
    report.SetColumns(layout.columns);
    QStringList created;
    for (TppBand* band : report.Bands()) {
        if (had.contains(band))
            continue;
        const QString name = names.value(created.size());
        band->SetName(name.isEmpty() ? UniqueComponentName(&designer.scope(), ClassNameWithoutT(*band), band)
                                     : name);
        band->SetUserName(band->Name().mid(2));
        created << band->Name();
    }
    designer.markModified();
    designer.notifyChanged();
    return created;
}

void PageSetupCommand::undo() {
    madeIn_.enter(designer_);
    // Column bands the columns brought go with them: one column has none.
    for (const QString& name : created_)
        if (auto* band = dynamic_cast<TppBand*>(designer_.findByName(name));
            band && band->Report() == &designer_.report())
            freeBand(designer_, band);
    apply(designer_, before_);
}

void PageSetupCommand::redo() {
    if (skipRedo_) {
        skipRedo_ = false;
        return;
    }
    madeIn_.enter(designer_);
    apply(designer_, after_, created_);
}

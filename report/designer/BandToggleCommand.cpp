#include "BandToggleCommand.h"

#include "ComponentNames.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "DesignerController.h"
#include "TppBand.h"
#include "TppComponent.h"
#include "TppCustomReport.h"
#include "TppFooterBand.h"
#include "TppHeaderBand.h"
#include "TppPageStyle.h"
#include "TppSummaryBand.h"
#include "TppTitleBand.h"

#include <algorithm>
#include <memory>

const QList<ToggledBand>& toggledBands() {
    static const QList<ToggledBand> bands = {{btPageStyle, "Page Style", "actPageStyle"},
                                             {btTitle, "&Title", "actTitle"},
                                             {btSummary, "&Summary", "actSummary"},
                                             {btHeader, "Header", "actHeader"},
                                             {btFooter, "Footer", "actFooter"}};
    return bands;
}

namespace {

std::unique_ptr<TppBand> newBand(int bandType, OwnedComponent* owner) {
    switch (bandType) {
    case btPageStyle:
        return std::make_unique<TppPageStyle>(owner);
    case btTitle:
        return std::make_unique<TppTitleBand>(owner);
    case btSummary:
        return std::make_unique<TppSummaryBand>(owner);
    case btHeader:
        return std::make_unique<TppHeaderBand>(owner);
    case btFooter:
        return std::make_unique<TppFooterBand>(owner);
    default:
        return nullptr;
    }
}

QByteArray streamOf(const DesignerController& designer, const TppBand& band) {
    return WriteComponents({&band}, &designer.scope(), StreamForm::Binary);
}

QString captionOf(const ToggledBand& toggled) {
    return QString::fromLatin1(toggled.caption).remove(QLatin1Char('&'));
}

} // namespace

void freeBand(DesignerController& designer, TppBand* band) {
    for (const TppComponent* component : band->Objects())
        designer.forget(component);
    delete band;
}

void toggleReportBand(DesignerController& designer, int bandType) {
    const auto toggled =
        std::find_if(toggledBands().begin(), toggledBands().end(),
                     [bandType](const ToggledBand& band) { return band.bandType == bandType; });
    if (toggled == toggledBands().end())
        return;
    TppCustomReport& report = designer.report();
    if (TppBand* band = report.GetBand(bandType)) {
        const QString name = band->Name();
        const QByteArray stream = streamOf(designer, *band);
        freeBand(designer, band);
        designer.markModified();
        designer.undoStack().push(new BandToggleCommand(
            designer, QStringLiteral("Remove ") + captionOf(*toggled), name, stream, false));
    } else {
        std::unique_ptr<TppBand> created = newBand(bandType, &designer.scope());
        created->SetName(UniqueComponentName(&designer.scope(), ClassNameWithoutT(*created), created.get()));
        created->SetUserName(created->Name().mid(2));
        created->SetReport(&report);
        TppBand* added = created.release();
        designer.markModified();
        designer.undoStack().push(new BandToggleCommand(designer,
                                                        QStringLiteral("Add ") + captionOf(*toggled),
                                                        added->Name(), streamOf(designer, *added), true));
    }
    designer.notifyChanged();
}

BandToggleCommand::BandToggleCommand(DesignerController& designer, const QString& text, QString band,
                                     QByteArray stream, bool adding)
    : QUndoCommand(text), designer_(designer), band_(std::move(band)), stream_(std::move(stream)),
      adding_(adding) {}

void BandToggleCommand::insert() {
    const ReadResult read = ReadComponents(stream_, designer_.scope(), &designer_.scope());
    for (OwnedComponent* object : read.components) {
        if (auto* band = dynamic_cast<TppBand*>(object)) {
            band->SetReport(&designer_.report());
            band_ = band->Name();
        } else {
            delete object;
        }
    }
    designer_.markModified();
    designer_.notifyChanged();
}

void BandToggleCommand::remove() {
    if (auto* band = dynamic_cast<TppBand*>(designer_.findByName(band_));
        band && band->Report() == &designer_.report())
        freeBand(designer_, band);
    designer_.markModified();
    designer_.notifyChanged();
}

void BandToggleCommand::undo() {
    madeIn_.enter(designer_);
    if (adding_)
        remove();
    else
        insert();
}

void BandToggleCommand::redo() {
    if (skipRedo_) {
        skipRedo_ = false;
        return;
    }
    madeIn_.enter(designer_);
    if (adding_)
        insert();
    else
        remove();
}

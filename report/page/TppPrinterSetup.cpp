#include "TppPrinterSetup.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "OwnedComponent.h"
#include "PagewrightErrors.h"
#include "PaperTable.h"
#include "TppPrinterList.h"

#include <atomic>

namespace {

std::atomic<char16_t> localeDecimalSeparator{u'.'};

// A paper without area would only fail later, dividing by its size.
void refuseEmptyPaper(int mm) {
    if (mm <= 0)
        throw EInvalidPropertyError(
            QStringLiteral("Invalid paper size: width and height must be greater than zero."));
}

} // namespace

const ClassInfo& TppPrinterSetup::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppPrinterSetup>("TppPrinterSetup", &Persistent::staticClassInfo(), [](auto& c) {
            using S = TppPrinterSetup;
            c.property("BinName", &S::BinName, &S::SetBinName);
            c.property("Collation", &S::Collation, &S::SetCollation).withDefault(true);
            c.property("Copies", &S::Copies, &S::SetCopies).withDefault(1);
            c.property("DocumentName", &S::DocumentName, &S::SetDocumentName);
            c.property("Duplex", &S::Duplex, &S::SetDuplex)
                .names(enumerationNames("TppDuplexType"))
                .withDefault(dpNone);
            c.property("MarginBottom", &S::MarginBottom, &S::SetMarginBottom).notStored();
            c.property("MarginLeft", &S::MarginLeft, &S::SetMarginLeft).notStored();
            c.property("MarginRight", &S::MarginRight, &S::SetMarginRight).notStored();
            c.property("MarginTop", &S::MarginTop, &S::SetMarginTop).notStored();
            c.property("Orientation", &S::Orientation, &S::SetOrientation)
                .names(enumerationNames("TPrinterOrientation"))
                .withDefault(poPortrait);
            c.property("PaperHeight", &S::PaperHeight, &S::SetPaperHeight).notStored();
            c.property("PaperName", &S::PaperName, &S::SetPaperName);
            c.property("PaperWidth", &S::PaperWidth, &S::SetPaperWidth).notStored();
            c.property("PrinterName", &S::PrinterName, &S::SetPrinterName);
            const auto margin = [&c](const char* name, int TppPageDef::*member) {
                c.defined(
                    name, PropertyKind::Integer, [member](const S& s) { return s.pageDef_.*member; },
                    [member](S& s, const QVariant& v) { s.SetmmMargin(member, v.toInt()); });
            };
            margin("mmMarginBottom", &TppPageDef::mmMarginBottom);
            margin("mmMarginLeft", &TppPageDef::mmMarginLeft);
            margin("mmMarginRight", &TppPageDef::mmMarginRight);
            margin("mmMarginTop", &TppPageDef::mmMarginTop);
            c.defined(
                "mmPaperHeight", PropertyKind::Integer, [](const S& s) { return s.pageDef_.mmHeight; },
                [](S& s, const QVariant& v) { s.SetmmPaperHeight(v.toInt()); });
            c.defined(
                "mmPaperWidth", PropertyKind::Integer, [](const S& s) { return s.pageDef_.mmWidth; },
                [](S& s, const QVariant& v) { s.SetmmPaperWidth(v.toInt()); });
            c.defined(
                "PaperSize", PropertyKind::Integer, [](const S& s) { return s.PaperSize(); },
                [](S& s, const QVariant& v) { s.SetPaperSize(v.toInt()); });
        });
    return info;
}

void TppPrinterSetup::SetLocaleDecimalSeparator(QChar separator) {
    localeDecimalSeparator = separator.unicode();
}

TppPageDef TppPrinterSetup::InitialPageDef() {
    TppPageDef pageDef;
    if (localeDecimalSeparator != u'.') {
        pageDef.mmWidth = 210000;
        pageDef.mmHeight = 297000;
    }
    return pageDef;
}

TppPrinterSetup::TppPrinterSetup(OwnedComponent* owner) : owner_(owner), pageDef_(InitialPageDef()) {
    resolvePrinter();
}

TppPrinterSetup::TppPrinterSetup(const TppPrinterSetup& other) : Persistent() {
    Assign(other);
}

TppPrinterSetup& TppPrinterSetup::operator=(const TppPrinterSetup& other) {
    Assign(other);
    return *this;
}

bool TppPrinterSetup::reading() const {
    return owner_ && owner_->isLoading();
}

bool TppPrinterSetup::announcing() const {
    return active_ && !reading();
}

bool TppPrinterSetup::offerPageDef(const TppPageDef& pageDef) {
    bool accept = true;
    if (announcing() && OnValidatePageDef)
        OnValidatePageDef(this, pageDef, accept);
    if (accept)
        pageDef_ = pageDef;
    return accept;
}

void TppPrinterSetup::pageDefChanged() {
    if (announcing() && OnPageDefChanged)
        OnPageDefChanged(this);
}

void TppPrinterSetup::settingsChanged() {
    if (announcing() && OnSettingsChanged)
        OnSettingsChanged(this);
}

void TppPrinterSetup::resolvePrinter() {
    printerInfo_ = TppPrinterList::instance().FindPrinter(printerName_);
}

const TppPrinterInfo& TppPrinterSetup::PrinterInfo() const {
    return printerInfo_ ? *printerInfo_ : TppPrinterInfo::noPrinter();
}

QString TppPrinterSetup::PrinterDescription() const {
    const TppPrinterInfo& info = PrinterInfo();
    return info.port().isEmpty() ? info.name() : QStringLiteral("%1 on %2").arg(info.device(), info.port());
}

QString TppPrinterSetup::EffectivePrinterName() const {
    return printerName_ == QLatin1String("Default") ? TppPrinterList::instance().DefaultPrinterName()
                                                    : printerName_;
}

QStringList TppPrinterSetup::PrinterNames() const {
    return TppPrinterList::instance().PrinterNames();
}

float TppPrinterSetup::toUnits(int mm, Axis axis) const {
    return UnitsFromMM(mm, units_, axis);
}

int TppPrinterSetup::fromUnits(float value, Axis axis) const {
    return UnitsToMM(value, units_, axis);
}

void TppPrinterSetup::resolvePendingPaper() const {
    if (pendingPaperCode_ == 0)
        return;
    const TppPrinterInfo& info = PrinterInfo();
    const int index = info.paperIndexOfCode(pendingPaperCode_);
    if (index >= 0)
        paperName_ = info.paperNames()[index];
    pendingPaperCode_ = 0;
}

QString TppPrinterSetup::PaperName() const {
    resolvePendingPaper();
    if (paperName_ != QLatin1String("Custom"))
        return paperName_;
    // Portrait sizes are compared, in whole tenths of a millimetre.
    int width = pageDef_.mmWidth / 100;
    int height = pageDef_.mmHeight / 100;
    if (orientation_ == poLandscape)
        std::swap(width, height);
    return PrinterInfo().paperNameForSize(width, height);
}

bool TppPrinterSetup::listedPageDef(const QString& name, TppPageDef& pageDef, bool throughUnits) const {
    const TppPrinterInfo& info = PrinterInfo();
    const int index = info.paperIndex(name);
    if (index < 0)
        return false;
    const PrinterCapabilities& c = info.capabilities();
    if (c.paperWidths[index] <= 0 || c.paperHeights[index] <= 0)
        return false;
    // A paper chosen by name takes the listed size; a change of unit shows
    // it as the user sees it in that unit (Letter in inches is 11 inches
    // high, 279401 by the stored factor).
    const auto placed = [this, throughUnits](int tenths, Axis axis) {
        return throughUnits ? UnitsToMM(TenthsMMToUnits(tenths, units_, axis), units_, axis) : tenths * 100;
    };
    int width = placed(c.paperWidths[index], Axis::Horizontal);
    int height = placed(c.paperHeights[index], Axis::Vertical);
    if (orientation_ == poLandscape)
        std::swap(width, height);
    pageDef.mmWidth = width;
    pageDef.mmHeight = height;
    return true;
}

void TppPrinterSetup::SetPaperName(const QString& name) {
    pendingPaperCode_ = 0;
    if (!active_ || name == QLatin1String("Custom")) {
        paperName_ = name;
        return;
    }
    // Envelopes feed short edge first: they print across.
    if (name.contains(QLatin1String("Envelope")))
        orientation_ = poLandscape;
    TppPageDef pageDef = pageDef_;
    if (!listedPageDef(name, pageDef, false)) {
        paperName_ = name;
        return;
    }
    if (!offerPageDef(pageDef))
        return;
    paperName_ = name;
    pageDefChanged();
}

float TppPrinterSetup::PaperWidth() const {
    return toUnits(pageDef_.mmWidth, Axis::Horizontal);
}
float TppPrinterSetup::PaperHeight() const {
    return toUnits(pageDef_.mmHeight, Axis::Vertical);
}
float TppPrinterSetup::MarginLeft() const {
    return toUnits(pageDef_.mmMarginLeft, Axis::Horizontal);
}
float TppPrinterSetup::MarginRight() const {
    return toUnits(pageDef_.mmMarginRight, Axis::Horizontal);
}
float TppPrinterSetup::MarginTop() const {
    return toUnits(pageDef_.mmMarginTop, Axis::Vertical);
}
float TppPrinterSetup::MarginBottom() const {
    return toUnits(pageDef_.mmMarginBottom, Axis::Vertical);
}

void TppPrinterSetup::setPaperSide(int TppPageDef::*side, float value, Axis axis) {
    // A negative side is passed over as margins are; a zero one is refused.
    if (value < 0)
        return;
    const int mm = fromUnits(value, axis);
    refuseEmptyPaper(mm);
    TppPageDef pageDef = pageDef_;
    pageDef.*side = mm;
    if (reading()) {
        pageDef_ = pageDef;
        return;
    }
    if (!offerPageDef(pageDef))
        return;
    paperName_ = QStringLiteral("Custom");
    pageDefChanged();
}

void TppPrinterSetup::SetPaperWidth(float value) {
    setPaperSide(&TppPageDef::mmWidth, value, Axis::Horizontal);
}
void TppPrinterSetup::SetPaperHeight(float value) {
    setPaperSide(&TppPageDef::mmHeight, value, Axis::Vertical);
}

void TppPrinterSetup::SetmmPaperWidth(int value) {
    if (value < 0)
        return;
    refuseEmptyPaper(value);
    pageDef_.mmWidth = value;
}

void TppPrinterSetup::SetmmPaperHeight(int value) {
    if (value < 0)
        return;
    refuseEmptyPaper(value);
    pageDef_.mmHeight = value;
}

void TppPrinterSetup::SetmmMargin(int TppPageDef::*margin, int value) {
    if (value >= 0)
        pageDef_.*margin = value;
}

void TppPrinterSetup::setMargin(int TppPageDef::*margin, float value, Axis axis) {
    if (value < 0)
        return;
    TppPageDef pageDef = pageDef_;
    pageDef.*margin = fromUnits(value, axis);
    if (reading())
        pageDef_ = pageDef;
    else if (offerPageDef(pageDef))
        pageDefChanged();
}

void TppPrinterSetup::SetMarginLeft(float value) {
    setMargin(&TppPageDef::mmMarginLeft, value, Axis::Horizontal);
}
void TppPrinterSetup::SetMarginRight(float value) {
    setMargin(&TppPageDef::mmMarginRight, value, Axis::Horizontal);
}
void TppPrinterSetup::SetMarginTop(float value) {
    setMargin(&TppPageDef::mmMarginTop, value, Axis::Vertical);
}
void TppPrinterSetup::SetMarginBottom(float value) {
    setMargin(&TppPageDef::mmMarginBottom, value, Axis::Vertical);
}

void TppPrinterSetup::SetOrientation(TPrinterOrientation orientation) {
    if (orientation == orientation_ || (orientation != poPortrait && orientation != poLandscape))
        return;
    if (reading()) {
        orientation_ = orientation;
        return;
    }
    TppPageDef pageDef = pageDef_;
    std::swap(pageDef.mmWidth, pageDef.mmHeight);
    if (!offerPageDef(pageDef))
        return;
    orientation_ = orientation;
    pageDefChanged();
}

void TppPrinterSetup::SetPrinterName(const QString& name) {
    const QString wanted = name == QLatin1String("Current") ? QStringLiteral("Default") : name;
    std::shared_ptr<const TppPrinterInfo> info = TppPrinterList::instance().FindPrinter(wanted);
    if (!info)
        return;
    const int oldCode = PaperSize();
    const QString oldName = PaperName();
    printerName_ = wanted == QLatin1String("Default") ? wanted : info->name();
    printerInfo_ = std::move(info);
    // The paper stays: by its code on the new printer, else by its size.
    const int index = oldCode == kCustomPaperCode ? -1 : printerInfo_->paperIndexOfCode(oldCode);
    paperName_ = index >= 0 ? printerInfo_->paperNames()[index] : QStringLiteral("Custom");
    if (index < 0 && oldName != QLatin1String("Custom") && printerInfo_->paperIndex(oldName) >= 0)
        paperName_ = oldName;
    settingsChanged();
}

void TppPrinterSetup::SetBinName(const QString& name) {
    const QString wanted = name == QLatin1String("Current") ? QStringLiteral("Default") : name;
    if (wanted == binName_)
        return;
    binName_ = wanted;
    settingsChanged();
}

void TppPrinterSetup::SetCopies(int copies) {
    if (copies < 1 || copies == copies_)
        return;
    copies_ = copies;
    settingsChanged();
}

void TppPrinterSetup::SetCollation(bool value) {
    if (value == collation_)
        return;
    collation_ = value;
    settingsChanged();
}

void TppPrinterSetup::SetDuplex(TppDuplexType value) {
    if (value == duplex_ || value < dpNone || value > dpVertical)
        return;
    duplex_ = value;
    settingsChanged();
}

void TppPrinterSetup::SetDocumentName(const QString& name) {
    if (name == documentName_)
        return;
    documentName_ = name;
    settingsChanged();
}

void TppPrinterSetup::SetUnits(TppUnitType units) {
    units_ = units;
    const QString name = PaperName();
    if (name != QLatin1String("Custom")) {
        TppPageDef pageDef = pageDef_;
        if (listedPageDef(name, pageDef, true))
            pageDef_ = pageDef;
    }
    pageDefChanged();
}

float TppPrinterSetup::PrintableWidth() const {
    return toUnits(pageDef_.printableWidth(), Axis::Horizontal);
}

float TppPrinterSetup::PrintableHeight() const {
    return toUnits(pageDef_.printableHeight(), Axis::Vertical);
}

int TppPrinterSetup::PaperSize() const {
    if (!printerInfo_)
        return 0;
    int index = printerInfo_->paperIndex(PaperName());
    if (index < 0) {
        int width = pageDef_.mmWidth / 100, height = pageDef_.mmHeight / 100;
        if (orientation_ == poLandscape)
            std::swap(width, height);
        index = printerInfo_->paperIndex(printerInfo_->paperNameForSize(width, height));
    }
    return index < 0 ? kCustomPaperCode : printerInfo_->capabilities().paperCodes[index];
}

bool TppPrinterSetup::SameLayout(const TppPrinterSetup& other) const {
    return EffectivePrinterName() == other.EffectivePrinterName() && orientation_ == other.orientation_ &&
           PaperName() == other.PaperName();
}

bool TppPrinterSetup::SameSettings(const TppPrinterSetup& other) const {
    return EffectivePrinterName() == other.EffectivePrinterName() && binName_ == other.binName_ &&
           collation_ == other.collation_ && copies_ == other.copies_ &&
           delegateCopies_ == other.delegateCopies_ && documentName_ == other.documentName_ &&
           outputFileName_ == other.outputFileName_ && duplex_ == other.duplex_ &&
           orientation_ == other.orientation_ && pageDef_ == other.pageDef_;
}

void TppPrinterSetup::Assign(const TppPrinterSetup& other) {
    if (&other == this)
        return;
    printerName_ = other.printerName_;
    paperName_ = other.paperName_;
    pendingPaperCode_ = other.pendingPaperCode_;
    pageDef_ = other.pageDef_;
    orientation_ = other.orientation_;
    binName_ = other.binName_;
    copies_ = other.copies_;
    collation_ = other.collation_;
    duplex_ = other.duplex_;
    documentName_ = other.documentName_;
    units_ = other.units_;
    outputFileName_ = other.outputFileName_;
    delegateCopies_ = other.delegateCopies_;
    resolvePrinter();
}

void TppPrinterSetup::Refresh() {
    resolvePrinter();
    resolvePendingPaper();
}

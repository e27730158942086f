#include "TppCustomBarCode.h"

#include "BarCodeEncoder.h"
#include "BarCodeRules.h"
#include "BarCodeSamples.h"
#include "BarCodeSymbol.h"
#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "NumberFormat.h"
#include "TextEnvironment.h"
#include "TppDrawBarCode.h"
#include "TppReportModel.h"

#include <cmath>

const ClassInfo& TppCustomBarCode::staticClassInfo() {
    static const ClassInfo info = describeClass<TppCustomBarCode>(
        "TppCustomBarCode", &TppCustomComponent::staticClassInfo(), [](auto& c) {
            using B = TppCustomBarCode;
            c.property("BarCodeType", &B::BarCodeType, &B::SetBarCodeType)
                .names(enumerationNames("TppBarCodeType"))
                .withDefault(bcCode39);
            c.property("AddOnCode", &B::AddOnCode, &B::SetAddOnCode);
            c.property("AutoEncode", &B::AutoEncode, &B::SetAutoEncode).withDefault(false);
            c.property("AutoSizeFont", &B::AutoSizeFont, &B::SetAutoSizeFont).withDefault(true);
            c.property("BarColor", &B::BarColor, &B::SetBarColor).idents(colorIdents()).withDefault(clBlack);
            c.property("BarWidth", &B::BarWidth, &B::SetBarWidth).notStored();
            c.property("BearerBars", &B::BearerBars, &B::SetBearerBars).withDefault(false);
            c.property("CalcCheckDigit", &B::CalcCheckDigit, &B::SetCalcCheckDigit).withDefault(true);
            c.property("Orientation", &B::Orientation, &B::SetOrientation)
                .names(enumerationNames("TppBarCodeOrientation"))
                .withDefault(orLeftToRight);
            c.property("PrintHumanReadable", &B::PrintHumanReadable, &B::SetPrintHumanReadable)
                .withDefault(true);
            c.property("WideBarRatio", &B::WideBarRatio, &B::SetWideBarRatio).notStored();
            c.property("Alignment", &B::Alignment, &B::SetAlignment)
                .names(enumerationNames("TAlignment"))
                .withDefault(taLeftJustify);
            c.property("AutoSize", &B::AutoSize, &B::SetAutoSize).withDefault(true);
            c.property("Color", &B::Color, &B::SetColor).idents(colorIdents()).withDefault(clWhite);
            c.object("Font", [](B& b) -> Persistent* { return &b.font_; });
            c.property("Transparent", &B::Transparent, &B::SetTransparent).withDefault(false);
            // Lengths are stored in thousandths of a millimetre whatever the
            // report's units; the ratio in thousandths likewise.
            c.defined("mmBarWidth", PropertyKind::Integer, &B::mmBarWidth,
                      [](B& b, const QVariant& v) { b.SetmmBarWidth(v.toInt()); });
            c.defined(
                "mmWideBarRatio", PropertyKind::Integer,
                [](const B& b) { return int(std::lround(b.wideBarRatio_ * 1000)); },
                [](B& b, const QVariant& v) { b.SetWideBarRatio(v.toInt() / 1000.0f); });
        });
    return info;
}

TppCustomBarCode::TppCustomBarCode(OwnedComponent* owner)
    : TppCustomComponent(owner), mmBarWidth_(UnitsToMM(float(defaultBarWidthInches(bcCode39)), utInches)) {
    font_.name = QStringLiteral("Courier New");
    storeBox(0, 0, UnitsToMM(1.53f, utInches, Axis::Horizontal),
             UnitsToMM(0.5083f, utInches, Axis::Vertical));
}

TppCustomBarCode::~TppCustomBarCode() {
    markDestroying();
}

const ClassInfo* TppCustomBarCode::CommandClass() const {
    return &TppDrawBarCode::staticClassInfo();
}

void TppCustomBarCode::SetBarCodeType(TppBarCodeType type) {
    if (type == type_ || !isBarCodeType(type))
        return;
    type_ = type;
    // A template states every setting itself, the data included.
    if (isLoading())
        return;
    mmBarWidth_ = UnitsToMM(float(defaultBarWidthInches(type)), utInches);
    if (isUpcOrEan(type))
        autoSizeFont_ = true;
    else
        addOnCode_.clear();
    autoEncode_ = type == bcCode128;
    if (type != bcInt2of5)
        bearerBars_ = false;
    if (type == bcPostnet || type == bcFIM) {
        autoSize_ = true;
        printHumanReadable_ = false;
    }
    SampleChosen(barCodeSample(type, calcCheckDigit_, false));
    DataChanged();
}

void TppCustomBarCode::SetAddOnCode(const QString& code) {
    if (!isLoading() && refused(addOnCodeError(type_, code)))
        return;
    addOnCode_ = code;
    DataRefreshed();
}

void TppCustomBarCode::SetAutoEncode(bool value) {
    if (!isLoading() && value && !autoEncodeAllowed(type_))
        return;
    autoEncode_ = value;
    DataRefreshed();
}

void TppCustomBarCode::SetAutoSizeFont(bool value) {
    if (!isLoading() && refused(autoSizeFontError(type_, value)))
        return;
    autoSizeFont_ = value;
    DataRefreshed();
}

void TppCustomBarCode::SetBarColor(int color) {
    font_.color = color;
    Change();
}

float TppCustomBarCode::BarWidth() const {
    return UnitsFromMM(mmBarWidth_, Units());
}

void TppCustomBarCode::SetBarWidth(float width) {
    SetmmBarWidth(UnitsToMM(width, Units()));
}

void TppCustomBarCode::SetmmBarWidth(int width) {
    if (!isLoading() &&
        refused(barWidthError(barWidthInches(width), [this](double inches) { return widthInUnits(inches); })))
        return;
    mmBarWidth_ = width;
    DataRefreshed();
}

QString TppCustomBarCode::widthInUnits(double inches) const {
    const float value = UnitsFromMM(UnitsToMM(float(inches), utInches), Units());
    return formatGeneral(value, localeSettingsOf(*this), 7);
}

void TppCustomBarCode::SetBearerBars(bool value) {
    if (!isLoading() && refused(bearerBarsError(type_, value)))
        return;
    bearerBars_ = value;
    DataRefreshed();
}

void TppCustomBarCode::SetCalcCheckDigit(bool value) {
    calcCheckDigit_ = value;
    DataChanged();
}

void TppCustomBarCode::SetOrientation(TppBarCodeOrientation value) {
    if (!isBarCodeOrientation(value))
        return;
    orientation_ = value;
    DataRefreshed();
}

void TppCustomBarCode::SetPrintHumanReadable(bool value) {
    printHumanReadable_ = value;
    DataRefreshed();
}

void TppCustomBarCode::SetWideBarRatio(float ratio) {
    if (!(ratio >= 1))
        return;
    wideBarRatio_ = ratio;
    DataRefreshed();
}

void TppCustomBarCode::SetAlignment(TAlignment value) {
    alignment_ = value;
    Change();
}

void TppCustomBarCode::SetAutoSize(bool value) {
    if (!isLoading() && refused(autoSizeError(type_, value)))
        return;
    autoSize_ = value;
    DataRefreshed();
}

void TppCustomBarCode::SetColor(int color) {
    color_ = color;
    Change();
}

void TppCustomBarCode::SetFont(const TppFont& font) {
    font_ = font;
    DataRefreshed();
}

void TppCustomBarCode::SetTransparent(bool value) {
    transparent_ = value;
    Change();
}

void TppCustomBarCode::Loaded() {
    TppCustomComponent::Loaded();
    const std::optional<QString> data = DataToEncode();
    codeOK_ = data && encode(*data).ok;
}

BarCodeEncoding TppCustomBarCode::encode(const QString& data) const {
    BarCodeSettings settings;
    settings.type = type_;
    settings.data = data;
    settings.addOnCode = addOnCode_;
    settings.autoEncode = autoEncode_;
    settings.calcCheckDigit = calcCheckDigit_;
    return encodeBarCode(settings);
}

void TppCustomBarCode::symbolChanged(bool tellWhenRefused) {
    if (isLoading())
        return;
    const std::optional<QString> data = DataToEncode();
    const BarCodeEncoding encoding = encode(data.value_or(QString()));
    codeOK_ = data && encoding.ok;
    if (data && !encoding.ok && tellWhenRefused)
        tell(encoding.message);
    followSymbol();
    Change();
}

// The box and the font as the report's printer prints the symbol. Not
// while generating: the draw command sizes itself then.
void TppCustomBarCode::followSymbol() {
    if (!codeOK_ || reportPrinting(*this) || (!autoSize_ && !autoSizeFont_))
        return;
    TppDrawBarCode probe;
    fillCommand(probe, DataToEncode().value_or(QString()), codeOK_);
    const TextCanvas canvas = textCanvasOf(*this);
    const bool vertical = barCodeAxis(orientation_) == Axis::Vertical;
    const int across =
        vertical ? canvas.toPixels(mmWidth(), Axis::Horizontal) : canvas.toPixels(mmHeight(), Axis::Vertical);
    const BarCodeSymbol symbol = layOutBarCodeCommand(
        probe, canvas.resolution().pixelsPerInch(barCodeAxis(orientation_)), across, canvas.measurer);
    if (symbol.layout.isEmpty())
        return;
    if (autoSizeFont_)
        font_.size = symbol.font.size;
    if (autoSize_)
        SetBounds(mmLeft(), mmTop(), canvas.toMM(symbol.layout.size.width(), Axis::Horizontal),
                  canvas.toMM(symbol.layout.size.height(), Axis::Vertical));
}

void TppCustomBarCode::fillCommand(TppDrawBarCode& command, const QString& data, bool codeOK) const {
    command.BarCodeType = type_;
    command.Data = data;
    command.AddOnCode = addOnCode_;
    command.AutoEncode = autoEncode_;
    command.AutoSize = autoSize_;
    command.AutoSizeFont = autoSizeFont_;
    command.BarColor = font_.color;
    command.BarWidth = mmBarWidth_;
    command.WideBarRatio = wideBarRatio_;
    command.BearerBars = bearerBars_;
    command.CalcCheckDigit = calcCheckDigit_;
    command.CodeOK = codeOK;
    command.Color = color_;
    command.Font = font_;
    command.Alignment = alignment_;
    command.Orientation = orientation_;
    command.PrintHumanReadable = printHumanReadable_;
    command.Transparent = transparent_;
}

void TppCustomBarCode::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppCustomComponent::PropertiesToDrawCommand(command);
    auto* barCode = dynamic_cast<TppDrawBarCode*>(&command);
    if (!barCode)
        return;
    // A data-aware barcode has new data on every record.
    const std::optional<QString> data = DataToEncode();
    const bool ok = data && encode(*data).ok;
    fillCommand(*barCode, data.value_or(QString()), ok);
    if (!autoSize_ || !ok)
        return;
    const TextCanvas canvas = textCanvasOf(*this);
    const BarCodeSymbol symbol = layOutBarCodeCommand(
        *barCode, canvas.resolution().pixelsPerInch(barCodeAxis(orientation_)), 0, canvas.measurer);
    if (symbol.layout.isEmpty())
        return;
    barCode->SetWidth(canvas.toMM(symbol.layout.size.width(), Axis::Horizontal));
    barCode->SetHeight(canvas.toMM(symbol.layout.size.height(), Axis::Vertical));
}

bool TppCustomBarCode::refused(const std::optional<QString>& error) const {
    if (!error)
        return false;
    tell(*error);
    return true;
}

void TppCustomBarCode::tell(const QString& message) const {
    const TppReportModel* report = Report();
    if (report && !report->Printing())
        report->Warn(message);
}

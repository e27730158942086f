#include "TppLine.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppDrawLine.h"
#include "Units.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxPenWidth = 1 << 16;

int screenPixelsPerInch() {
    return screenResolution().pixelsPerInch(Axis::Vertical);
}

} // namespace

const ClassInfo& TppLine::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppLine>("TppLine", &TppCustomGraphic::staticClassInfo(), [](auto& c) {
            c.property("Position", &TppLine::Position, &TppLine::SetPosition)
                .names(enumerationNames("TppLinePositionType"))
                .withDefault(lpTop);
            c.property("Style", &TppLine::Style, &TppLine::SetStyle)
                .names(enumerationNames("TppLineStyleType"))
                .withDefault(lsSingle);
            c.property("Weight", &TppLine::Weight, &TppLine::SetWeight).withDefault(0.75f);
        });
    return info;
}

TppLine::TppLine(OwnedComponent* owner) : TppCustomGraphic(owner) {
    storeBox(0, 0, UnitsToMM(50, utScreenPixels, Axis::Horizontal),
             UnitsToMM(15, utScreenPixels, Axis::Vertical));
}

TppLine::~TppLine() {
    markDestroying();
}

void TppLine::SetPosition(TppLinePositionType position) {
    position_ = position;
    GraphicChanged();
}

void TppLine::SetStyle(TppLineStyleType style) {
    style_ = style;
    GraphicChanged();
}

void TppLine::SetWeight(float weight) {
    weight_ = weight;
    TppPen pen = Pen();
    // A weight from a damaged template (no number, less than nothing, far
    // beyond any paper) still gives a pen a painter can take.
    const float pixels = weight * float(screenPixelsPerInch()) / 72.0f;
    pen.width = std::isnan(pixels) ? 0 : int(roundHalfEven(std::clamp(pixels, 0.0f, float(kMaxPenWidth))));
    TppCustomGraphic::SetPen(pen);
    GraphicChanged();
}

void TppLine::SetPen(const TppPen& pen) {
    const bool widthChanged = pen.width != Pen().width;
    TppCustomGraphic::SetPen(pen);
    if (widthChanged)
        weightFromPenWidth();
}

void TppLine::weightFromPenWidth() {
    weight_ = float(Pen().width) / float(screenPixelsPerInch()) * 72.0f;
}

void TppLine::ConvertLegacy(int versionNumber) {
    if (versionNumber < 3000)
        weightFromPenWidth();
}

const ClassInfo* TppLine::CommandClass() const {
    return &TppDrawLine::staticClassInfo();
}

void TppLine::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppCustomGraphic::PropertiesToDrawCommand(command);
    auto& line = static_cast<TppDrawLine&>(command);
    line.LineStyle = style_;
    line.LinePosition = position_;
    line.Pen = Pen();
    line.Weight = weight_;
}

#include "RulerTicks.h"

#include <cmath>

namespace {

QString labelText(long long value) {
    if (value >= 10000)
        return QString::number(std::llround(value / 1000.0)) + QLatin1Char('k');
    return QString::number(value);
}

} // namespace

QList<RulerTick> rulerTicks(TppUnitType units, int ppi, int length, int printerPpi) {
    if (ppi <= 0)
        ppi = 96;
    double labelSpacing = ppi; // pixels between labels
    int ticksPerLabel = 8;
    long long labelStep = 1;
    bool halfTicks = true;
    const double pixelsPerCm = ppi / 2.54;
    switch (units) {
    case utScreenPixels:
        ticksPerLabel = std::max(1, int(std::lround(ppi / 10.0)));
        labelStep = ppi;
        break;
    case utInches:
        break;
    case utMillimeters:
        ticksPerLabel = 4;
        labelSpacing = pixelsPerCm;
        labelStep = 10;
        halfTicks = false;
        break;
    case utPrinterPixels:
        ticksPerLabel = 10;
        labelStep = printerPpi > 0 ? printerPpi : ppi;
        break;
    case utMMThousandths:
        ticksPerLabel = 5;
        labelSpacing = pixelsPerCm;
        labelStep = 10000;
        halfTicks = false;
        break;
    }
    QList<RulerTick> ticks;
    const double spacing = labelSpacing / ticksPerLabel;
    for (int index = 0;; ++index) {
        const int position = int(std::lround(index * spacing));
        if (position >= length)
            break;
        RulerTick tick;
        tick.position = position;
        if (index % ticksPerLabel == 0) {
            tick.kind = RulerTick::Label;
            const long long value = (index / ticksPerLabel) * labelStep;
            tick.label = index == 0 ? QString() : labelText(value);
        } else if (halfTicks && ticksPerLabel % 2 == 0 && index % ticksPerLabel == ticksPerLabel / 2) {
            tick.kind = RulerTick::Half;
        }
        ticks << tick;
    }
    return ticks;
}

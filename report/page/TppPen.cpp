#include "TppPen.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"

const ClassInfo& TppPen::staticClassInfo() {
    static const ClassInfo info = describeClass<TppPen>("TPen", &Persistent::staticClassInfo(), [](auto& c) {
        c.property(
             "Color", [](const TppPen& p) { return p.color; }, [](TppPen& p, int v) { p.color = v; })
            .idents(colorIdents())
            .withDefault(0);
        c.property(
             "Style", [](const TppPen& p) { return p.style; }, [](TppPen& p, Style v) { p.style = v; })
            .names(enumerationNames("TPenStyle"))
            .withDefault(psSolid);
        c.property(
             "Width", [](const TppPen& p) { return p.width; }, [](TppPen& p, int v) { p.width = v; })
            .withDefault(1);
    });
    return info;
}

QColor colorFromStored(int color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QPen TppPen::toQPen(int deviceWidth) const {
    static const Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                          Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    QPen pen(colorFromStored(color), deviceWidth, styles[std::clamp<int>(style, psSolid, psInsideFrame)]);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

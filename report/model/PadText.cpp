#include "PadText.h"

#include <algorithm>

QString PadText(const QString& text, int width, TppTextAlignment alignment) {
    width = std::max(width, 0);
    if (width > kMaxPadWidth)
        width = std::max(kMaxPadWidth, int(std::min(text.size(), qsizetype(width))));
    if (text.size() >= width)
        return text.left(width);
    const int pad = width - int(text.size());
    switch (alignment) {
    case taRightJustified:
        return QString(pad, u' ') + text;
    case taCentered:
        return QString(pad / 2, u' ') + text + QString(pad - pad / 2, u' ');
    case taLeftJustified:
    case taFullJustified:
        break;
    }
    return text + QString(pad, u' ');
}

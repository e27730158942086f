#include "TppBarCodeOrientation.h"

const QStringList& barCodeOrientationNames() {
    static const QStringList names = {"orLeftToRight", "orRightToLeft", "orTopToBottom", "orBottomToTop"};
    return names;
}

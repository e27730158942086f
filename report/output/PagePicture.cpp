#include "PagePicture.h"

#include "PagewrightErrors.h"
#include "TppResourceManager.h"
#include "TppScreenDevice.h"

#include <QDir>

QImage pagePictureAt100Percent(const TppPage& page) {
    TppScreenDevice device;
    device.ShowPage(page);
    return device.PageBitmap();
}

QImage pagePicture(const TppPage& page, int pixelsPerInch) {
    TppScreenDevice device;
    device.HorizontalPixelsPerInch = device.VerticalPixelsPerInch = pixelsPerInch;
    device.ShowPage(page);
    return device.PageBitmap().copy(device.PageRect());
}

QString writePagePicture(const TppPage& page, const QString& folder, int pixelsPerInch) {
    const QString path = QDir(folder).filePath(QString::asprintf("page-%04d.png", page.AbsolutePageNo));
    if (!pagePicture(page, pixelsPerInch).save(path, "PNG"))
        throw EPrintError(LanguageStringFmt(kMsgCannotOpenFile, {path}));
    return path;
}

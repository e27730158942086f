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

QString writePagePicture(const TppPage& page, const QString& folder) {
    const QString path = QDir(folder).filePath(QString::asprintf("page-%04d.png", page.AbsolutePageNo));
    if (!pagePictureAt100Percent(page).save(path, "PNG"))
        throw EPrintError(LanguageStringFmt(67, {path}));
    return path;
}

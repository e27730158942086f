#pragma once

#include <QImage>
#include <QString>

class TppPage;

// The page as the preview shows it at 100 %: the screen device's page
// bitmap, the page framed by a quarter inch of grey.
QImage pagePictureAt100Percent(const TppPage& page);

// Writes that picture as "page-0001.png" (the absolute page number, four
// digits) into `folder` and returns the file's path; EPagewrightError when
// the file cannot be written.
QString writePagePicture(const TppPage& page, const QString& folder);

#pragma once

#include <QImage>
#include <QString>

class TppPage;

// The page as the preview shows it at 100 %: the screen device's page
// bitmap, the page framed by a quarter inch of grey.
QImage pagePictureAt100Percent(const TppPage& page);

// The paper alone, drawn as the preview draws it, at `pixelsPerInch` (96:
// the page as the preview shows it at 100 %; a Letter page is 816 x 1056).
QImage pagePicture(const TppPage& page, int pixelsPerInch = 96);

// Writes pagePicture as "page-0001.png" (the absolute page number, four
// digits) into `folder` and returns the file's path; EPagewrightError when
// the file cannot be written.
QString writePagePicture(const TppPage& page, const QString& folder, int pixelsPerInch = 96);

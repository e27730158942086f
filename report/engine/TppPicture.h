#pragma once

#include "Persistent.h"
#include "TppDrawImage.h"

#include <QByteArray>
#include <functional>

// The picture an image component holds: a raster image or a recorded vector
// picture (the metafile kind), or nothing. Sizes are screen pixels.
class TppPicture : public Persistent {
public:
    PW_CLASS_INFO

    using Graphic = TppDrawImage::Graphic;

    const Graphic& graphic() const { return graphic_; }
    void SetGraphic(const Graphic& graphic);
    void SetImage(const QImage& image) { SetGraphic(image); }
    void SetPicture(const QPicture& picture) { SetGraphic(picture); }
    void Clear() { SetGraphic(std::monostate{}); }
    bool IsEmpty() const;
    bool IsMetafile() const { return std::holds_alternative<QPicture>(graphic_); }
    QSize Size() const;
    // Hands the picture to a draw command.
    void CopyTo(TppDrawImage& command) const;

    // The stored form: the graphic's class name as a short string, then its
    // data ("TBitmap" and "TJPEGImage" data lead with their byte count).
    // Data that cannot be decoded leaves the picture empty.
    QByteArray Data() const;
    void SetData(const QByteArray& data);

    // Called after every change.
    std::function<void()> OnChange;

private:
    Graphic graphic_;
};

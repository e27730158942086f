#pragma once

#include "TppDrawCommand.h"

#include <QImage>
#include <QPicture>
#include <variant>

// A picture in its box: stretched (optionally keeping its proportions),
// or at its natural size, optionally centred. Pixel sizes are screen
// pixels; devices scale them to their resolution.
class TppDrawImage : public TppDrawCommand {
public:
    PW_CLASS_INFO

    explicit TppDrawImage(OwnedComponent* owner = nullptr);

    // A raster image, or a recorded vector picture (the metafile kind).
    using Graphic = std::variant<std::monostate, QImage, QPicture>;
    const Graphic& Picture() const { return picture_; }
    void SetPicture(const QImage& image);
    void SetPicture(const QPicture& picture);
    bool HasPicture() const;
    // The picture's size in screen pixels.
    QSize PictureSize() const;

    bool Stretch = false;
    bool MaintainAspectRatio = false;
    bool Center = false;
    bool Scale = false;
    bool Transparent = false;
    bool DirectDraw = false;
    QString ImageName;

    void Assign(const TppDrawCommand& source) override;

private:
    Graphic picture_;
};

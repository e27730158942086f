#pragma once

#include "TppCustomComponent.h"
#include "TppPicture.h"

// A picture in a box: centred at its natural size, or stretched (keeping
// its proportions when asked), drawn as one TppDrawImage. Each picture
// change gives the picture a new serial number, so devices that keep
// images by name never show an old picture under a new one's name.
class TppCustomImage : public TppCustomComponent {
public:
    PW_CLASS_INFO

    explicit TppCustomImage(OwnedComponent* owner = nullptr);
    ~TppCustomImage() override;

    TppPicture& Picture() { return picture_; }
    const TppPicture& Picture() const { return picture_; }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool MaintainAspectRatio() const { return maintainAspectRatio_; }
    void SetMaintainAspectRatio(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool DirectDraw() const { return directDraw_; }
    void SetDirectDraw(bool value);

    int PictureSerial() const { return pictureSerial_; }

    // Templates of version 4200 and older had no DirectDraw: metafiles drew directly.
    void ConvertLegacy(int versionNumber);

    void InitForReport() override;
    const ClassInfo* CommandClass() const override;
    void PropertiesToDrawCommand(TppDrawCommand& command) override;

protected:
    // Two commands with the same name hold the same picture.
    virtual QString ImageName();
    // After the picture or how it is shown changed (not while loading): an
    // AutoSize image takes the picture's size, and the picture a new serial.
    void pictureChanged();

private:
    template <class T> void setOption(T& field, T value);

    TppPicture picture_;
    bool autoSize_ = false;
    bool center_ = true;
    bool stretch_ = false;
    bool maintainAspectRatio_ = false;
    bool transparent_ = false;
    bool directDraw_ = false;
    int pictureSerial_ = 0;
};

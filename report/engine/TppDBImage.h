#pragma once

#include "TppCustomImage.h"

// An image whose picture comes from the current record: the bytes of a
// BLOB or graphic field decoded as its GraphicType, the file a text field
// names, or whatever an OnGetPicture handler supplies.
class TppDBImage : public TppCustomImage {
public:
    PW_CLASS_INFO

    explicit TppDBImage(OwnedComponent* owner = nullptr);
    ~TppDBImage() override;

    QString DataField() const override { return dataField_; }
    void SetDataField(const QString& field);
    bool AutoDisplay() const { return autoDisplay_; }
    void SetAutoDisplay(bool value);
    const QString& GraphicType() const { return graphicType_; }
    // A name GraphicTypes does not know is ignored.
    void SetGraphicType(const QString& name);

    // Fills the picture from the current record (or the handler); leaves
    // it empty when there is nothing to show. Undecodable data raises
    // EPrintError "Invalid Image." while the report prints.
    void LoadPicture();

    void MeasureContent() override;

    TppEvent<TppCommunicator*, TppPicture*> OnGetPicture;

protected:
    QString ImageName() override;

private:
    bool hasPictureHandler() const;
    void pictureFromField(TppDataPipeline& pipeline);

    QString dataField_;
    bool autoDisplay_ = true;
    QString graphicType_ = QStringLiteral("Bitmap");
};

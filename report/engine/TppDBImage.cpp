#include "TppDBImage.h"

#include "ClassBuilder.h"
#include "GraphicTypes.h"
#include "ImageFile.h"
#include "PagewrightErrors.h"
#include "TppDataPipeline.h"
#include "TppReportModel.h"
#include "TppResourceManager.h"

const ClassInfo& TppDBImage::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDBImage>("TppDBImage", &TppCustomImage::staticClassInfo(), [](auto& c) {
            c.property("AutoDisplay", &TppDBImage::AutoDisplay, &TppDBImage::SetAutoDisplay)
                .withDefault(true);
            c.property("DataField", &TppDBImage::DataField, &TppDBImage::SetDataField);
            c.reference("DataPipeline", &TppDBImage::DataPipeline, &TppDBImage::SetDataPipeline);
            c.property("DirectDraw", &TppDBImage::DirectDraw, &TppDBImage::SetDirectDraw).withDefault(false);
            c.property("GraphicType", &TppDBImage::GraphicType, &TppDBImage::SetGraphicType)
                .withDefault(QStringLiteral("Bitmap"));
            c.event("OnGetPicture", &TppDBImage::OnGetPicture);
        });
    return info;
}

TppDBImage::TppDBImage(OwnedComponent* owner) : TppCustomImage(owner) {}

TppDBImage::~TppDBImage() {
    markDestroying();
}

void TppDBImage::SetDataField(const QString& field) {
    dataField_ = field;
    if (!isLoading())
        LoadPicture();
    Change();
}

void TppDBImage::SetAutoDisplay(bool value) {
    autoDisplay_ = value;
    if (!isLoading())
        LoadPicture();
    Change();
}

void TppDBImage::SetGraphicType(const QString& name) {
    if (!GraphicTypes::instance().Contains(name))
        return;
    graphicType_ = name;
    if (!isLoading())
        SetDirectDraw(name == QLatin1String("MetaFile"));
    Change();
}

bool TppDBImage::hasPictureHandler() const {
    return bool(OnGetPicture) || HasEventSubscriber(ciDBImageGetPicture);
}

void TppDBImage::LoadPicture() {
    Picture().Clear();
    if (!autoDisplay_ && !hasPictureHandler())
        return;
    if (hasPictureHandler()) {
        OnGetPicture(this, &Picture());
        TppEventParams params{QVariant::fromValue(static_cast<Persistent*>(&Picture()))};
        BroadcastEvent(this, ciDBImageGetPicture, &params);
        return;
    }
    TppDataPipeline* pipeline = DataPipeline();
    if (pipeline && !dataField_.isEmpty() && pipeline->Active())
        pictureFromField(*pipeline);
}

void TppDBImage::pictureFromField(TppDataPipeline& pipeline) {
    switch (pipeline.GetFieldDataType(dataField_)) {
    case dtBLOB:
    case dtGraphic: {
        const QByteArray bytes = pipeline.GetFieldValue(dataField_).toByteArray();
        if (bytes.isEmpty())
            return;
        const TppPicture::Graphic graphic = GraphicTypes::instance().Decode(graphicType_, bytes);
        if (std::holds_alternative<std::monostate>(graphic)) {
            TppReportModel* report = Report();
            if (report && report->Printing())
                throw EPrintError(LanguageString(kMsgInvalidImage));
            return;
        }
        Picture().SetGraphic(graphic);
        return;
    }
    case dtString:
        // The path comes from the data: only a regular file of bounded
        // size is read, and anything else shows no picture.
        Picture().SetGraphic(GraphicTypes::instance().Decode(
            QStringLiteral("Bitmap"), readImageFile(pipeline.GetFieldAsString(dataField_))));
        return;
    default:
        return;
    }
}

void TppDBImage::MeasureContent() {
    TppCustomImage::MeasureContent();
    LoadPicture();
}

QString TppDBImage::ImageName() {
    TppDataPipeline* pipeline = DataPipeline();
    if (!pipeline)
        return Name() + dataField_;
    return Name() + pipeline->Name() + dataField_ + QString::number(pipeline->RecordIndex());
}

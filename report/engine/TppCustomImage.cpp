#include "TppCustomImage.h"

#include "ClassBuilder.h"
#include "ComponentNames.h"
#include "TppBandedReport.h"
#include "TppDrawImage.h"
#include "Units.h"

const ClassInfo& TppCustomImage::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCustomImage>("TppCustomImage", &TppCustomComponent::staticClassInfo(), [](auto& c) {
            c.property("Center", &TppCustomImage::Center, &TppCustomImage::SetCenter).withDefault(true);
            c.property("MaintainAspectRatio", &TppCustomImage::MaintainAspectRatio,
                       &TppCustomImage::SetMaintainAspectRatio)
                .withDefault(false);
            c.property("Stretch", &TppCustomImage::Stretch, &TppCustomImage::SetStretch).withDefault(false);
            c.property("Transparent", &TppCustomImage::Transparent, &TppCustomImage::SetTransparent)
                .withDefault(false);
        });
    return info;
}

TppCustomImage::TppCustomImage(OwnedComponent* owner) : TppCustomComponent(owner) {
    const int side = UnitsToMM(50, utScreenPixels);
    storeBox(0, 0, side, side);
    picture_.OnChange = [this] { pictureChanged(); };
}

TppCustomImage::~TppCustomImage() {
    markDestroying();
    picture_.OnChange = nullptr;
}

template <class T> void TppCustomImage::setOption(T& field, T value) {
    if (field == value)
        return;
    field = value;
    pictureChanged();
    Change();
}

void TppCustomImage::SetAutoSize(bool value) {
    setOption(autoSize_, value);
}
void TppCustomImage::SetCenter(bool value) {
    setOption(center_, value);
}
void TppCustomImage::SetStretch(bool value) {
    setOption(stretch_, value);
}
void TppCustomImage::SetMaintainAspectRatio(bool value) {
    setOption(maintainAspectRatio_, value);
}
void TppCustomImage::SetTransparent(bool value) {
    setOption(transparent_, value);
}
void TppCustomImage::SetDirectDraw(bool value) {
    setOption(directDraw_, value);
}

void TppCustomImage::pictureChanged() {
    if (isLoading() || isDestroying())
        return;
    const QSize size = picture_.Size();
    if (autoSize_ && size.width() > 0 && size.height() > 0)
        SetBounds(mmLeft(), mmTop(), UnitsToMM(float(size.width()), utScreenPixels, Axis::Horizontal),
                  UnitsToMM(float(size.height()), utScreenPixels, Axis::Vertical));
    // A page generated again from the cache must name its picture as it did the first time.
    TppReportModel* report = Report();
    const auto* main = report ? dynamic_cast<const TppBandedReport*>(report->MainReport()) : nullptr;
    if (!Band() || !main || main->GeneratingNewPage())
        ++pictureSerial_;
}

void TppCustomImage::ConvertLegacy(int versionNumber) {
    if (versionNumber <= 4200 && !picture_.IsEmpty())
        directDraw_ = picture_.IsMetafile();
}

void TppCustomImage::InitForReport() {
    TppCustomComponent::InitForReport();
    pictureSerial_ = 0;
}

const ClassInfo* TppCustomImage::CommandClass() const {
    return &TppDrawImage::staticClassInfo();
}

QString TppCustomImage::ImageName() {
    if (Name().isEmpty())
        SetName(UniqueComponentName(Owner(), ClassNameWithoutT(*this), this));
    return Name() + QString::number(pictureSerial_);
}

void TppCustomImage::PropertiesToDrawCommand(TppDrawCommand& command) {
    TppCustomComponent::PropertiesToDrawCommand(command);
    auto& image = static_cast<TppDrawImage&>(command);
    image.Stretch = stretch_;
    image.Center = center_;
    image.MaintainAspectRatio = maintainAspectRatio_;
    image.DirectDraw = directDraw_;
    image.Transparent = transparent_;
    picture_.CopyTo(image);
    image.ImageName = ImageName();
}

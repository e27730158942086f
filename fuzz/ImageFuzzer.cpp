// Feeds arbitrary bytes to the readers of images from data: a data-bound
// image decoding its field as one of the graphic kinds, or a picture
// reading its stored form (class name, then the graphic). What decodes is
// drawn on a page in a box of the input's choosing, as the preview draws
// it, and the stored form is written back and read again. Crashes,
// sanitizer reports and hangs are findings.

#include "EngineClasses.h"
#include "FuzzSupport.h"
#include "GraphicTypes.h"
#include "PagePicture.h"
#include "TppDrawImage.h"
#include "TppPage.h"
#include "TppPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = [] {
        ensureGuiApplication();
        registerEngineClasses();
        return true;
    }();
    (void)registered;
    static const QStringList kinds = GraphicTypes::instance().Names();

    FuzzSettings settings(bytesOf(data, size));
    const int kind = settings.choice(int(kinds.size()) + 1);
    const quint8 box = settings.byte();
    const QByteArray bytes = settings.rest().toByteArray();

    TppPicture picture;
    if (kind < kinds.size())
        picture.SetGraphic(GraphicTypes::instance().Decode(kinds[kind], bytes));
    else
        picture.SetData(bytes);
    if (picture.IsEmpty())
        return 0;
    TppPicture again;
    again.SetData(picture.Data());

    TppPage page;
    auto* image = new TppDrawImage(&page);
    picture.CopyTo(*image);
    image->Stretch = box & 1;
    image->MaintainAspectRatio = box & 2;
    image->Center = box & 4;
    image->Scale = box & 8;
    image->Transparent = box & 16;
    image->SetBox(box & 32 ? -5000 : 6350, 6350, box & 64 ? 1 : 50800, box & 128 ? 254000 : 25400);
    page.AddDrawCommand(image);
    (void)pagePicture(page, 12);
    return 0;
}

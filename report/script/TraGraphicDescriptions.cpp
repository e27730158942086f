// Fonts, pictures and the platform's graphic classes as scripts see them.

#include "ImageDecoding.h"
#include "ImageFile.h"
#include "TppFont.h"
#include "TppIcon.h"
#include "TppPicture.h"
#include "TraDescribe.h"
#include "TraWindowObjects.h"

#include <QFile>
#include <QImage>
#include <QPicture>

namespace TraDescribe {

namespace {

// Bold, Italic ... each one bit of the font's style.
TraMember styleBit(const char* name, unsigned bit) {
    return readWrite<TppFont>(
        name, daBoolean, [bit](TppFont& f) { return booleanValue((f.style & bit) != 0); },
        [bit](TppFont& f, const TraValue& v) { f.style = v.boolean() ? f.style | bit : f.style & ~bit; });
}

[[noreturn]] void pictureFileFailed(const char* what, const QString& fileName) {
    throw TraRunError(QStringLiteral("Cannot %1 the picture file \"%2\"").arg(QLatin1String(what), fileName));
}

void loadPicture(TppPicture& picture, const QString& fileName) {
    const QImage image = decodeImage(readImageFile(fileName));
    if (image.isNull())
        pictureFileFailed("read", fileName);
    picture.SetImage(image);
}

void savePicture(const TppPicture& picture, const QString& fileName) {
    bool saved = false;
    if (const auto* image = std::get_if<QImage>(&picture.graphic()))
        saved = image->save(fileName);
    else if (const auto* drawing = std::get_if<QPicture>(&picture.graphic()))
        saved = QPicture(*drawing).save(fileName); // save() is not const
    if (!saved)
        pictureFileFailed("write", fileName);
}

// An icon keeps the file's bytes as they are; only a file that holds a
// picture is taken.
void loadIcon(TppIcon& icon, const QString& fileName) {
    const QByteArray bytes = readImageFile(fileName);
    if (decodeImage(bytes).isNull())
        pictureFileFailed("read", fileName);
    icon.SetData(bytes);
}

void saveIcon(const TppIcon& icon, const QString& fileName) {
    QFile file(fileName);
    if (icon.IsEmpty() || !file.open(QIODevice::WriteOnly) || file.write(icon.Data()) != icon.Data().size())
        pictureFileFailed("write", fileName);
}

} // namespace

void describeGraphics() {
    const TraRTTI* tPersistent = described("TPersistent");
    describe("TFont", &TppFont::staticClassInfo(), tPersistent,
             {styleBit("Bold", TppFont::fsBold), styleBit("Italic", TppFont::fsItalic),
              styleBit("Underline", TppFont::fsUnderline), styleBit("Strikeout", TppFont::fsStrikeOut),
              readWrite<TppFont>(
                  "Normal", daBoolean, [](TppFont& f) { return booleanValue(f.style == 0); },
                  [](TppFont& f, const TraValue& v) {
                      if (v.boolean())
                          f.style = 0;
                  })});
    describe("TPicture", &TppPicture::staticClassInfo(), tPersistent,
             {fileMethod<TppPicture>(
                  "LoadFromFile", [](TppPicture& p, TraCallFrame& f) { loadPicture(p, textOf(f.args[0])); }),
              fileMethod<TppPicture>(
                  "SaveToFile", [](TppPicture& p, TraCallFrame& f) { savePicture(p, textOf(f.args[0])); }),
              // The name older scripts used for saving.
              fileMethod<TppPicture>("SaveFromFile", [](TppPicture& p, TraCallFrame& f) {
                  savePicture(p, textOf(f.args[0]));
              })});
    // Pictures here hold their image themselves: no object of these classes
    // reaches a script, which may still name them (declarations, "is").
    const TraRTTI* graphic = describe(
        "TGraphic", nullptr, tPersistent,
        {[] {
             TraMember m{"LoadFromFile", Kind::Method, daUnknown, nullptr, {{"FileName", daString}}};
             m.readsFiles = true;
             return m;
         }(),
         [] {
             TraMember m{"SaveToFile", Kind::Method, daUnknown, nullptr, {{"FileName", daString}}};
             m.readsFiles = true;
             return m;
         }(),
         TraMember{"Empty", Kind::Property, daBoolean}, TraMember{"Transparent", Kind::Property, daBoolean}});
    describe("TIcon", &TppIcon::staticClassInfo(), graphic,
             {fileMethod<TppIcon>("LoadFromFile",
                                  [](TppIcon& i, TraCallFrame& f) { loadIcon(i, textOf(f.args[0])); }),
              fileMethod<TppIcon>("SaveToFile",
                                  [](TppIcon& i, TraCallFrame& f) { saveIcon(i, textOf(f.args[0])); }),
              readOnly<TppIcon>("Empty", daBoolean, [](TppIcon& i) { return booleanValue(i.IsEmpty()); })});
    describe("TBitmap", nullptr, graphic,
             {TraMember{"TransparentColor", Kind::Property, daInteger},
              TraMember{"TransparentMode", Kind::Property, daInteger}});
    describe("TCustomForm", &TraForm::staticClassInfo(), described("TComponent"),
             {readOnly<TraForm>("ModalResult", daInteger,
                                [](TraForm& f) { return integerValue(f.modalResult ? f.modalResult() : 0); }),
              readOnly<TraForm>("Caption", daString, [](TraForm& f) {
                  return stringValue(f.caption ? f.caption() : QString());
              })});
    const auto edge = [](const char* name, int (QRect::*side)() const) {
        return readOnly<TraControl>(name, daInteger, [side](TraControl& c) {
            return integerValue(c.bounds ? (c.bounds().*side)() : 0);
        });
    };
    describe("TControl", &TraControl::staticClassInfo(), described("TComponent"),
             {edge("Left", &QRect::left), edge("Top", &QRect::top), edge("Width", &QRect::width),
              edge("Height", &QRect::height)});
}

} // namespace TraDescribe

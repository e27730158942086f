#pragma once

#include "TppDrawImage.h"

#include <QByteArray>
#include <QMap>
#include <QMutex>
#include <QStringList>
#include <functional>

// The graphic kinds a data-bound image can decode its field's bytes as,
// by the names GraphicType takes: "Bitmap", "Icon" and "MetaFile" always,
// "GIF" and "JPEG" when Qt has a reader for them. Process-wide and locked;
// registering a name again replaces its decoder.
class GraphicTypes {
public:
    using Decoder = std::function<TppDrawImage::Graphic(const QByteArray& bytes)>;

    static GraphicTypes& instance();

    // Sorted.
    QStringList Names() const;
    bool Contains(const QString& name) const;
    void Register(const QString& name, Decoder decoder);
    // Empty when the name is unknown or the bytes are not such a graphic.
    TppDrawImage::Graphic Decode(const QString& name, const QByteArray& bytes) const;

private:
    GraphicTypes();

    mutable QMutex lock_;
    QMap<QString, Decoder> decoders_;
};

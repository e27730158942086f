#pragma once

#include "Persistent.h"

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>

// The icon a report gives the windows it opens for a job, and the designer
// its window: the bytes of an icon file, kept as they were read so that a
// template writes them back unchanged. Bytes that are no picture leave the
// windows with the program's own icon.
class TppIcon final : public Persistent {
public:
    PW_CLASS_INFO

    const QByteArray& Data() const { return data_; }
    void SetData(const QByteArray& data) { data_ = data; }
    bool IsEmpty() const { return data_.isEmpty(); }
    void Assign(const TppIcon& other) { data_ = other.data_; }
    // The picture the bytes hold (the first of an icon file's); null when none.
    QImage Image() const;

private:
    QByteArray data_;
};

// Gives a window the picture of an icon; a null one leaves the window's own.
// (Templated so that the headless layers need no widgets to name it.)
template <class Window> void applyWindowIcon(Window& window, const QImage& icon) {
    if (!icon.isNull())
        window.setWindowIcon(QIcon(QPixmap::fromImage(icon)));
}

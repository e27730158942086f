#pragma once

// What the fuzz targets share: the application object that fonts and
// painting need, the input as Qt bytes, and a reader that takes a few
// settings off the front of the input before the rest goes to the reader
// under test.

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// Painting and text measurement want an application; off screen, once.
inline void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "fuzzer";
    static char* argv[] = {name, nullptr};
    static const bool made = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
        return true;
    }();
    (void)made;
}

inline QByteArrayView bytesOf(const uint8_t* data, size_t size) {
    return QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Takes settings off the front of the input; past its end every value is 0.
class FuzzSettings {
public:
    explicit FuzzSettings(QByteArrayView input) : input_(input) {}
    quint8 byte() { return pos_ < input_.size() ? quint8(input_[pos_++]) : 0; }
    bool flag() { return byte() & 1; }
    // One of `count` choices.
    int choice(int count) { return byte() % count; }
    QByteArrayView rest() const { return input_.sliced(std::min(pos_, input_.size())); }

private:
    QByteArrayView input_;
    qsizetype pos_ = 0;
};

// A folder for the files a reader or device insists on, for the whole run.
inline const QDir& scratchFolder() {
    static QTemporaryDir folder;
    static const QDir dir(folder.path());
    return dir;
}

#pragma once

#include <QByteArray>
#include <QString>

// Image files named by report data are read only when they are regular
// files of at most this size: a path taken from a table must not make the
// report block on a device or a pipe, or swallow a huge file.
inline constexpr qint64 kMaxImageFileBytes = 64 * 1024 * 1024;

// The file's bytes, or nothing when it is not a regular file, is larger
// than `limit`, or cannot be read.
QByteArray readImageFile(const QString& path, qint64 limit = kMaxImageFileBytes);

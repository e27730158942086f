#pragma once

#include <QList>
#include <QMutex>
#include <QString>

class ClassInfo;

// What the print dialog shows of a file device class before there is a
// device: its description (in the current language), the extension it
// proposes without the point, and the file-dialog filter, pairs of
// description and pattern separated by "|".
struct FileDeviceTraits {
    QString (*DeviceDescription)() = nullptr;
    QString DefaultExt;
    QString FileFilter;
};

// The device classes reports print to, by device name ("Screen",
// "Printer", "TextFile", "ReportTextFile", "ArchiveFile"), looked up without
// regard to case. Registering a device class also registers it for streaming.
class DeviceClasses {
public:
    static DeviceClasses& instance();

    void RegisterDevice(const QString& deviceName, const ClassInfo& deviceClass);
    void UnregisterDevice(const QString& deviceName);
    // None when no class has that name.
    const ClassInfo* Find(const QString& deviceName) const;
    QStringList DeviceNames() const;

    // A device that writes to a file, listed by the print dialog in the
    // order of registration.
    void RegisterFileDevice(const QString& deviceName, const ClassInfo& deviceClass,
                            const FileDeviceTraits& traits);
    QStringList FileDeviceNames() const;
    // None when no file device has that name.
    const FileDeviceTraits* FileTraits(const QString& deviceName) const;

private:
    mutable QMutex mutex_;
    QList<std::pair<QString, const ClassInfo*>> devices_;
    QList<std::pair<QString, const FileDeviceTraits*>> fileDevices_;
};

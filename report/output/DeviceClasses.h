#pragma once

#include <QList>
#include <QMutex>
#include <QString>

class ClassInfo;

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

private:
    mutable QMutex mutex_;
    QList<std::pair<QString, const ClassInfo*>> devices_;
};

#include "DeviceClasses.h"

#include "ClassRegistry.h"

DeviceClasses& DeviceClasses::instance() {
    static DeviceClasses classes;
    return classes;
}

void DeviceClasses::RegisterDevice(const QString& deviceName, const ClassInfo& deviceClass) {
    ClassRegistry::instance().registerClass(deviceClass);
    QMutexLocker lock(&mutex_);
    devices_.removeIf(
        [&](const auto& entry) { return entry.first.compare(deviceName, Qt::CaseInsensitive) == 0; });
    devices_.append({deviceName, &deviceClass});
}

void DeviceClasses::UnregisterDevice(const QString& deviceName) {
    QMutexLocker lock(&mutex_);
    const auto named = [&](const auto& entry) {
        return entry.first.compare(deviceName, Qt::CaseInsensitive) == 0;
    };
    devices_.removeIf(named);
    fileDevices_.removeIf(named);
}

void DeviceClasses::RegisterFileDevice(const QString& deviceName, const ClassInfo& deviceClass,
                                       const FileDeviceTraits& traits) {
    RegisterDevice(deviceName, deviceClass);
    QMutexLocker lock(&mutex_);
    fileDevices_.removeIf(
        [&](const auto& entry) { return entry.first.compare(deviceName, Qt::CaseInsensitive) == 0; });
    fileDevices_.append({deviceName, &traits});
}

QStringList DeviceClasses::FileDeviceNames() const {
    QMutexLocker lock(&mutex_);
    QStringList names;
    for (const auto& entry : fileDevices_)
        names << entry.first;
    return names;
}

const FileDeviceTraits* DeviceClasses::FileTraits(const QString& deviceName) const {
    QMutexLocker lock(&mutex_);
    for (const auto& [name, traits] : fileDevices_)
        if (name.compare(deviceName, Qt::CaseInsensitive) == 0)
            return traits;
    return nullptr;
}

const ClassInfo* DeviceClasses::Find(const QString& deviceName) const {
    QMutexLocker lock(&mutex_);
    for (const auto& [name, info] : devices_)
        if (name.compare(deviceName, Qt::CaseInsensitive) == 0)
            return info;
    return nullptr;
}

QStringList DeviceClasses::DeviceNames() const {
    QMutexLocker lock(&mutex_);
    QStringList names;
    for (const auto& entry : devices_)
        names << entry.first;
    return names;
}

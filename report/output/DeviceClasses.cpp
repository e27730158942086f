#include "DeviceClasses.h"

#include "ClassRegistry.h"

DeviceClasses& DeviceClasses::instance() {
    static DeviceClasses classes;
    return classes;
}

void DeviceClasses::RegisterDevice(const QString& deviceName, const ClassInfo& deviceClass) {
    ClassRegistry::instance().registerClass(deviceClass);
    QMutexLocker lock(&mutex_);
    devices_.removeIf([&](const auto& entry) { return entry.first.compare(deviceName, Qt::CaseInsensitive) == 0; });
    devices_.append({deviceName, &deviceClass});
}

void DeviceClasses::UnregisterDevice(const QString& deviceName) {
    QMutexLocker lock(&mutex_);
    devices_.removeIf([&](const auto& entry) { return entry.first.compare(deviceName, Qt::CaseInsensitive) == 0; });
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

#include "ClassRegistry.h"

ClassRegistry& ClassRegistry::instance() {
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::registerClass(const ClassInfo& info) {
    QMutexLocker locker(&mutex_);
    classes_.insert(info.name().toLower(), &info);
}

void ClassRegistry::unregisterClass(const QString& name) {
    QMutexLocker locker(&mutex_);
    classes_.remove(name.toLower());
}

const ClassInfo* ClassRegistry::find(const QString& name) const {
    QMutexLocker locker(&mutex_);
    return classes_.value(name.toLower());
}

QList<const ClassInfo*> ClassRegistry::classes() const {
    QMutexLocker locker(&mutex_);
    return classes_.values();
}

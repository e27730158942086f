#pragma once

#include "ClassInfo.h"

#include <QHash>
#include <QMutex>

// The classes that templates may create by name. Each layer registers its
// classes explicitly at start-up (registerReportModelClasses() and its
// siblings): a static library drops object files nobody references, so
// self-registering statics would silently lose classes only a stream names.
class ClassRegistry {
public:
    static ClassRegistry& instance();

    void registerClass(const ClassInfo& info);
    void unregisterClass(const QString& name);
    // By name without regard to case; none if not registered.
    const ClassInfo* find(const QString& name) const;
    QList<const ClassInfo*> classes() const;

private:
    mutable QMutex mutex_;
    QHash<QString, const ClassInfo*> classes_;
};

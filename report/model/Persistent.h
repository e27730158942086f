#pragma once

#include "ClassInfo.h"

// The root of every object the report engine describes in its class registry:
// components and the value objects nested in them (a font, a page definition).
class Persistent {
public:
    virtual ~Persistent() = default;

    static const ClassInfo& staticClassInfo();
    virtual const ClassInfo& classInfo() const { return staticClassInfo(); }
    const QString& className() const { return classInfo().name(); }
    bool inheritsFrom(const QString& className) const { return classInfo().inheritsFrom(className); }
};

// Declares the class's registry entry; the .cpp builds it with describeClass().
#define PW_CLASS_INFO                                                                                        \
    static const ClassInfo& staticClassInfo();                                                               \
    const ClassInfo& classInfo() const override {                                                            \
        return staticClassInfo();                                                                            \
    }

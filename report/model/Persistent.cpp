#include "Persistent.h"

const ClassInfo& Persistent::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TPersistent"), nullptr);
    return info;
}

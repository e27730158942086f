#include "TraWindowObjects.h"

#include "OwnedComponent.h"

#include <QHash>
#include <QMutex>

// A window has an owner in its own layer, not among report components: it
// answers the members of a component that does nothing (Owner is nil). So
// do the controls on it.
const ClassInfo& TraForm::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TCustomForm"), &OwnedComponent::staticClassInfo());
    return info;
}

const ClassInfo& TraControl::staticClassInfo() {
    static const ClassInfo info(QStringLiteral("TControl"), &OwnedComponent::staticClassInfo());
    return info;
}

namespace TraWindowObjects {

namespace {

struct Sources {
    QMutex mutex;
    QHash<QByteArray, Source> byMember;
};

Sources& sources() {
    static Sources all;
    return all;
}

} // namespace

void setSource(const QByteArray& member, const Source& source) {
    Sources& all = sources();
    QMutexLocker lock(&all.mutex);
    if (source)
        all.byMember.insert(member.toLower(), source);
    else
        all.byMember.remove(member.toLower());
}

Persistent* find(const QByteArray& member, Persistent& owner) {
    Source source;
    {
        Sources& all = sources();
        QMutexLocker lock(&all.mutex);
        source = all.byMember.value(member.toLower());
    }
    return source ? source(owner) : nullptr;
}

} // namespace TraWindowObjects

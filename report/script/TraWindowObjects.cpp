#include "TraWindowObjects.h"

#include "OwnedComponent.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QThread>

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
    // Windows live on the program's main thread: a script run on a worker
    // (a preview generating in the background) sees none of them.
    const QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() != application->thread())
        return nullptr;
    Source source;
    {
        Sources& all = sources();
        QMutexLocker lock(&all.mutex);
        source = all.byMember.value(member.toLower());
    }
    return source ? source(owner) : nullptr;
}

} // namespace TraWindowObjects

#include "ComponentNames.h"

#include "OwnedComponent.h"

#include <set>

QString UniqueComponentName(const OwnedComponent* owner, const QString& base,
                            const OwnedComponent* component) {
    if (!owner)
        return base;
    std::set<int> taken;
    for (const OwnedComponent* other : owner->components()) {
        if (other == component || !other->classInfo().inheritsFrom(component->classInfo()))
            continue;
        if (!other->Name().startsWith(base) || other->Name().size() == base.size())
            continue;
        const QString digits = other->Name().mid(base.size());
        if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            continue;
        bool ok = false;
        const int number = digits.toInt(&ok);
        if (ok && number > 0)
            taken.insert(number);
    }
    int free = 1;
    while (taken.count(free))
        ++free;
    return base + QString::number(free);
}

QString ClassNameWithoutT(const Persistent& object) {
    return object.className().mid(1);
}

QString ClassNameWithoutTpp(const Persistent& object) {
    return object.className().mid(3);
}

#include "OwnedComponent.h"

#include "PagewrightErrors.h"

const ClassInfo& OwnedComponent::staticClassInfo() {
    static const ClassInfo info = [] {
        ClassInfo info(QStringLiteral("TComponent"), &Persistent::staticClassInfo());
        PropertyInfo name;
        name.name = QStringLiteral("Name");
        name.kind = PropertyKind::String;
        name.get = [](const Persistent& object) {
            return QVariant(static_cast<const OwnedComponent&>(object).Name());
        };
        name.set = [](Persistent& object, const QVariant& value) {
            static_cast<OwnedComponent&>(object).SetName(value.toString());
        };
        // The stream writes the name in the object's header, not as a property.
        name.stored = [](const Persistent&) { return false; };
        info.addProperty(std::move(name));
        return info;
    }();
    return info;
}

OwnedComponent::OwnedComponent(OwnedComponent* owner) {
    if (owner)
        owner->insertComponent(this);
}

OwnedComponent::~OwnedComponent() {
    markDestroying();
    // Freeing one component may free others it holds, which leave this list
    // themselves; so take the last one each time instead of iterating.
    while (!components_.isEmpty())
        delete components_.last();
    if (owner_)
        owner_->removeComponent(this);
}

void OwnedComponent::setState(State state, bool on) {
    if (on)
        state_ |= state;
    else
        state_ &= ~unsigned(state);
}

OwnedComponent* OwnedComponent::FindComponent(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    for (OwnedComponent* component : components_)
        if (component->name_.compare(name, Qt::CaseInsensitive) == 0)
            return component;
    return nullptr;
}

void OwnedComponent::SetName(const QString& name) {
    if (name == name_)
        return;
    if (!name.isEmpty() && !isValidIdentifier(name))
        throw EComponentError(QStringLiteral("Component name \"%1\" is not a valid identifier").arg(name));
    if (owner_) {
        const OwnedComponent* other = owner_->FindComponent(name);
        if (other && other != this)
            throw EComponentError(QStringLiteral("A component named %1 already exists").arg(name));
    }
    name_ = name;
}

void OwnedComponent::ChangeOwner(OwnedComponent* newOwner) {
    if (newOwner == owner_)
        return;
    if (owner_)
        owner_->removeComponent(this);
    if (newOwner)
        newOwner->insertComponent(this);
}

void OwnedComponent::Loaded() {
    setState(Loading, false);
    setState(Reading, false);
}

bool OwnedComponent::SetParentComponent(OwnedComponent*) {
    return false;
}

void OwnedComponent::insertComponent(OwnedComponent* component) {
    if (!component->name_.isEmpty() && FindComponent(component->name_))
        throw EComponentError(QStringLiteral("A component named %1 already exists").arg(component->name_));
    components_.append(component);
    component->owner_ = this;
}

void OwnedComponent::removeComponent(OwnedComponent* component) {
    components_.removeOne(component);
    component->owner_ = nullptr;
}

bool isValidIdentifier(const QString& text) {
    if (text.isEmpty())
        return false;
    const auto isLetter = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
    };
    if (!isLetter(text[0]))
        return false;
    return std::all_of(text.begin() + 1, text.end(),
                       [&](QChar c) { return isLetter(c) || (c >= u'0' && c <= u'9'); });
}

#include "TppCommunicator.h"

#include "ClassBuilder.h"
#include "ComponentNames.h"

const ClassInfo& TppCommunicator::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppCommunicator>("TppCommunicator", &OwnedComponent::staticClassInfo(), [](auto&) {});
    return info;
}

TppCommunicator::TppCommunicator(OwnedComponent* owner) : OwnedComponent(owner) {}

TppCommunicator::~TppCommunicator() {
    markDestroying();
    *alive_ = false;
    BroadcastNotification(this, ppopRemove);
    // Anyone still listed was freed without being told (cannot happen through
    // the public operations); drop them without calling back.
    for (TppCommunicator* other : std::exchange(links_, {}))
        other->links_.removeOne(this);
    subscribers_.clear();
}

void TppCommunicator::LinkTo(TppCommunicator* other) {
    if (!other || other == this || links_.contains(other))
        return;
    links_.append(other);
    other->LinkTo(this);
}

void TppCommunicator::UnlinkFrom(TppCommunicator* other) {
    if (!links_.removeOne(other))
        return;
    other->UnlinkFrom(this);
}

void TppCommunicator::BroadcastNotification(TppCommunicator* sender, int operation) {
    const QList<TppCommunicator*> snapshot = links_;
    const std::shared_ptr<bool> alive = alive_;
    for (qsizetype i = snapshot.size() - 1; i >= 0; --i) {
        // The broadcaster's own destruction sends ppopRemove while alive is
        // already cleared; its list stays valid until the destructor ends.
        if (!*alive && operation != ppopRemove)
            return;
        if (links_.contains(snapshot[i]))
            snapshot[i]->Notify(sender, operation);
    }
}

void TppCommunicator::Notify(TppCommunicator* sender, int operation) {
    if (OnNotify)
        OnNotify(sender, operation);
    if (operation == ppopRemove) {
        links_.removeOne(sender);
        subscribers_.removeOne(sender);
    }
}

void TppCommunicator::SubscribeEvents(TppCommunicator* subscriber) {
    if (!subscriber || subscribers_.contains(subscriber))
        return;
    if (subscriber->SubscriberSortKey().isEmpty()) {
        subscribers_.append(subscriber);
    } else {
        subscribers_.append(subscriber);
        std::stable_sort(subscribers_.begin(), subscribers_.end(),
                         [](TppCommunicator* a, TppCommunicator* b) {
                             return a->SubscriberSortKey() < b->SubscriberSortKey();
                         });
    }
    LinkTo(subscriber);
}

void TppCommunicator::UnsubscribeEvents(TppCommunicator* subscriber) {
    subscribers_.removeOne(subscriber);
    UnlinkFrom(subscriber);
}

void TppCommunicator::BroadcastEvent(TppCommunicator* sender, int kind, TppEventParams* params) {
    if (kind < 0 || kind >= kEventKindCount)
        return;
    const QList<TppCommunicator*> snapshot = subscribers_;
    const std::shared_ptr<bool> alive = alive_;
    for (TppCommunicator* subscriber : snapshot) {
        if (!*alive)
            return;
        if (subscribers_.contains(subscriber) && subscriber->ListensTo(kind))
            subscriber->EventNotify(sender, kind, params);
    }
}

bool TppCommunicator::HasEventSubscriber(int kind) const {
    return std::any_of(links_.begin(), links_.end(),
                       [&](const TppCommunicator* c) { return c->ListensTo(kind); });
}

void TppCommunicator::EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) {
    if (OnEventNotify)
        OnEventNotify(sender, kind, params);
}

void TppCommunicator::AddEventKind(int kind) {
    if (kind >= 0 && kind < kEventKindCount)
        eventMask_.set(size_t(kind));
}

void TppCommunicator::RemoveEventKind(int kind) {
    if (kind >= 0 && kind < kEventKindCount)
        eventMask_.reset(size_t(kind));
}

void TppCommunicator::storeUserName(const QString& value) {
    userName_ = value;
    BroadcastNotification(this, ppopUserNameChange);
}

void TppCommunicator::SetUserName(const QString& value) {
    if (value == userName_ || !isValidIdentifier(value))
        return;
    // Names read from a template are resolved once the whole layout exists.
    if (hasState(Reading)) {
        userName_ = value;
        return;
    }
    if (IsValidUserName(value)) {
        storeUserName(value);
        return;
    }
    // Taken: "Total" becomes the first free "TotalN", but "Total3" is
    // refused rather than turned into "Total31".
    const QChar last = value.back();
    if (last >= u'1' && last <= u'9')
        return;
    for (int n = 1;; ++n) {
        const QString candidate = value + QString::number(n);
        if (IsValidUserName(candidate)) {
            storeUserName(candidate);
            return;
        }
    }
}

bool TppCommunicator::IsValidUserName(const QString& text) const {
    if (!isValidIdentifier(text))
        return false;
    const TppCommunicator* found = FindUserName(text);
    return !found || found == this;
}

TppCommunicator* TppCommunicator::FindUserName(const QString& text) const {
    if (TppCommunicator* parent = ParentCommunicator())
        return parent->FindUserName(text);
    if (!Owner())
        return nullptr;
    for (OwnedComponent* component : Owner()->components()) {
        auto* communicator = dynamic_cast<TppCommunicator*>(component);
        if (communicator && communicator->userName_.compare(text, Qt::CaseInsensitive) == 0)
            return communicator;
    }
    return nullptr;
}

QString TppCommunicator::ValidUserNameFor(const TppCommunicator* object) const {
    if (TppCommunicator* parent = ParentCommunicator())
        return parent->ValidUserNameFor(object);
    return UniqueComponentName(Owner(), ClassNameWithoutTpp(*object), object);
}

QString TppCommunicator::DefaultUserName() const {
    // "ppLabel1" of a TppLabel shows as "Label1".
    const QString& name = Name();
    const QString candidate = name.left(2) == className().mid(1, 2) ? name.mid(2) : name;
    return IsValidUserName(candidate) ? candidate : ValidUserNameFor(this);
}

void TppCommunicator::AddDesignState(DesignState state) {
    designState_ |= state;
    DesignStateChanged();
}

void TppCommunicator::RemoveDesignState(DesignState state) {
    designState_ &= ~unsigned(state);
    DesignStateChanged();
}

void TppCommunicator::SetName(const QString& name) {
    const QString& old = Name();
    const bool customised = !userName_.isEmpty() && userName_ != old && userName_ != old.mid(2);
    OwnedComponent::SetName(name);
    if (customised || (isLoading() && !hasDesignState(dsPasting)))
        return;
    const QString renewed = DefaultUserName();
    if (renewed != userName_)
        storeUserName(renewed);
}

void TppCommunicator::ChangeOwner(OwnedComponent* newOwner) {
    if (newOwner && newOwner != Owner() && !userName_.isEmpty()) {
        for (OwnedComponent* component : newOwner->components()) {
            auto* communicator = dynamic_cast<TppCommunicator*>(component);
            if (communicator && communicator->userName_.compare(userName_, Qt::CaseInsensitive) == 0) {
                userName_ = UniqueComponentName(newOwner, ClassNameWithoutTpp(*this), this);
                break;
            }
        }
    }
    OwnedComponent::ChangeOwner(newOwner);
}

void TppCommunicator::Loaded() {
    OwnedComponent::Loaded();
    if (userName_.isEmpty() && classInfo().property(QStringLiteral("UserName")))
        userName_ = DefaultUserName();
}
